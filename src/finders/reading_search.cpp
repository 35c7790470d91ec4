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

namespace zilvaro {

namespace {
const QString ReadingSeparator = QStringLiteral("  ");
}

QString readingLine(const QStringList& readings) {
    return readings.join(ReadingSeparator);
}

QString fittingReadingLine(const QStringList& readings,
                           const std::function<bool(const QString&)>& fits) {
    const QString whole = readingLine(readings);
    if (readings.size() < 2 || fits(whole)) {
        return whole;
    }
    for (qsizetype n = readings.size() - 1; n > 1; --n) {
        const QString cut = readingLine(readings.mid(0, n)) + ReadingSeparator + u'…';
        if (fits(cut)) {
            return cut;
        }
    }
    return readings.first() + ReadingSeparator + u'…';
}

} // namespace zilvaro
