#include "finders/segment_hits.h"

namespace zilvaro {

QStringList segmentHits(TableSearch search, QStringView segment, QStringView needle,
                        std::int32_t& cursor) {
    QStringList hits;
    for (;;) {
        TableHit hit = search(segment, needle, cursor);
        if (!hit.found) {
            return hits;
        }
        hits.append(std::move(hit.text));
    }
}

} // namespace zilvaro
