// The table generator's readers and builders, on small inputs.

#include "sources.h"
#include "table_builder.h"
#include "tools_common_files.h"

#include <bzlib.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using namespace make_tables;
using ::testing::HasSubstr;

namespace {

class Files : public test::InputFiles {
protected:
    QString writeBzip2(const QString& name, const QByteArray& text) {
        QByteArray packed(text.size() + 1024, '\0');
        unsigned size = static_cast<unsigned>(packed.size());
        EXPECT_EQ(BZ2_bzBuffToBuffCompress(packed.data(), &size, const_cast<char*>(text.data()),
                                           static_cast<unsigned>(text.size()), 9, 0, 0),
                  BZ_OK);
        packed.truncate(size);
        return write(name, packed);
    }
};

using test::failure;

Gb2312Character gb(const char* character, unsigned code) {
    return {QString::fromUtf8(character), code};
}

const QStringList someSyllables = {"a", "dang", "cheng", "m", "wu", "le", "liao", "ng", "shui"};

} // namespace

TEST(StrokeClasses, CodeHoldsFirstFourAndLastOrPadsWithZero) {
    EXPECT_EQ(strokeCode({1}), "10000");
    EXPECT_EQ(strokeCode({1, 1, 1, 2}), "11120");
    EXPECT_EQ(strokeCode({1, 1, 2, 1, 4}), "11214");
    EXPECT_EQ(strokeCode({2, 5, 2, 3, 3, 5, 4, 1, 2, 2}), "25232");
}

TEST(Readings, PlainReadingDropsTonesAndWritesUmlautAsU) {
    EXPECT_EQ(plainReading("lǜ", "x"), "lu");
    EXPECT_EQ(plainReading("nüè", "x"), "nue");
    EXPECT_EQ(plainReading("ḿ", "x"), "m");
    EXPECT_EQ(plainReading("Zhuàng", "x"), "zhuang");
    EXPECT_THAT(failure([] { plainReading("ni3", "f.txt: line 7"); }), HasSubstr("line 7"));
    EXPECT_THROW(plainReading("", "x"), DataError);
}

TEST(Readings, ReverseLookupRuleForASecondReading) {
    EXPECT_TRUE(reverseLookupKeeps("dang", "cheng")); // same segment, earlier group
    EXPECT_FALSE(reverseLookupKeeps("cheng", "dang"));
    EXPECT_TRUE(reverseLookupKeeps("m", "wu")); // later segment
    EXPECT_FALSE(reverseLookupKeeps("wu", "m"));
    EXPECT_FALSE(reverseLookupKeeps("le", "liao"));
    EXPECT_EQ(pinyinSegmentOf("yi"), 5);
    EXPECT_EQ(pinyinSegmentOf("ka"), 2);
    EXPECT_EQ(pinyinSegmentOf("Ka"), 0);
}

TEST(Readings, PlanChoosesMainReadingsAndFillsEverySyllable) {
    const QList<Gb2312Character> chars = {gb("啊", 0xB0A1), gb("铛", 0xEEF5), gb("呒", 0xDFBC),
                                          gb("嗯", 0xE0C5), gb("谁", 0xCBAD), gb("了", 0xC1CB),
                                          gb("扌", 0xDEBF), gb("成", 0xB3C9)};
    QHash<QString, UnihanEntry> unihan;
    unihan["啊"].mandarin = {"a"};
    unihan["铛"].mandarin = {"dang"};
    unihan["铛"].tghz2013 = {"cheng", "dang"};
    unihan["呒"].mandarin = {"wu"};
    unihan["呒"].tghz2013 = {"m"};
    unihan["嗯"].mandarin = {"n"}; // not a syllable: the dictionaries give ng
    unihan["嗯"].tghz2013 = {"ng"};
    unihan["谁"].mandarin = {"shei"};
    unihan["谁"].xhc1983 = {"shei", "shui"};
    unihan["了"].mandarin = {"le"};
    unihan["了"].pinlu = {{"le", 30101}, {"liao", 654}}; // liao would hide le
    unihan["扌"].mandarin = {"shou"};
    unihan["扌"].definition = "hand; radical number 64";
    unihan["成"].mandarin = {"cheng"};
    const QStringList syllables = {"a", "cheng", "dang", "le", "m", "ng", "shui", "wu"};

    const PinyinPlan plan = planReadings(chars, unihan, syllables);
    QHash<QString, QStringList> got;
    for (const CharacterReadings& r : plan.readings) {
        got.insert(r.character.character, r.syllables);
    }
    EXPECT_EQ(got.value("啊"), QStringList{"a"});
    EXPECT_EQ(got.value("铛"), QStringList{"dang"});      // cheng is not empty: no extra row
    EXPECT_EQ(got.value("呒"), (QStringList{"m", "wu"})); // m filled, reverse shows m
    EXPECT_EQ(got.value("嗯"), QStringList{"ng"});
    EXPECT_EQ(got.value("谁"), QStringList{"shui"});
    EXPECT_EQ(got.value("了"), QStringList{"le"});
    EXPECT_FALSE(got.contains("扌"));
    EXPECT_EQ(plan.components, QStringList{"扌"});
    EXPECT_EQ(plan.promoted, QStringList{"呒 m"});

    // A syllable no character can be given fails loudly.
    EXPECT_THAT(failure([&] { planReadings(chars, unihan, syllables + QStringList{"zuo"}); }),
                HasSubstr("zuo"));
}

