#pragma once

#include <QChar>
#include <QString>

#include <array>

namespace zilvaro {

// A stroke picker's text as one position of the stroke pattern: the text itself when
// it is exactly one of the five stroke characters 一 丨 丿 丶 乙, else one blank (no
// stroke): the initial blank, the blank item, an empty text, any other typed text.
QString strokePiece(const QString& pickerText);

// The five-digit stroke code of the five pickers' texts (first to fourth stroke, last
// stroke): each text's piece (strokePiece) as its digit (strokeDigit). A picker left
// blank, or holding anything but one stroke character, gives 0.
QString strokeCodeOf(const std::array<QString, 5>& pickerTexts);

// The digit of one position of the pattern: blank 0, 一 1, 丨 2, 丿 3, 丶 4, 乙 5. Any other
// character is left as it is.
QChar strokeDigit(QChar piece);

} // namespace zilvaro
