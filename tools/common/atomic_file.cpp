#include "atomic_file.h"

#include "data_error.h"

#include <QSaveFile>

namespace zilvaro::tools {

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw DataError(path, 0, QStringLiteral("cannot be written (%1)").arg(file.errorString()));
}

} // namespace zilvaro::tools