TEST(Readings, SecondReadingFillsAnEmptySyllableOrIsACommonOne) {
    QList<Gb2312Character> chars = {gb("嗲", 0xE0C7), gb("调", 0xB5F7), gb("着", 0xD7C5)};
    QHash<QString, UnihanEntry> unihan;
    unihan["嗲"].mandarin = {"die"};
    unihan["嗲"].hanyuPinyin = {"dia"};
    unihan["调"].mandarin = {"diao"};
    unihan["调"].pinlu = {{"diao", 390}, {"tiao", 213}};
    unihan["着"].mandarin = {"zhe"};
    unihan["着"].pinlu = {{"zhe", 9000}, {"zhao", 545}, {"zhuo", 600}}; // zhuo would hide zhe
    for (const char* c : {"条", "照", "桌"}) {
        chars.append(gb(c, 0xF7F0 + chars.size()));
    }
    unihan["条"].mandarin = {"tiao"};
    unihan["照"].mandarin = {"zhao"};
    unihan["桌"].mandarin = {"zhuo"};
    const PinyinPlan plan =
        planReadings(chars, unihan, {"dia", "diao", "die", "tiao", "zhao", "zhe", "zhuo"});
    ASSERT_EQ(plan.readings.size(), 6);
    EXPECT_EQ(plan.readings[0].syllables, (QStringList{"die", "dia"}));
    EXPECT_EQ(plan.readings[1].syllables, (QStringList{"diao", "tiao"}));
    EXPECT_EQ(plan.readings[2].syllables, (QStringList{"zhe", "zhao"}));
}

TEST(Readings, PinyinSegmentsHaveRowsInOrderAndABlankRow) {
    PinyinPlan plan;
    plan.readings = {{gb("阿", 0xB0A2), {"a"}},
                     {gb("啊", 0xB0A1), {"a"}},
                     {gb("窗", 0xB4B0), {"chuang"}},
                     {gb("压", 0xD1B9), {"ya"}}};
    const std::array<QByteArray, 5> segments = pinyinSegments(plan);
    EXPECT_EQ(segments[0], QByteArray("\xB0\xA1"
                                      "a     \r\n"
                                      "\xB0\xA2"
                                      "a     \r\n"
                                      "\xB4\xB0"
                                      "chuang\r\n        \r\n"));
    EXPECT_EQ(segments[1], QByteArray("        \r\n"));
    EXPECT_EQ(segments[4], QByteArray("\xD1\xB9"
                                      "ya    \r\n        \r\n"));
}

