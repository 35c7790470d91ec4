#include "lookup/decomposition_picture.h"

#include "core/failure.h"
#include "core/gbk.h"
#include "core/regular_file.h"
#include "lookup/picture_pack.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sys/stat.h>

namespace zilvaro {

namespace {

std::uint32_t little32(QByteArrayView bytes, int at) {
    return qFromLittleEndian<std::uint32_t>(bytes.data() + at);
}

std::uint16_t little16(QByteArrayView bytes, int at) {
    return qFromLittleEndian<std::uint16_t>(bytes.data() + at);
}

// What the header of a BMP file says about the picture.
struct BmpHeader {
    qint64 width = 0;
    qint64 height = 0;
    qint64 completeSize = 0; // the bytes the file must hold for every pixel to be read
};

constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;     // BITMAPCOREHEADER
constexpr int InfoHeaderSize = 40;     // BITMAPINFOHEADER and its longer versions
constexpr std::uint32_t Rgb = 0;       // BI_RGB: no compression
constexpr std::uint32_t Bitfields = 3; // BI_BITFIELDS: no compression, colour masks

} // namespace

std::optional<BmpRowLayout> bmpRowLayout(QByteArrayView file) {
    if (file.size() < FileHeaderSize + InfoHeaderSize || !file.startsWith("BM") ||
        little32(file, FileHeaderSize) < InfoHeaderSize) {
        return std::nullopt;
    }
    BmpRowLayout layout;
    layout.pixelsAt = little32(file, 10);
    layout.width = static_cast<std::int32_t>(little32(file, 18));
    layout.rows = std::llabs(static_cast<std::int32_t>(little32(file, 22)));
    layout.bitsPerPixel = little16(file, 28);
    layout.compression = little32(file, 30);
    layout.rowBytes = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    return layout;
}

QString decompositionPicturePath(const QString& programDir, QStringView characterText) {
    return QDir(programDir)
        .filePath(QStringLiteral("bmp/") + firstCharacter(characterText) + QStringLiteral(".bmp"));
}

QString sharpPicturePackPath(const QString& programDir) {
    return QDir(programDir).filePath(QString::fromLatin1(SharpPictureFileName));
}

namespace {

// Refuses a picture by the name it is read under.
struct PictureFault {
    QString name;
    [[noreturn]] void operator()(const QString& cause) const {
        throw Failure(QStringLiteral("Cannot read the picture %1: %2").arg(name, cause));
    }
};

// Checks what the first bytes of a BMP file (up to FileHeaderSize + InfoHeaderSize) say
// against the file's size, before anything is decoded, and returns how many bytes the
// picture takes.
qint64 checkedPictureSize(const QByteArray& head, qint64 fileSize, QSize expectedSize,
                          const PictureFault& fail) {
    if (fileSize == 0) {
        fail(QStringLiteral("it is empty"));
    }
    if (head.size() < 2 || !head.startsWith("BM")) {
        fail(QStringLiteral("it is not a BMP picture"));
    }
    if (head.size() < FileHeaderSize + 4) {
        fail(QStringLiteral("it is cut short inside its header"));
    }
    const std::uint32_t dataOffset = little32(head, 10);
    const std::uint32_t headerSize = little32(head, FileHeaderSize);
    BmpHeader header;
    int bitsPerPixel = 0;
    std::uint32_t compression = Rgb;
    std::uint32_t coloursUsed = 0;
    int paletteEntry = 4;
    if (headerSize == CoreHeaderSize) {
        if (head.size() < FileHeaderSize + CoreHeaderSize) {
            fail(QStringLiteral("it is cut short inside its header"));
        }
        header.width = little16(head, 18);
        header.height = little16(head, 20);
        bitsPerPixel = little16(head, 24);
        paletteEntry = 3;
    } else if (headerSize >= InfoHeaderSize && headerSize <= 1024) {
        if (head.size() < FileHeaderSize + InfoHeaderSize) {
            fail(QStringLiteral("it is cut short inside its header"));
        }
        header.width = static_cast<std::int32_t>(little32(head, 18));
        header.height = std::llabs(static_cast<std::int32_t>(little32(head, 22))); // < 0: top down
        bitsPerPixel = little16(head, 28);
        compression = little32(head, 30);
        coloursUsed = little32(head, 46);
    } else {
        fail(QStringLiteral("it is not a BMP picture (its header is %1 bytes long)")
                 .arg(headerSize));
    }
    if (header.width != expectedSize.width() || header.height != expectedSize.height()) {
        fail(QStringLiteral("it is %1 x %2 pixels, not the %3 x %4 of a decomposition picture")
                 .arg(header.width)
                 .arg(header.height)
                 .arg(expectedSize.width())
                 .arg(expectedSize.height()));
    }
    if (compression != Rgb && compression != Bitfields) {
        fail(QStringLiteral("it is a compressed BMP picture, which Zilvaro does not read"));
    }
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        fail(QStringLiteral("it is not a BMP picture (%1 bits a pixel)").arg(bitsPerPixel));
    }

