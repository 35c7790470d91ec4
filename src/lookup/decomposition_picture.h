#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringView>

namespace zilvaro {

// The pixel sizes of a decomposition picture and of its sharp version for high-DPI
// screens, which draws the same character twice as fine.
inline constexpr QSize DecompositionPictureSize{108, 109};
inline constexpr QSize SharpPictureSize{216, 218};

// The decomposition picture of a character: the file bmp/<character>.bmp in the
// program's folder, the character being the first of characterText (the detail box of
// the character holds it followed by a blank). With scale 2, the sharp picture
// bmp/<character>@2x.bmp. The name is the character itself, which Qt encodes for the
// file system (UTF-8 on Linux).
QString decompositionPicturePath(const QString& programDir, QStringView characterText,
                                 int scale = 1);

// Reads a decomposition picture, a BMP file of exactly expectedSize pixels. The header is
// read first: a file that is not a regular file, not a BMP picture, of another size, with
// a palette other than its bit depth needs (a one-bit picture has two colours), with its
// pixels said to start inside its headers or palette, or shorter than its header
// promises is refused before anything is decoded, and a picture
// that does not decode completely is refused after. Each is a Failure naming the path and
// the cause.
QImage loadDecompositionPicture(const QString& path, QSize expectedSize = DecompositionPictureSize);

// The scale of the pictures for a screen of the given device pixel ratio: 1 at ratio 1
// (or below), 2 above it. At fractional ratios (1.25, 1.5, 1.75) the sharp pictures are
// scaled down smoothly, which keeps every outline even.
int pictureScaleFor(double devicePixelRatio);

// The picture a slot shows at the given scale. At 2 it is the sharp picture, with device
// pixel ratio 2, when its file exists, and the decomposition picture otherwise (data
// folders built before the sharp pictures keep working); at 1 it is the decomposition
// picture. A sharp picture that cannot be read or is not 216 x 218 is a Failure, as is
// anything in its place that is no file (a looping link, a named pipe), and a
// decomposition picture that cannot be read.
QImage loadSlotPicture(const QString& programDir, QStringView characterText, int scale);

} // namespace zilvaro
