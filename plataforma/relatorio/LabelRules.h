#pragma once

#include "plataforma/Money.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace plataforma::relatorio {

// What the application tells the engine about the rows it prints as labels, so that a run can
// name each label's product and check its prices; the engine knows no products or prices of
// its own. Field names are compared without regard to case, as pipelines compare them.
struct LabelRules {
    QString codeField;        // the field whose value names a label's product ("CID_PROD")
    QString descriptionField; // the field that describes the product
    // Money fields that hold prices: a control showing one of them is reported when the price
    // is zero or the amount that stands for "no price".
    QStringList priceFields;
    std::optional<Money> noPrice;

    bool isPrice(QStringView field) const;
    // Why a price would be wrong on a label (zero, or the amount for "no price"), in
    // Portuguese; an empty text when it is not.
    QString priceProblem(Money price) const;
};

} // namespace plataforma::relatorio
