#include "ui/fonts.h"

namespace zilvaro {

namespace {

QFont font(const QStringList& families, double pointSize, bool bold, bool underline) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(underline);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace

QStringList chineseSongFamilies() {
    return {
        QStringLiteral("宋体"),
        QStringLiteral("SimSun"),
        QStringLiteral("NSimSun"),
        QStringLiteral("AR PL UMing CN"),
        QStringLiteral("AR PL UMing TW"),
        QStringLiteral("AR PL UMing HK"),
        QStringLiteral("AR PL SungtiL GB"),
        QStringLiteral("Noto Serif CJK SC"),
        QStringLiteral("Source Han Serif SC"),
        QStringLiteral("Songti SC"),
        QStringLiteral("STSong"),
    };
}

QStringList songFamilies() {
    // DejaVu Serif (Debian's fonts-dejavu-core) is drawn for the screen: down to 9 pt its
    // l has a flat top serif and rises above the digits, its 1 has a flag and its I
    // serifs on both sides.
    return QStringList{QStringLiteral("DejaVu Serif")} + chineseSongFamilies();
}

QFont songFont(double pointSize, bool bold, bool underline) {
    return font(songFamilies(), pointSize, bold, underline);
}

QFont chineseOnlySongFont(double pointSize) {
    return font(chineseSongFamilies(), pointSize, false, false);
}

} // namespace zilvaro
