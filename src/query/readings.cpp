#include "query/readings.h"

#include "data/reference_tables.h"

namespace zilvaro::query {

QHash<QString, QStringList> readingsByCharacter() {
    // Rows of the character, its syllable padded to six columns, CR LF; the row of blanks
    // that ends each segment has no character.
    QHash<QString, QStringList> readings;
    for (int n = 1; n <= TableSegmentCount; ++n) {
        for (const QStringView row : QStringView(pinyinSegment(n)).split(u"\r\n")) {
            if (row.size() < 2 || row[0] == u' ') {
                continue;
            }
            const QString syllable = row.sliced(1).trimmed().toString();
            QStringList& list = readings[row.first(1).toString()];
            if (!syllable.isEmpty() && !list.contains(syllable)) {
                list.append(syllable);
            }
        }
    }
    return readings;
}

} // namespace zilvaro::query
