#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringView>

namespace zilvaro {

// The size of every decomposition picture, in pixels.
constexpr QSize DecompositionPictureSize(108, 109);

// The decomposition picture of a character: the file bmp/<character>.bmp in the
// program's folder, the character being the first of characterText (the detail box of
// the character holds it followed by a blank). The name is the character itself, which
// Qt encodes for the file system (UTF-8 on Linux).
QString decompositionPicturePath(const QString& programDir, QStringView characterText);

// Reads a decomposition picture, a BMP file of exactly expectedSize pixels. The header is
// read first: a file that is not a regular file, not a BMP picture, of another size, or
// shorter than its header promises is refused before anything is decoded, and a picture
// that does not decode completely is refused after. Each is a Failure naming the path and
// the cause.
QImage loadDecompositionPicture(const QString& path, QSize expectedSize = DecompositionPictureSize);

} // namespace zilvaro
