#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace zilvaro {

// The pixel sizes of a decomposition picture and of its sharp version for high-DPI
// screens, which draws the same character twice as fine.
inline constexpr QSize DecompositionPictureSize{108, 109};
inline constexpr QSize SharpPictureSize{216, 218};

// The decomposition picture of a character: the file bmp/<character>.bmp in the
// program's folder, the character being the first of characterText (the detail box of
// the character holds it followed by a blank). The name is the character itself, which Qt
// encodes for the file system (UTF-8 on Linux).
QString decompositionPicturePath(const QString& programDir, QStringView characterText);

// The pack of the sharp pictures in the program's folder (see picture_pack.h): each
// character's picture twice as fine, a BMP file of SharpPictureSize.
QString sharpPicturePackPath(const QString& programDir);

// How the pixels of a BMP file with an information header (BITMAPINFOHEADER or a longer
// one) lie: where they start, the picture's width and rows, its bits a pixel, its
// compression and the bytes a row takes, padding included. Nothing when the file is too
// short for those headers or has another header. Only the headers are read: whether the
// file holds every row is the caller's to check.
struct BmpRowLayout {
    qint64 pixelsAt = 0;
    qint64 width = 0;
    qint64 rows = 0; // the height's size: rows are stored bottom up or, if negative, top down
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    qint64 rowBytes = 0;
};
std::optional<BmpRowLayout> bmpRowLayout(QByteArrayView file);

// Reads a decomposition picture, a BMP file of exactly expectedSize pixels. The header is
// read first: a file that is not a regular file, not a BMP picture, of another size, with
// a palette other than its bit depth needs (a one-bit picture has two colours), with its
// pixels said to start inside its headers or palette, or shorter than its header
// promises is refused before anything is decoded, and a picture
// that does not decode completely is refused after. Each is a Failure naming the path and
// the cause.
QImage loadDecompositionPicture(const QString& path, QSize expectedSize = DecompositionPictureSize);

// The same checks on a BMP file held in memory (a picture of the pack), whose failures
// name it as `name`.
QImage decodeDecompositionPicture(const QByteArray& bmpFile, const QString& name,
                                  QSize expectedSize);

// The scale of the pictures for a screen of the given device pixel ratio: 1 at ratio 1
// (or below), 2 above it. At fractional ratios (1.25, 1.5, 1.75) the sharp pictures are
// scaled down smoothly, which keeps every outline even.
int pictureScaleFor(double devicePixelRatio);

// The picture a slot shows at the given scale. At 2 it is the character's sharp picture
// from the pack, with device pixel ratio 2, when the pack exists and holds it, and the
// decomposition picture otherwise (data folders built before the sharp pictures keep
// working); at 1 it is the decomposition picture. A pack that cannot be read, anything in
// its place that is no file (a looping link, a named pipe), a packed picture that is
// damaged or not 216 x 218, and a decomposition picture that cannot be read are Failures.
QImage loadSlotPicture(const QString& programDir, QStringView characterText, int scale);

} // namespace zilvaro
