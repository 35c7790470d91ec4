#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QString>

// The pictures the windows carry, compiled in as the resource :/assets.
namespace zilvaro::assets {

inline const QString kBackground = QStringLiteral(":/assets/background.bmp");
inline const QString kNoEntry = QStringLiteral(":/assets/no_entry.bmp");
inline const QString kHandCursor = QStringLiteral(":/assets/hand_cursor.png");
inline const QString kIcon = QStringLiteral(":/assets/icon.png");
inline const QString kBanner = QStringLiteral(":/assets/banner.png");

// The hand cursor points with the tip of its index finger.
inline constexpr QPoint kHandHotSpot{5, 0};

// Number of identification-code pictures, one per key letter (g f d h j k t r e y u i n b
// v l, in this order).
inline constexpr int kIdentificationCodeCount = 16;

// ":/assets/idcode/09.bmp" for index 9. The index must lie in 0..15.
QString identificationCodePath(int index);
// The icon's pictures for desktops, ":/assets/icons/zilvaro-48.png" for 48.
QString iconPath(int size);
// The edge lengths of the desktop icons, besides the 32-pixel icon itself.
// The build sets them (assets/CMakeLists.txt).
inline constexpr int kIconSizes[] = {ZILVARO_ICON_SIZES};

// The sharp version of a picture, for high-DPI screens: ":/assets/background@2x.bmp" for
// ":/assets/background.bmp".
QString sharpPath(const QString& path);

// Loads a picture of the resource; a picture that cannot be loaded is a Failure naming it.
// With scale 2 (see pictureScaleFor) it loads the sharp version, twice as large, with
// device pixel ratio 2, so that it is drawn at the size of the other.
QImage picture(const QString& path, int scale = 1);

// Identification-code picture 0..15, monochrome, at scale 1 or 2; an index outside 0..15
// is a Failure.
QImage identificationCode(int index, int scale = 1);
// The hand cursor, hot spot (5, 0).
QCursor handCursor();
// The program's icon: the 16-colour 32-pixel picture and the desktop sizes.
QIcon icon();

} // namespace zilvaro::assets
