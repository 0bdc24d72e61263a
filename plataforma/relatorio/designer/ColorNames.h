#pragma once

#include <QColor>
#include <QString>

namespace plataforma::relatorio {

// How a template names a colour the operator picked: the constant of the basic colours
// ("clRed"), or the decimal text of 0x00BBGGRR for any other.
QString colorName(const QColor& color);

} // namespace plataforma::relatorio
