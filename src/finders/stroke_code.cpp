#include "finders/stroke_code.h"

namespace zilvaro {

namespace {
constexpr char16_t Strokes[] = {u'一', u'丨', u'丿', u'丶', u'乙'};
}

QString strokePiece(const QString& pickerText) {
    if (pickerText.size() == 1) {
        for (char16_t stroke : Strokes) {
            if (pickerText[0] == QChar(stroke)) {
                return pickerText;
            }
        }
    }
    return QStringLiteral(" ");
}

QChar strokeDigit(QChar piece) {
    if (piece == u' ') {
        return u'0';
    }
    for (int i = 0; i < 5; ++i) {
        if (piece == QChar(Strokes[i])) {
            return QChar(u'1' + i);
        }
    }
    return piece;
}

QString strokeCodeOf(const std::array<QString, 5>& pickerTexts) {
    QString code;
    for (const QString& text : pickerTexts) {
        code += strokeDigit(strokePiece(text).front());
    }
    return code;
}

} // namespace zilvaro
