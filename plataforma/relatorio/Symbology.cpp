#include "plataforma/relatorio/Symbology.h"

#include <algorithm>
#include <array>
#include <zint.h>

namespace plataforma::relatorio {

namespace {

using namespace Qt::StringLiterals;

const std::array symbologies{
    Symbology{"bcEAN_13"_L1, "EAN-13"_L1, BARCODE_EANX, 13},
    Symbology{"bcEAN_8"_L1, "EAN-8"_L1, BARCODE_EANX, 8},
    Symbology{"bcUPC_A"_L1, "UPC-A"_L1, BARCODE_UPCA, 12},
    Symbology{"bcCode128"_L1, "Code 128"_L1, BARCODE_CODE128, 0},
    Symbology{"bcCode39"_L1, "Code 39"_L1, BARCODE_CODE39, 0},
    Symbology{"bcCode93"_L1, "Code 93"_L1, BARCODE_CODE93, 0},
    Symbology{"bcInterleaved2of5"_L1, "Interleaved 2 of 5"_L1, BARCODE_C25INTER, 0},
    Symbology{"bcCodabar"_L1, "Codabar"_L1, BARCODE_CODABAR, 0},
};

bool allDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The mod-10 check digit of the GTIN family: weights 3 and 1 alternate from the rightmost
// data digit.
int checkDigit(QStringView digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += weight * (it->unicode() - u'0');
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

} // namespace

const Symbology* findSymbology(QStringView typeName) {
    const auto it = std::find_if(symbologies.begin(), symbologies.end(),
                                 [typeName](const Symbology& s) { return s.typeName == typeName; });
    return it == symbologies.end() ? nullptr : &*it;
}

QString retailDataProblem(const Symbology& symbology, QStringView data) {
    const QString invalid =
        u"Código de barras %1 inválido: \"%2\""_s.arg(symbology.displayName, data);
    const qsizetype n = symbology.digits;
    if ((data.size() != n && data.size() != n - 1) || !allDigits(data))
        return invalid + u" (são necessários %1 ou %2 dígitos)"_s.arg(n - 1).arg(n);
    if (data.size() == n) {
        const int expected = checkDigit(data.first(n - 1));
        if (data.back().unicode() - u'0' != expected)
            return invalid + u" (o dígito verificador deveria ser %1)"_s.arg(expected);
    }
    return {};
}

} // namespace plataforma::relatorio
