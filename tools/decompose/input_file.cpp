#include "input_file.h"

#include "data_error.h"

#include <QFile>

namespace zilvaro::decompose {

QByteArray readInputFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(path, 0, QStringLiteral("cannot be read"));
    return file.readAll();
}

QString readUtf8InputFile(const QString& path) {
    return QString::fromUtf8(readInputFile(path));
}

} // namespace zilvaro::decompose
