// The table searches as the window runs them: a finder lists a segment's hits, and the
// window writes them one at a time through the found flag Label1bh and the hit text
// Label2bh, as each search step reports them.
#include "ui/form11.h"

#include "data/table_search.h"
#include "finders/segment_hits.h"
#include "ui/caret_boxes.h"

namespace zilvaro {

void Form11::reportTableHit(const QString& hit) {
    Label1bh.set(QStringLiteral("1"));
    Label2bh.set(hit);
}

void Form11::reportTableMiss() {
    Label1bh.set(QStringLiteral("0")); // the hit text keeps the last hit
}

void Form11::runSegment(const SegmentRuns& runs, int segment) {
    if (segment >= 1 && segment <= static_cast<int>(runs.size())) {
        (this->*runs[segment - 1])();
    }
}

void Form11::listSegmentIntoStrip(const QString& segment, const WatchedText& query) {
    setText6(QString());
    for (const QString& hit : segmentHits(textSearch, segment, query.text(), TextSearchCursor)) {
        reportTableHit(hit);
        setText6(text6() + Label2bh.text() + u' ');
    }
    reportTableMiss();
    // A search that found nothing says so in the empty strip; the words are no text of
    // the strip, which stays empty for every handler that reads it.
    Text6->setPlaceholderText(text6().isEmpty() ? QStringLiteral("没有找到汉字") : QString());
}

} // namespace zilvaro
