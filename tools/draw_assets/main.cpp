// Draws the pictures of Zilvaro's windows and writes them into the folder given on the
// command line. Each file is written to a temporary file first and renamed into place,
// so an interrupted run never leaves a half-written picture.

#include "common/atomic_file.h"
#include "common/data_error.h"
#include "drawing.h"

#include <QBuffer>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <functional>

namespace {

bool writeImage(const QString& path, const QImage& image, const char* format) {
    if (image.isNull()) {
        std::fprintf(stderr, "draw_assets: nothing drawn for %s\n", qPrintable(path));
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        std::fprintf(stderr, "draw_assets: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    try {
        zilvaro::tools::writeFileAtomically(path, bytes);
    } catch (const zilvaro::tools::DataError& e) {
        std::fprintf(stderr, "draw_assets: %s\n", qPrintable(e.message()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // The pictures need fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_assets <output folder>\n");
        return 2;
    }
    // Without its fonts the pictures would silently come out in some other typeface.
    bool fontsFound = true;
    for (const char* needed : {"AR PL UMing CN", "Z003", "DejaVu Serif"}) {
        if (!QFontDatabase::hasFamily(QString::fromLatin1(needed))) {
            std::fprintf(stderr,
                         "draw_assets: the font \"%s\" is not installed (Debian packages "
                         "fonts-arphic-uming, fonts-urw-base35, fonts-dejavu-core)\n",
                         needed);
            fontsFound = false;
        }
    }
    if (!fontsFound) {
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("idcode")) || !out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "draw_assets: cannot create folders in %s\n", argv[1]);
        return 1;
    }
    using namespace draw_assets;
    bool ok = true;
    auto put = [&](const QString& name, const QImage& image, const char* format) {
        ok = writeImage(out.filePath(name), image, format) && ok;
    };
    put(QStringLiteral("background.bmp"), drawBackground(), "bmp");
    put(QStringLiteral("background@2x.bmp"), drawBackground(2), "bmp");
    put(QStringLiteral("no_entry.bmp"), drawNoEntry(), "bmp");
    put(QStringLiteral("no_entry@2x.bmp"), drawNoEntry(2), "bmp");
    put(QStringLiteral("hand_cursor.png"), drawHandCursor(), "png");
    put(QStringLiteral("icon.png"), drawIcon16Colours(), "png");
    for (int size : {ZILVARO_ICON_SIZES}) {
        put(QStringLiteral("icons/zilvaro-%1.png").arg(size), drawIcon(size), "png");
    }
    for (int index = 0; index < 16; ++index) {
        put(QStringLiteral("idcode/%1.bmp").arg(index, 2, 10, QLatin1Char('0')),
            drawIdentificationCode(index), "bmp");
        put(QStringLiteral("idcode/%1@2x.bmp").arg(index, 2, 10, QLatin1Char('0')),
            drawIdentificationCode(index, 2), "bmp");
    }
    put(QStringLiteral("banner.png"), drawBanner(), "png");
    return ok ? 0 : 1;
}
