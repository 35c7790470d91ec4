#pragma once

#include <QImage>
#include <QString>
#include <QStringView>

namespace zilvaro {

// The decomposition picture of a character: the file bmp/<character>.bmp in the
// program's folder, the character being the first of characterText (the detail box of
// the character holds it followed by a blank). The name is the character itself, which
// Qt encodes for the file system (UTF-8 on Linux).
QString decompositionPicturePath(const QString& programDir, QStringView characterText);

// Reads a decomposition picture. A missing, unreadable or empty file is a Failure that
// names the path.
QImage loadDecompositionPicture(const QString& path);

} // namespace zilvaro
