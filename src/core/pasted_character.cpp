#include "core/pasted_character.h"

#include <QChar>

namespace zilvaro {

namespace {

bool isSkipped(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate: // a lone half of a pair is no character
    case QChar::Other_NotAssigned:
        return true;
    default:
        return QChar::isSpace(c) || QChar::isPunct(c);
    }
}

} // namespace

QString characterToLookUpIn(QStringView pasted) {
    QString fallback;
    for (qsizetype i = 0; i < pasted.size();) {
        char32_t c = pasted[i].unicode();
        qsizetype units = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < pasted.size() && pasted[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(pasted[i], pasted[i + 1]);
            units = 2;
        }
        if (QChar::script(c) == QChar::Script_Han && !isSkipped(c)) {
            return pasted.mid(i, units).toString();
        }
        if (fallback.isEmpty() && !isSkipped(c)) {
            fallback = pasted.mid(i, units).toString();
        }
        i += units;
    }
    return fallback;
}

} // namespace zilvaro
