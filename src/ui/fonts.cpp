#include "ui/fonts.h"

namespace zilvaro {

QStringList songFamilies() {
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

QFont songFont(double pointSize, bool bold, bool underline) {
    QFont font;
    font.setFamilies(songFamilies());
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(underline);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace zilvaro
