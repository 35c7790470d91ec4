#include "finders/stroke_code.h"

#include "data/single_strokes.h"

namespace zilvaro {

QString strokePiece(const QString& pickerText) {
    if (pickerText.size() == 1 && SingleStrokes.contains(pickerText[0])) {
        return pickerText;
    }
    return QStringLiteral(" ");
}

QChar strokeDigit(QChar piece) {
    if (piece == u' ') {
        return u'0';
    }
    const qsizetype index = SingleStrokes.indexOf(piece);
    return index < 0 ? piece : QChar(char16_t(u'1' + index));
}

QString strokeCodeOf(const std::array<QString, 5>& pickerTexts) {
    QString code;
    for (const QString& text : pickerTexts) {
        code += strokeDigit(strokePiece(text).front());
    }
    return code;
}

} // namespace zilvaro
