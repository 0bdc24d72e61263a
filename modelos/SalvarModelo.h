#pragma once

#include <QString>

namespace modelos {

// Writes the built-in template of a template id to a ".rtm" file the way
// plataforma::replaceFile does: an existing file is replaced only once every
// byte is on disk, links and devices are kept, and a failure is raised as a
// plataforma::Exception naming the file's full path and the reason. An id
// without a template writes nothing and says nothing.
void SalvarModelo(int id, const QString& arquivo);

} // namespace modelos
