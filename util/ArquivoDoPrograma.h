#pragma once

#include <QString>

namespace util {

// A file that ships with the program, such as "ajuda/index.html" or "exemplos/produtos.csv":
// beside the executable when it is there (a build folder), otherwise in the program's data
// folder under the installation prefix, found from the executable's own folder so that an
// installation moved elsewhere still finds it.
QString arquivoDoPrograma(const QString& relativo, const QString& pastaDoExecutavel);
// The same for the running program.
QString arquivoDoPrograma(const QString& relativo);

} // namespace util
