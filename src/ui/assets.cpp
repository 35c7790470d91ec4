#include "ui/assets.h"

#include "core/failure.h"
#include "ui/file_icon_engine.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <memory>

namespace zilvaro::assets {

QString identificationCodePath(int index) {
    if (index < 0 || index >= kIdentificationCodeCount) {
        throw Failure(QStringLiteral("no identification-code picture number %1").arg(index));
    }
    return QStringLiteral(":/assets/idcode/%1.bmp").arg(index, 2, 10, QLatin1Char('0'));
}

QString iconPath(int size) {
    return QStringLiteral(":/assets/icons/zilvaro-%1.png").arg(size);
}

QString sharpPath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.first(dot) + QStringLiteral("@2x") + path.sliced(dot);
}

QImage picture(const QString& path, int scale) {
    const QString file = scale == 2 ? sharpPath(path) : path;
    // Every picture is one of Qt's own BMP or PNG files, named by its suffix. With
    // detection off the reader goes straight to that decoder; left on, it first loads
    // every image plugin on the system to ask each whether it reads the format.
    QImageReader reader(file, QFileInfo(file).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) {
        throw Failure(QStringLiteral("cannot load the picture %1").arg(file));
    }
    image.setDevicePixelRatio(scale == 2 ? 2.0 : 1.0);
    return image;
}

QImage identificationCode(int index, int scale) {
    return picture(identificationCodePath(index), scale);
}

QCursor handCursor() {
    return QCursor(QPixmap::fromImage(picture(kHandCursor)), kHandHotSpot.x(), kHandHotSpot.y());
}

QIcon icon() {
    auto engine = std::make_unique<FileIconEngine>();
    auto add = [&](const QString& path, QSize size) {
        if (!QFile::exists(path)) {
            throw Failure(QStringLiteral("cannot load the picture %1").arg(path));
        }
        engine->addFile(path, size);
    };
    add(kIcon, QSize(32, 32));
    for (int size : kIconSizes) {
        add(iconPath(size), QSize(size, size));
    }
    return QIcon(engine.release());
}

} // namespace zilvaro::assets
