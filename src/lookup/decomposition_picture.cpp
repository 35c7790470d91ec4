#include "lookup/decomposition_picture.h"

#include "core/failure.h"
#include "core/gbk.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace zilvaro {

QString decompositionPicturePath(const QString& programDir, QStringView characterText, int scale) {
    const QString suffix = scale == 2 ? QStringLiteral("@2x.bmp") : QStringLiteral(".bmp");
    return QDir(programDir)
        .filePath(QStringLiteral("bmp/") + firstCharacter(characterText) + suffix);
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

int pictureScaleFor(double devicePixelRatio) {
    return devicePixelRatio > 1.0 ? 2 : 1;
}

QImage loadSlotPicture(const QString& programDir, QStringView characterText, int scale) {
    if (scale == 2) {
        const QString sharpPath = decompositionPicturePath(programDir, characterText, 2);
        if (QFileInfo::exists(sharpPath)) {
            QImage sharp = loadDecompositionPicture(sharpPath);
            if (sharp.size() != SharpPictureSize) {
                throw Failure(QStringLiteral("The picture %1 is %2 x %3 pixels, not %4 x %5")
                                  .arg(QDir::toNativeSeparators(sharpPath))
                                  .arg(sharp.width())
                                  .arg(sharp.height())
                                  .arg(SharpPictureSize.width())
                                  .arg(SharpPictureSize.height()));
            }
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    QImage picture = loadDecompositionPicture(decompositionPicturePath(programDir, characterText));
    picture.setDevicePixelRatio(1.0);
    return picture;
}

} // namespace zilvaro