    // Every byte the decoder will read must be there, where the header says: the headers,
    // the colour masks, the palette, and from the pixel-data offset every row of pixels.
    const qint64 rowBytes = (header.width * bitsPerPixel + 31) / 32 * 4;
    qint64 palette = 0;
    if (bitsPerPixel <= 8) {
        // The decoder reads as many entries as the header names, into a colour table
        // that holds only what the bit depth can index: more would be lost (and leave
        // the table short of what the pixels ask for), fewer than two leave the pixels
        // of a one-bit picture without a colour.
        const qint64 depthColours = qint64{1} << bitsPerPixel;
        if (coloursUsed > depthColours || coloursUsed == 1 ||
            (bitsPerPixel == 1 && coloursUsed != 0 && coloursUsed != 2)) {
            fail(QStringLiteral("its colours-used field says %1, where a %2-bit picture has "
                                "%3 colours")
                     .arg(coloursUsed)
                     .arg(bitsPerPixel)
                     .arg(depthColours));
        }
        palette = (coloursUsed != 0 ? coloursUsed : depthColours) * paletteEntry;
    }
    const qint64 masks = compression == Bitfields && headerSize == InfoHeaderSize ? 12 : 0;
    const qint64 pixelsFrom = FileHeaderSize + headerSize + masks + palette;
    if (dataOffset < pixelsFrom) {
        fail(QStringLiteral("its pixel-data offset, %1, lies inside its headers and palette, "
                            "which end at byte %2")
                 .arg(dataOffset)
                 .arg(pixelsFrom));
    }
    header.completeSize = qint64{dataOffset} + rowBytes * header.height;
    if (fileSize < header.completeSize) {
        fail(QStringLiteral("it is cut short: it holds %1 bytes of the %2 its header promises")
                 .arg(fileSize)
                 .arg(header.completeSize));
    }
    return header.completeSize;
}

// Decodes the bytes checkedPictureSize asked for, and refuses a picture that does not
// decode completely.
QImage decodeCheckedPicture(QByteArray bytes, QSize expectedSize, const PictureFault& fail) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    QImage picture = reader.read();
    if (picture.isNull()) {
        fail(QStringLiteral("it is not a picture Zilvaro can read (%1)").arg(reader.errorString()));
    }
    if (picture.size() != expectedSize) {
        fail(QStringLiteral("it decodes to %1 x %2 pixels, not %3 x %4")
                 .arg(picture.width())
                 .arg(picture.height())
                 .arg(expectedSize.width())
                 .arg(expectedSize.height()));
    }
    return picture;
}

} // namespace

QImage loadDecompositionPicture(const QString& path, QSize expectedSize) {
    const PictureFault fail{QDir::toNativeSeparators(path)};
    QFile file(path);
    openRegularFile(file, QStringLiteral("the picture"));
    // The file header and the size fields of the picture header, before anything else.
    const QByteArray head = file.read(FileHeaderSize + InfoHeaderSize);
    const qint64 completeSize = checkedPictureSize(head, file.size(), expectedSize, fail);
    // Only what the picture needs is read, whatever follows it.
    file.seek(0);
    QByteArray bytes = file.read(completeSize);
    if (bytes.size() != completeSize) {
        fail(file.error() != QFileDevice::NoError ? file.errorString()
                                                  : QStringLiteral("it was cut short while read"));
    }
    return decodeCheckedPicture(std::move(bytes), expectedSize, fail);
}

QImage decodeDecompositionPicture(const QByteArray& bmpFile, const QString& name,
                                  QSize expectedSize) {
    const PictureFault fail{name};
    const qint64 completeSize = checkedPictureSize(
        bmpFile.first(std::min<qsizetype>(bmpFile.size(), FileHeaderSize + InfoHeaderSize)),
        bmpFile.size(), expectedSize, fail);
    return decodeCheckedPicture(bmpFile.first(completeSize), expectedSize, fail);
}

int pictureScaleFor(double devicePixelRatio) {
    return devicePixelRatio > 1.0 ? 2 : 1;
}

QImage loadSlotPicture(const QString& programDir, QStringView characterText, int scale) {
    if (scale == 2) {
        // Only sharp pictures that are not there at all are made up for by the other one:
        // anything in the pack's place (a link that loops or leads nowhere, a named pipe)
        // is opened, and refused by name.
        const QString packPath = sharpPicturePackPath(programDir);
        struct stat entry {};
        if (::lstat(QFile::encodeName(packPath).constData(), &entry) == 0) {
            const QString character = firstCharacter(characterText);
            const PicturePack pack(packPath);
            if (const std::optional<QByteArray> file = pack.bmpFile(character.toUcs4().value(0))) {
                QImage sharp = decodeDecompositionPicture(
                    *file,
                    QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(packPath), character),
                    SharpPictureSize);
                sharp.setDevicePixelRatio(2.0);
                return sharp;
            }
        }
    }
    QImage picture = loadDecompositionPicture(decompositionPicturePath(programDir, characterText));
    picture.setDevicePixelRatio(1.0);
    return picture;
}

} // namespace zilvaro
