#pragma once

#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace zilvaro {

// The search of the reverse pinyin lookup: the reading of a character (the query, as a
// rule one character) in the five segments of the pinyin table. The segments are
// searched in order 1 to 5, each one whole (textSearchF from the cursor until it
// misses), and the search stops after the first segment whose last reading is not
// empty. Returns one entry per segment searched, in segment order: the readings found
// there, in row order. The reading to show is the last one of the last entry; a query
// no row holds gives five empty entries.
std::vector<QStringList> readingSearch(const std::array<QString, 5>& segments, QStringView query,
                                       std::int32_t& cursor);

} // namespace zilvaro

namespace zilvaro {

// The pinyin line of a character: its readings with tone marks, joined by two blanks
// (行 "xíng  háng  héng").
QString readingLine(const QStringList& readings);

// The same line cut to what fits: the most readings, from the first, whose line `fits`,
// followed by two blanks and "…" when some are left out, and at the least the first
// reading with the ellipsis. The whole line when it fits.
QString fittingReadingLine(const QStringList& readings,
                           const std::function<bool(const QString&)>& fits);

} // namespace zilvaro
