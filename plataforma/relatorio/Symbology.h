#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace plataforma::relatorio {

// A bar-code kind that we can print, as a template names it.
struct Symbology {
    QLatin1StringView typeName;    // the template's identifier, "bcEAN_13"
    QLatin1StringView displayName; // what operators read, "EAN-13"
    int zintId;
    // Retail codes have a fixed number of digits, the last one a check digit; zero for the
    // others, whose data libzint judges on its own.
    int digits;
};

// The symbology named by a template's bar-code type identifier, or null when we cannot print it.
const Symbology* findSymbology(QStringView typeName);

// Why data cannot be a retail code of the symbology's length, or an empty text when it can.
// Retail data must be checked before libzint sees it: given fewer digits, libzint would quietly
// print a shorter symbology or an add-on instead of refusing.
QString retailDataProblem(const Symbology& symbology, QStringView data);

} // namespace plataforma::relatorio