TEST(Strokes, RowsOrderedByCodeLevelAndFrequency) {
    StrokeOrders orders;
    orders.letters = {{u'j', {"横", "平笔"}}, {u'f', {"竖", "平笔"}}, {u'o', {"横斜钩", "折笔"}}};
    orders.orders = {{"十", "jf"}, {"一", "j"}, {"乙", "o"}, {"丁", "jg"}};
    const QList<SupplementLine> supplement = {{"丨", "f"}};
    const QList<Gb2312Character> chars = {gb("一", 0xD2BB), gb("乙", 0xD2D2), gb("十", 0xCAAE),
                                          gb("丨", 0xD8AD)};
    EXPECT_THAT(
        failure([&] { strokeRows(chars + QList{gb("丁", 0xB6A1)}, orders, supplement, {}); }),
        HasSubstr("unknown stroke letter \"g\""));
    orders.orders.remove("丁");

    const QList<StrokeRow> rows = strokeRows(chars, orders, supplement, {{"一", 2}});
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].code, "10000");
    EXPECT_EQ(rows[1].code, "12000");
    EXPECT_EQ(rows[2].character.character, "丨");
    EXPECT_EQ(rows[3].code, "50000");
    EXPECT_EQ(strokeSegments(rows)[1], QByteArray("\xD8\xAD"
                                                  "20000\r\n"));

    // Two characters of one code: level 1 first, then by frequency rank, unranked last.
    const QList<Gb2312Character> same = {gb("乙", 0xD2D2), gb("乚", 0xD8BF), gb("乛", 0xD8C0)};
    orders.orders.insert("乚", "o");
    orders.orders.insert("乛", "o");
    const QList<StrokeRow> ordered = strokeRows(same, orders, {}, {{"乛", 5}, {"乙", 900}});
    EXPECT_EQ(ordered[0].character.character, "乙");
    EXPECT_EQ(ordered[1].character.character, "乛");
    EXPECT_EQ(ordered[2].character.character, "乚");

    EXPECT_THAT(failure([&] { strokeRows(chars, orders, {}, {}); }), HasSubstr("丨"));
    // A supplement entry for a character the package has corrects the package's strokes.
    const QList<StrokeRow> corrected = strokeRows(chars, orders, {{"丨", "f"}, {"一", "f"}}, {});
    const auto row = std::find_if(corrected.begin(), corrected.end(),
                                  [](const StrokeRow& r) { return r.character.character == "一"; });
    ASSERT_NE(row, corrected.end());
    EXPECT_EQ(row->code, "20000");
}

TEST_F(Files, ReadsFrequencyRanks) {
    const QString good =
        write("freq.js", "module.exports = `1\t的\t7922684\t4.1\tde\n2\t一\t3050722\t5.6\tyi1`;");
    const QHash<QString, int> ranks = readFrequencyRanks(good);
    EXPECT_EQ(ranks.value("的"), 1);
    EXPECT_EQ(ranks.value("一"), 2);
    const QString bad = write("bad.js", "module.exports = `1\t的\t7\nx\t一\t3`;");
    EXPECT_THAT(failure([&] { readFrequencyRanks(bad); }), HasSubstr("bad.js: line 2"));
}

TEST_F(Files, ReadsUnihanFromBzip2AndNamesTheLineOfAFault) {
    const QString good = writeBzip2(
        "good.bz2", "# header\nU+94DB\tkMandarin\tdāng\nU+94DB\tkTGHZ2013\t043.040:chēng "
                    "066.090:dāng\nU+4E86\tkHanyuPinlu\tle(30101) liǎo(654)\n"
                    "U+4E00\tkMandarin\tyī\n");
    const QHash<QString, UnihanEntry> entries = readUnihan(good, {{"铛", 1}, {"了", 1}});
    EXPECT_EQ(entries.value("铛").mandarin, QStringList{"dang"});
    EXPECT_EQ(entries.value("铛").tghz2013, (QStringList{"cheng", "dang"}));
    ASSERT_EQ(entries.value("了").pinlu.size(), 2);
    EXPECT_EQ(entries.value("了").pinlu[1].first, "liao");
    EXPECT_FALSE(entries.contains("一")); // not wanted

    const QString bad =
        writeBzip2("bad.bz2", "# header\nU+94DB\tkMandarin\tdāng\nU+94DB kMandarin\n");
    EXPECT_THAT(failure([&] { readUnihan(bad, {}); }), HasSubstr("bad.bz2: line 3"));

    QFile packed(good);
    ASSERT_TRUE(packed.open(QIODevice::ReadOnly));
    const QString truncated = write("cut.bz2", packed.readAll().chopped(20));
    EXPECT_THAT(failure([&] { readUnihan(truncated, {}); }), HasSubstr("cut.bz2"));
}
