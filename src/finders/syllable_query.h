#pragma once

#include <QString>

#include <optional>

namespace zilvaro {

// A syllable as typed, in the spelling of the pinyin table: folded to lower case (ZHONG
// and Zhong are zhong), and the ways people type the u of lü, nü, lüe and nüe (v or ü:
// lv, nv, lve, nve, lü, nü, lüe, nüe) written u, as the table writes it. Blanks around
// the syllable stay where they are; any other text is only folded to lower case.
QString foldedSyllable(const QString& typed);

// A typed or picked syllable as the pinyin query: padded with blanks to the six
// columns of the table's reading field, so that it matches only a whole field ("an"
// must not match "ban" or "ang"). A text of seven or more characters gives no query.
std::optional<QString> paddedSyllable(const QString& trimmedText);

} // namespace zilvaro
