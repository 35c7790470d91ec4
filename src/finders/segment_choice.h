#pragma once

#include <QStringView>

namespace zilvaro {

// Which of the five segments of a reference table a finder's query is searched in:
// 1..5, or 0 when the query belongs to no segment and nothing is searched.

// The stroke table's segment of a stroke code: its first digit, the first stroke, "1"
// to "5". A code whose first stroke is not given ("0") or that is empty gives 0.
int strokeSegmentOf(QStringView strokeCode);

// The pinyin table's segment of a query, by its first character: the segment whose
// letters (pinyinSegmentLetters) hold it, exactly and case-sensitively. A capital, a digit, a
// Chinese character or an empty query gives 0.
int pinyinSegmentOf(QStringView query);

} // namespace zilvaro
