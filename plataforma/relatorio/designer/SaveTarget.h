#pragma once

#include <QString>

namespace plataforma::relatorio {

// Whether Save can write to a template's file name as it stands, or must ask for a name: it
// must be an absolute path of this system, in a folder that exists, to a file that is missing
// or writable. A template saved on another computer names a path ("C:\Etiquetas\...") that is
// none of these here.
bool canSaveTo(const QString& fileName);

} // namespace plataforma::relatorio
