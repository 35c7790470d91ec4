#include "query/text_walk.h"

#include <QChar>

namespace zilvaro::query {

bool isChineseCharacter(char32_t codePoint) {
    return QChar::script(codePoint) == QChar::Script_Han;
}

std::vector<QString> chineseCharacters(QStringView text) {
    std::vector<QString> characters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        qsizetype units = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        } else if (text[i].isSurrogate()) {
            continue;
        }
        if (isChineseCharacter(codePoint)) {
            characters.push_back(text.sliced(i, units).toString());
        }
        i += units - 1;
    }
    return characters;
}

} // namespace zilvaro::query
