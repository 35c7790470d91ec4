#pragma once

#include <QByteArray>
#include <QString>

namespace zilvaro::tools {

// Writes `bytes` to `path` through a temporary file beside it that is renamed into place
// once it is complete: the path holds either its old content or the whole new one, never
// a part. A failure is a DataError naming the path and the cause.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace zilvaro::tools
