#include "data/table_search.h"

namespace zilvaro {

namespace {

// The 1-based position in the segment where the next match after the cursor begins, or 0.
// A cursor at or beyond the end leaves nothing to search. An empty needle finds nothing:
// it would otherwise "match" everywhere without consuming any text.
qsizetype nextMatch(QStringView segment, QStringView needle, std::int32_t cursor) {
    if (needle.isEmpty() || cursor < 0 || cursor >= segment.size()) {
        return 0;
    }
    const qsizetype index = segment.indexOf(needle, cursor);
    return index < 0 ? 0 : index + 1;
}

// A cursor moved forward past a match stays within a signed 32-bit count; a segment is
// far shorter, so this only guards against misuse with huge texts.
std::int32_t clampedCursor(qsizetype value) {
    return value > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(value);
}

} // namespace

TableHit textSearch(QStringView segment, QStringView needle, std::int32_t& cursor) {
    const qsizetype start = nextMatch(segment, needle, cursor);
    if (start == 0) {
        cursor = 0;
        return {};
    }
    // The column just before the match is position start - 1 (index start - 2). A match
    // at the very first position has no column before it and reports empty text.
    const qsizetype before = start - 1;
    TableHit hit{true, before >= 1 ? segment.mid(before - 1, 1).toString() : QString()};
    cursor = clampedCursor(before + needle.size() + 2);
    return hit;
}

TableHit textSearchF(QStringView segment, QStringView needle, std::int32_t& cursor) {
    const qsizetype start = nextMatch(segment, needle, cursor);
    if (start == 0) {
        cursor = 0;
        return {};
    }
    // Positions start + 1 to start + 6, or as many as remain.
    const qsizetype after = start + 1;
    TableHit hit{true, segment.mid(after - 1, 6).toString()};
    cursor = clampedCursor(after + needle.size() + 6);
    return hit;
}

} // namespace zilvaro
