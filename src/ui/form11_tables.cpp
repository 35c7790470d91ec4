// The table search as the window runs it: each operation keeps its own cursor and
// reports through the found flag Label1bh and the hit text Label2bh.
#include "ui/form11.h"

#include "data/table_search.h"

namespace zilvaro {

void Form11::TextSearch(const QString& segment, const QString& needle) {
    reportTableHit(textSearch(segment, needle, TextSearchCursor));
}

void Form11::TextSearchf(const QString& segment, const QString& needle) {
    reportTableHit(textSearchF(segment, needle, TextSearchfCursor));
}

void Form11::reportTableHit(const TableHit& hit) {
    if (!hit.found) {
        Label1bh.set(QStringLiteral("0")); // the hit text keeps the last hit
        return;
    }
    Label1bh.set(QStringLiteral("1"));
    Label2bh.set(hit.text);
}

void Form11::listSegmentIntoStrip(const QString& segment, const WatchedText& query) {
    setText6(QString());
    for (;;) {
        TextSearch(segment, query.text());
        if (Label1bh.text() != QLatin1String("1")) {
            return;
        }
        setText6(text6() + Label2bh.text() + u' ');
    }
}

} // namespace zilvaro
