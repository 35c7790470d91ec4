#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace zilvaro {

// The two searches over one segment text of the reference tables. Each call finds the
// next occurrence of the needle after the positions already passed (the search's own
// cursor) and moves the cursor past the matching row; a caller enumerates every matching
// row by calling the same search until it misses.
//
// Positions are counted in characters of the decoded segment text, 1-based. Every
// character of the tables lies in the Basic Multilingual Plane, so one UTF-16 unit is
// one position.
//
// The cursor counts the positions already passed. A miss puts it back to 0, so after a
// complete enumeration the next one, on any segment, starts at the beginning.

struct TableHit {
    // True on a hit. On a miss the caller keeps the hit text it showed last; text is then
    // empty and means nothing.
    bool found = false;
    QString text;
};

// Reports the one position just before the match: in a stroke or pinyin row searched by
// its code or padded syllable, the row's character. Leaves the cursor on the LF that ends
// the matching row.
TableHit textSearch(QStringView segment, QStringView needle, std::int32_t& cursor);

// Reports the six positions after the first position of the match (fewer at the end of
// the text): for a character needle, the syllable field of its pinyin row. Leaves the
// cursor on the LF that ends the row of a one-character needle.
TableHit textSearchF(QStringView segment, QStringView needle, std::int32_t& cursor);

} // namespace zilvaro
