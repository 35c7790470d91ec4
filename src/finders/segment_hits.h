#pragma once

#include "data/table_search.h"

#include <QStringList>
#include <QStringView>

#include <cstdint>

namespace zilvaro {

// One of the two table searches: textSearch (the character of each matching row) or
// textSearchF (the reading after each matching character).
using TableSearch = TableHit (*)(QStringView segment, QStringView needle, std::int32_t& cursor);

// Every hit of a table search over one segment, in row order: the search called from
// the cursor over and over until it misses. The miss leaves the cursor at 0. A hit
// may report empty text (a match in the segment's first column) and is listed all the
// same.
QStringList segmentHits(TableSearch search, QStringView segment, QStringView needle,
                        std::int32_t& cursor);

} // namespace zilvaro
