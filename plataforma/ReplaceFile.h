#pragma once

#include <QByteArrayView>
#include <QString>

namespace plataforma {

// Makes bytes the contents of the file at path, the one way every export and save writes.
// - A new or ordinary file is replaced whole: a new file is written beside it and renamed over
//   it once every byte is on disk.
// - A symbolic link is followed; its target is replaced and the link stays.
// - A file with more than one hard link, or in a folder where no new file can be created while
//   the file itself is writable, is written in place, so the other names and the folder stay.
// - A FIFO or a device (a printer port, /dev/stdout) is written straight into, never replaced.
// - A folder is refused.
// Every failure throws the file-creation Exception with the absolute path and the system's
// reason, and leaves an existing file as it was: in place, the file first grows to its new
// size, and that growth is cut back if it fails.
void replaceFile(const QString& path, QByteArrayView bytes);

} // namespace plataforma
