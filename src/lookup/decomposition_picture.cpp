#include "lookup/decomposition_picture.h"

#include "core/failure.h"
#include "core/gbk.h"

#include <QDir>
#include <QImageReader>

namespace zilvaro {

QString decompositionPicturePath(const QString& programDir, QStringView characterText) {
    return QDir(programDir)
        .filePath(QStringLiteral("bmp/") + firstCharacter(characterText) + QStringLiteral(".bmp"));
}

QImage loadDecompositionPicture(const QString& path) {
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        throw Failure(QStringLiteral("Cannot read the picture %1: %2")
                          .arg(QDir::toNativeSeparators(path), reader.errorString()));
    }
    return picture;
}

} // namespace zilvaro
