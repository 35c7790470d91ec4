#pragma once

#include <QFont>
#include <QStringList>

namespace zilvaro {

// The family names every font of the windows asks for, in order: "宋体" (SimSun, with the
// GB2312 character set) first, then the Song-style CJK serif fonts found on other
// systems, so that Chinese text renders everywhere and keeps the Song style.
QStringList songFamilies();

// "宋体" at the given point size; bold means weight 700, otherwise weight 400.
QFont songFont(double pointSize, bool bold = false, bool underline = false);

} // namespace zilvaro
