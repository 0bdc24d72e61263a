#pragma once

#include <QString>

namespace modelos {

// Writes the built-in template of a template id to a ".rtm" file, replacing
// the file if it exists. An id without a template writes nothing and says
// nothing. The file is replaced only once every byte is on disk, so a failed
// write leaves an existing file as it was; the failure is raised as a
// plataforma::Exception naming the file's full path and the reason.
void SalvarModelo(int id, const QString& arquivo);

} // namespace modelos
