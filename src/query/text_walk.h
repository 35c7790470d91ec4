#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace zilvaro::query {

// The Chinese characters of a text, in order, each as its own string (a character beyond
// the Basic Multilingual Plane takes two UTF-16 units). Blanks, Latin letters, digits,
// punctuation and symbols are skipped, and so are lone surrogates.
std::vector<QString> chineseCharacters(QStringView text);

// Whether the code point is a Chinese character (of the Han script).
bool isChineseCharacter(char32_t codePoint);

} // namespace zilvaro::query
