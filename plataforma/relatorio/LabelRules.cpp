#include "plataforma/relatorio/LabelRules.h"

#include <algorithm>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

bool LabelRules::isPrice(QStringView field) const {
    return std::any_of(priceFields.begin(), priceFields.end(), [field](const QString& price) {
        return field.compare(price, Qt::CaseInsensitive) == 0;
    });
}

QString LabelRules::priceProblem(Money price) const {
    if (price.units() == 0)
        return u"Preço zerado."_s;
    if (price == noPrice)
        return u"Produto sem preço: a etiqueta mostra o valor que indica a falta de preço."_s;
    return {};
}

} // namespace plataforma::relatorio
