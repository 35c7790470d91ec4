#pragma once

#include <QFont>
#include <QStringList>

namespace zilvaro {

// The family names every font of the windows asks for, in order: a Latin serif whose l, 1
// and I differ at every size the windows use (the Song fonts of Linux systems draw the
// three alike at small sizes, so a code such as ggll would read gg11), then "宋体"
// (SimSun, with the GB2312 character set) and the Song-style CJK serif fonts found on
// other systems. The Latin face has no Chinese characters, so Chinese text, its
// punctuation included, keeps the Song style.
QStringList songFamilies();

// The Song families alone, without the Latin face.
QStringList chineseSongFamilies();

// "宋体" at the given point size, Latin letters and digits from the Latin face; bold
// means weight 700, otherwise weight 400.
QFont songFont(double pointSize, bool bold = false, bool underline = false);

// "宋体" alone, weight 400, for a text made only of Chinese characters and blanks (the
// result strip): its blanks and its line height are the Song font's, so such a text keeps
// the grid of a character and a half-width blank.
QFont chineseOnlySongFont(double pointSize);

} // namespace zilvaro
