#include "finders/reading_search.h"

#include "data/table_search.h"
#include "finders/segment_hits.h"

namespace zilvaro {

std::vector<QStringList> readingSearch(const std::array<QString, 5>& segments, QStringView query,
                                       std::int32_t& cursor) {
    std::vector<QStringList> runs;
    for (const QString& segment : segments) {
        runs.push_back(segmentHits(textSearchF, segment, query, cursor));
        if (!runs.back().isEmpty() && !runs.back().back().isEmpty()) {
            break;
        }
    }
    return runs;
}

} // namespace zilvaro
