#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace zilvaro {

// The sixteen key letters that name an identification-code picture, in the pictures'
// order (Image13 index 0..15): for the last stroke's class, horizontal, vertical,
// left-falling, dot and turning, the letters of the left-right, top-bottom and mixed
// structures; then l.
inline constexpr QStringView IdentificationLetters = u"gfdhjktreyuinbvl";

// The identification-code picture named by a key letter of a full code. The letters
// compare exactly: an upper-case letter, a blank or any other character names no picture.
std::optional<int> identificationPictureIndex(QChar letter);

// True for the sixteen letters.
bool isIdentificationLetter(QChar letter);

// The identification letter of a last stroke of the class (1..5) in a character of the
// structure (1 left-right, 2 top-bottom, 3 mixed): g f d, h j k, t r e, y u i, n b v. A
// null QChar outside those ranges.
QChar identificationLetter(int strokeClass, int structure);

// What the identification code of a letter says, as a learner reads it on its slot:
// "识别码 F：上下型，末笔为横" for f; for l, the fixed rule of the five single strokes.
// Empty for a letter that names no picture.
QString identificationMeaning(QChar letter);

} // namespace zilvaro
