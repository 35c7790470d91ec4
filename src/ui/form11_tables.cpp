// The table search as the window runs it: each operation keeps its own cursor and
// reports through the found flag Label1bh and the hit text Label2bh.
#include "ui/form11.h"

#include "data/table_search.h"

namespace zilvaro {

void Form11::TextSearch(const QString& segment, const QString& needle) {
    const TableHit hit = textSearch(segment, needle, TextSearchCursor);
    if (!hit.found) {
        Label1bh.set(QStringLiteral("0"));
        return;
    }
    Label1bh.set(QStringLiteral("1"));
    Label2bh.set(hit.text);
}

void Form11::TextSearchf(const QString& segment, const QString& needle) {
    const TableHit hit = textSearchF(segment, needle, TextSearchfCursor);
    if (!hit.found) {
        Label1bh.set(QStringLiteral("0"));
        return;
    }
    Label1bh.set(QStringLiteral("1"));
    Label2bh.set(hit.text);
}

} // namespace zilvaro
