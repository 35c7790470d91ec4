#pragma once

#include <QString>

#include <optional>

namespace zilvaro {

// A typed or picked syllable as the pinyin query: padded with blanks to the six
// columns of the table's reading field, so that it matches only a whole field ("an"
// must not match "ban" or "ang"). A text of seven or more characters gives no query.
std::optional<QString> paddedSyllable(const QString& trimmedText);

// The pinyin table segment (1..5) whose letter group holds the character, exactly and
// case-sensitively: "abcde", "fghijk", "lmnopq", "rstuvwx", "yz". 0 when none does.
int pinyinSegmentOf(QChar initial);

} // namespace zilvaro
