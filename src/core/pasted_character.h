#pragma once

#include <QString>
#include <QStringView>

namespace zilvaro {

// The character a paste looks up: the first Chinese (Han) character of the pasted text,
// so that a sentence, a phrase with punctuation or a line with blanks around it looks up
// its first character. Without one, the first character that is not a blank, a line
// break, punctuation or an invisible formatting character (a Latin letter, a digit, a
// symbol), which the lookup then reports as having no entry, as if it had been typed.
// Empty when the text holds nothing else.
QString characterToLookUpIn(QStringView pasted);

} // namespace zilvaro
