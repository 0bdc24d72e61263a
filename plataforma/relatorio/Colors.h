#pragma once

#include <QColor>
#include <QStringView>

namespace plataforma::relatorio {

// The colour a template names: a constant such as "clBlack", "clWindowText" or "clNavy", or the
// decimal text of a numeric colour (0x00BBGGRR, or a system colour with the high bit set).
// System colours take the usual desktop values (window text black, window white). A name the
// engine does not know is black, so that text never vanishes.
QColor colorFromName(QStringView name);

} // namespace plataforma::relatorio
