#include "core/failure.h"
#include "lookup/seed_list.h"

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {
std::vector<SeedPoint> points(const char* list) {
    return seedPoints(QString::fromLatin1(list));
}
} // namespace

TEST(SeedNumber, ReadsDigitsWithBlanksAnywhere) {
    EXPECT_EQ(readSeedNumber(u"  45"), 45); // right-aligned
    EXPECT_EQ(readSeedNumber(u"45  "), 45); // left-aligned
    EXPECT_EQ(readSeedNumber(u"1 2 "), 12); // a blank between digits joins them
    EXPECT_EQ(readSeedNumber(u" 9 9"), 99);
    EXPECT_EQ(readSeedNumber(u"1680"), 1680);
    EXPECT_EQ(readSeedNumber(u"0012"), 12);
}

TEST(SeedNumber, StopsAtTheFirstCharacterThatCannotContinue) {
    EXPECT_EQ(readSeedNumber(u""), 0);
    EXPECT_EQ(readSeedNumber(u"    "), 0);
    EXPECT_EQ(readSeedNumber(u"x12"), 0);
    EXPECT_EQ(readSeedNumber(u"7x9"), 7);
    EXPECT_EQ(readSeedNumber(u"3-4"), 3);
    EXPECT_EQ(readSeedNumber(QStringView(u"\u00001", 2)), 0); // a NUL is no blank
    EXPECT_EQ(readSeedNumber(u"\uFF11"), 0);                  // nor is a full-width digit a digit
    // A sign and a decimal fraction continue a number; the value goes to the nearest
    // whole number, halves to even.
    EXPECT_EQ(readSeedNumber(u"-5"), -5);
    EXPECT_EQ(readSeedNumber(u"+ 5"), 5);
    EXPECT_EQ(readSeedNumber(u"2.5"), 2);
    EXPECT_EQ(readSeedNumber(u"3.5"), 4);
    EXPECT_EQ(readSeedNumber(u"1.51"), 2);
    EXPECT_EQ(readSeedNumber(u"1..5"), 1);
    // Four characters always fit; a longer text may not.
    EXPECT_EQ(readSeedNumber(u"32767"), 32767);
    EXPECT_THROW(readSeedNumber(u"32768"), Failure);
}

TEST(SeedList, CountsPointsByLengthWithoutTrailingBlanks) {
    EXPECT_TRUE(points("").empty());
    EXPECT_TRUE(points(std::string(72, ' ').c_str()).empty());
    // Right-aligned: x and y with leading blanks, eight characters in all.
    EXPECT_EQ(points("  30 450"
                     "                "),
              (std::vector<SeedPoint>{{30, 450}}));
    // Left-aligned, cut to five characters by the trailing blanks: 5 / 8 rounds to 1.
    EXPECT_EQ(points("30  4   "), (std::vector<SeedPoint>{{30, 4}}));
    EXPECT_EQ(points("1230450 "), (std::vector<SeedPoint>{{1230, 450}}));
    // Three characters: 3 / 8 rounds to none.
    EXPECT_TRUE(points("123     ").empty());
    // 12 characters: 1.5 goes to 2, the second point's y from an empty piece is 0.
    EXPECT_EQ(points("  30  45 600    "), (std::vector<SeedPoint>{{30, 45}, {600, 0}}));
    // 20 characters: 2.5 goes to 2; the fifth piece is not read.
    EXPECT_EQ(points("  10  20  30  40  50"), (std::vector<SeedPoint>{{10, 20}, {30, 40}}));
    // 21 characters give 3 points; the last y is read from one character.
    EXPECT_EQ(points("  10  20  30  40  50 7"),
              (std::vector<SeedPoint>{{10, 20}, {30, 40}, {50, 7}}));
    // Blanks inside the list are content: only trailing ones are stripped.
    EXPECT_EQ(points("        900 900"), (std::vector<SeedPoint>{{0, 0}, {900, 900}}));
}

TEST(SeedList, WritesTwipsRightAlignedInFourColumns) {
    EXPECT_EQ(formatSeedList({}), u"");
    EXPECT_EQ(formatSeedList({{15, 30}, {1605, 1620}, {0, 990}, {7, 9}}),
              u"  15  3016051620   0 990   7   9");
    // The widest numbers that fit their columns.
    EXPECT_EQ(formatSeedList({{9999, -999}}), u"9999-999");
    // A number wider than its columns would shift every later one; more than nine seeds
    // would not fit the record's field.
    EXPECT_EQ(formatSeedList({{10000, 0}}), std::nullopt);
    EXPECT_EQ(formatSeedList({{0, -1000}}), std::nullopt);
    EXPECT_EQ(formatSeedList(std::vector<SeedPoint>(MaxSeeds + 1)), std::nullopt);
}

TEST(SeedList, ReadsBackWhatItWrites) {
    const std::vector<std::vector<SeedPoint>> lists = {
        {},
        {{0, 0}},                 // "   0   0": blanks before the digits, none after
        {{1620, 1635}, {7, 8}},   // a picture's far corner and a near one
        {{-999, 9999}, {-5, 40}}, // signs and the widest numbers
    };
    for (const auto& seeds : lists) {
        const std::optional<QString> list = formatSeedList(seeds);
        ASSERT_TRUE(list.has_value());
        EXPECT_EQ(seedPoints(*list), seeds) << list->toStdString();
        // As the record holds it: blank-filled to its field.
        EXPECT_EQ(seedPoints(list->leftJustified(CharacterRecord::FillPointsWidth)), seeds);
    }
    // Nine seeds fill the field exactly.
    std::vector<SeedPoint> nine;
    for (int i = 1; i <= MaxSeeds; ++i) {
        nine.push_back({static_cast<std::int16_t>(i * 15), static_cast<std::int16_t>(i * 30)});
    }
    const QString full = formatSeedList(nine).value();
    EXPECT_EQ(full.size(), CharacterRecord::FillPointsWidth);
    EXPECT_EQ(seedPoints(full), nine);
}
