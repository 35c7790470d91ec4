#pragma once

#include <QFile>
#include <QString>

#include <sys/types.h>

namespace zilvaro {

// Opens file (its name already set) for reading, only when it is a regular file: a named
// pipe, a device, a socket or a folder is a Failure naming the path, and the open never
// waits on one. `what` names the file for the message ("the record file", "the
// picture"). A failure says why in plain words: the file does not exist, permission is
// denied, it is not a regular file (and what it is instead).
void openRegularFile(QFile& file, const QString& what);

// What a file of this type (an st_mode of stat or lstat) is, as a message says it: "a
// symbolic link", "a folder", "a named pipe", "a device", "a socket", "a regular file".
QString fileKindOf(mode_t mode);

// "Cannot open <what> <path>: <cause>", the message of a file that cannot be read.
QString cannotOpenMessage(const QString& what, const QString& path, const QString& cause);

} // namespace zilvaro
