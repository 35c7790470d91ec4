// The two table searches over arbitrary segment text and needles, enumerated as the
// finders enumerate them: every hit moves the cursor on, and a miss ends the run.
//
// Input: one byte choosing the search, one byte giving the needle's length in bytes, the
// needle, then the segment; both texts UTF-8.
#include "data/table_search.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>

using namespace zilvaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const bool following = data[0] & 1;
    const std::size_t needleBytes = std::min<std::size_t>(data[1], size - 2);
    const QString needle = QString::fromUtf8(reinterpret_cast<const char*>(data + 2),
                                             static_cast<qsizetype>(needleBytes));
    const QString segment = QString::fromUtf8(reinterpret_cast<const char*>(data + 2 + needleBytes),
                                              static_cast<qsizetype>(size - 2 - needleBytes));

    std::int32_t cursor = static_cast<std::int32_t>(data[0] >> 1) - 8; // also below zero
    qsizetype hits = 0;
    for (;;) {
        const std::int32_t before = cursor;
        const TableHit hit =
            following ? textSearchF(segment, needle, cursor) : textSearch(segment, needle, cursor);
        if (!hit.found) {
            FUZZ_CHECK(cursor == 0);
            FUZZ_CHECK(hit.text.isEmpty());
            break;
        }
        ++hits;
        // A hit always moves the cursor forward, so every enumeration ends.
        FUZZ_CHECK(before >= 0 && cursor > before);
        FUZZ_CHECK(hit.text.size() <= (following ? 6 : 1));
        FUZZ_CHECK(segment.contains(needle));
        FUZZ_CHECK(hits <= segment.size());
    }
    return 0;
}
