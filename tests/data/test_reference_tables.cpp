// Checks the committed reference tables, as the program carries them.

#include "data/character_lists.h"
#include "data/character_tables.h"
#include "data/reference_tables.h"
#include "data/syllables.h"
#include "data/table_search.h"

#include "core/failure.h"
#include "core/gbk.h"

#include "committed_tables.h"
#include "common/gb2312.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {

// The rows of a segment text without their CR LF.
QStringList rowsOf(const QString& segment) {
    QStringList rows = segment.split(QStringLiteral("\r\n"));
    EXPECT_TRUE(rows.last().isEmpty()); // the text ends with CR LF
    rows.removeLast();
    return rows;
}

// The characters of the rows of one stroke code, in row order.
QString strokeFinds(const QString& code) {
    const QString& segment = strokeSegment(code[0].unicode() - u'0');
    QString found;
    std::int32_t cursor = 0;
    for (TableHit hit; (hit = textSearch(segment, code, cursor)).found;) {
        found += hit.text;
    }
    return found;
}

// The characters read with a syllable, in row order.
QString pinyinFinds(const QString& syllable, bool pad = true) {
    const QString needle = pad ? syllable.leftJustified(6, u' ') : syllable;
    QString found;
    for (int n = 1; n <= TableSegmentCount; ++n) {
        if (pinyinSegmentLetters(n).contains(syllable[0])) {
            std::int32_t cursor = 0;
            for (TableHit hit; (hit = textSearch(pinyinSegment(n), needle, cursor)).found;) {
                found += hit.text;
            }
        }
    }
    return found;
}

// The reading the reverse lookup shows: the last row of the lowest-numbered segment that
// holds the character, or empty text.
QString shownReading(const QString& character) {
    for (int n = 1; n <= 5; ++n) {
        QString reading;
        std::int32_t cursor = 0;
        for (TableHit hit; (hit = textSearchF(pinyinSegment(n), character, cursor)).found;) {
            reading = hit.text;
        }
        if (!reading.isEmpty()) {
            return reading;
        }
    }
    return {};
}

} // namespace

TEST(ReferenceTables, ProgramCarriesTheCommittedFilesByteForByte) {
    for (int n = 1; n <= TableSegmentCount; ++n) {
        EXPECT_EQ(toGbk(pinyinSegment(n)), test::committedTableFile(pinyinSegmentName(n))) << n;
        EXPECT_EQ(toGbk(strokeSegment(n)), test::committedTableFile(strokeSegmentName(n))) << n;
    }
    EXPECT_EQ(pinyinSegmentName(1), QStringLiteral("Text1bh1"));
    EXPECT_EQ(strokeSegmentName(5), QStringLiteral("Text1bh5w"));
    EXPECT_THROW(pinyinSegment(0), Failure);
    EXPECT_THROW(strokeSegment(6), Failure);
    // The letter groups cover the alphabet once, in order.
    QString letters;
    for (int n = 1; n <= TableSegmentCount; ++n) {
        letters += pinyinSegmentLetters(n);
    }
    EXPECT_EQ(letters, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_THROW(pinyinSegmentLetters(6), Failure);
}

TEST(PinyinTable, RowFormatAndSegmentsByInitialLetter) {
    const QRegularExpression field(QStringLiteral("^[a-z]+ *$"));
    for (int n = 1; n <= 5; ++n) {
        const QByteArray bytes = test::committedTableFile(pinyinSegmentName(n));
        ASSERT_EQ(bytes.size() % 10, 0) << n;
        for (qsizetype at = 0; at < bytes.size(); at += 10) {
            EXPECT_EQ(bytes.mid(at + 8, 2), QByteArray("\r\n")) << n << " byte " << at;
        }
        const QStringList rows = rowsOf(pinyinSegment(n));
        EXPECT_EQ(rows.last(), QString(8, u' ')) << n; // the blank row ends the segment
        for (qsizetype i = 0; i + 1 < rows.size(); ++i) {
            const QString& row = rows[i];
            ASSERT_EQ(row.size(), 7) << n << " row " << i;
            EXPECT_TRUE(isDoubleByte(row.left(1))) << row.toStdString();
            EXPECT_TRUE(field.match(row.mid(1)).hasMatch()) << row.toStdString();
            EXPECT_TRUE(pinyinSegmentLetters(n).contains(row[1])) << n << " " << row.toStdString();
        }
    }
}

TEST(PinyinTable, OrderedBySyllableThenByCodeWithoutRepeats) {
    for (int n = 1; n <= 5; ++n) {
        const QStringList rows = rowsOf(pinyinSegment(n));
        for (qsizetype i = 1; i + 1 < rows.size(); ++i) {
            const QString previous = rows[i - 1].mid(1).trimmed();
            const QString current = rows[i].mid(1).trimmed();
            const bool ordered =
                previous < current ||
                (previous == current && toGbk(rows[i - 1].left(1)) < toGbk(rows[i].left(1)));
            EXPECT_TRUE(ordered) << rows[i - 1].toStdString() << " / " << rows[i].toStdString();
        }
    }
}

TEST(PinyinTable, EveryOneOfThe405SyllablesHasARowAndNoOtherIsUsed) {
    ASSERT_EQ(pinyinSyllables().size(), 405);
    QSet<QString> used;
    for (int n = 1; n <= 5; ++n) {
        for (const QString& row : rowsOf(pinyinSegment(n))) {
            if (!row.trimmed().isEmpty()) {
                used.insert(row.mid(1).trimmed());
            }
        }
    }
    for (const QString& syllable : pinyinSyllables()) {
        EXPECT_FALSE(pinyinFinds(syllable).isEmpty()) << syllable.toStdString();
    }
    const QSet<QString> known(pinyinSyllables().begin(), pinyinSyllables().end());
    EXPECT_EQ(used, known);
}

TEST(PinyinTable, FactsOfTheLanguage) {
    EXPECT_EQ(shownReading("啊"), QStringLiteral("a     "));
    EXPECT_EQ(shownReading("铛"), QStringLiteral("dang  "));
    EXPECT_EQ(shownReading("女"), QStringLiteral("nu    "));
    EXPECT_EQ(shownReading("吕"), QStringLiteral("lu    "));
    EXPECT_EQ(shownReading("略"), QStringLiteral("lue   "));
    EXPECT_EQ(shownReading("虐"), QStringLiteral("nue   "));
    EXPECT_EQ(shownReading("字"), QStringLiteral("zi    "));
    EXPECT_EQ(shownReading("窗"), QStringLiteral("chuang"));
    EXPECT_EQ(shownReading("双"), QStringLiteral("shuang"));
    EXPECT_EQ(shownReading("装"), QStringLiteral("zhuang"));
    EXPECT_TRUE(pinyinFinds("a").startsWith(QStringLiteral("啊阿")));
    EXPECT_TRUE(pinyinFinds("ng").contains(QStringLiteral("嗯")));
    EXPECT_TRUE(pinyinFinds("dia").contains(QStringLiteral("嗲")));

    const QString lian = pinyinFinds("lian");
    EXPECT_TRUE(lian.startsWith(QStringLiteral("联莲连"))) << lian.toStdString();
    EXPECT_GE(lian.size(), 20);
    // The unpadded needle also matches inside every liang row.
    EXPECT_EQ(pinyinFinds("lian", false).size(), lian.size() + pinyinFinds("liang").size());

    // Every reading has its row: "di" lists 地, "chang" 长, "hang" 行, "yue" 乐, and the
    // syllables only a second reading has (谁 shei, 得 dei) are there too.
    EXPECT_TRUE(pinyinFinds("di").contains(QStringLiteral("地")));
    EXPECT_TRUE(pinyinFinds("de").contains(QStringLiteral("地")));
    EXPECT_TRUE(pinyinFinds("chang").contains(QStringLiteral("长")));
    EXPECT_TRUE(pinyinFinds("zhang").contains(QStringLiteral("长")));
    EXPECT_TRUE(pinyinFinds("hang").contains(QStringLiteral("行")));
    EXPECT_TRUE(pinyinFinds("xing").contains(QStringLiteral("行")));
    EXPECT_TRUE(pinyinFinds("yue").contains(QStringLiteral("乐")));
    EXPECT_TRUE(pinyinFinds("le").contains(QStringLiteral("乐")));
    EXPECT_EQ(pinyinFinds("shei"), QStringLiteral("谁"));
    EXPECT_TRUE(pinyinFinds("dei").contains(QStringLiteral("得")));
    // Radical forms are read by their names as characters: 扌 shou, 氵 shui.
    EXPECT_EQ(shownReading("扌"), QStringLiteral("shou  "));
    EXPECT_TRUE(pinyinFinds("shui").contains(QStringLiteral("氵")));
    // ji and yi are the largest groups.
    EXPECT_GT(pinyinFinds("ji").size(), 90);
    EXPECT_GT(pinyinFinds("yi").size(), 90);
}

TEST(StrokeTable, RowFormatAndSegmentsByFirstDigit) {
    const QRegularExpression code(QStringLiteral("^[1-5]+0*$"));
    for (int n = 1; n <= 5; ++n) {
        const QByteArray bytes = test::committedTableFile(strokeSegmentName(n));
        ASSERT_EQ(bytes.size() % 9, 0) << n;
        for (qsizetype at = 0; at < bytes.size(); at += 9) {
            EXPECT_EQ(bytes.mid(at + 7, 2), QByteArray("\r\n")) << n << " byte " << at;
        }
        for (const QString& row : rowsOf(strokeSegment(n))) {
            ASSERT_EQ(row.size(), 6) << n;
            EXPECT_TRUE(isDoubleByte(row.left(1))) << row.toStdString();
            // Digits 0 to 5, and no nonzero digit after a 0.
            EXPECT_TRUE(code.match(row.mid(1)).hasMatch()) << row.toStdString();
            EXPECT_EQ(row[1], QChar(u'0' + n)) << row.toStdString();
        }
    }
}

TEST(StrokeTable, OneRowForEveryGb2312CharacterInOrder) {
    QHash<QString, bool> levelOne;
    for (const tools::Gb2312Character& c : tools::gb2312Characters()) {
        levelOne.insert(c.character, c.levelOne());
    }
    ASSERT_EQ(levelOne.size(), 6763);
    QSet<QString> seen;
    QString previousCode;
    bool previousLevelOne = true;
    for (int n = 1; n <= 5; ++n) {
        for (const QString& row : rowsOf(strokeSegment(n))) {
            const QString character = row.left(1);
            const QString code = row.mid(1);
            EXPECT_TRUE(levelOne.contains(character)) << row.toStdString();
            EXPECT_FALSE(seen.contains(character)) << "twice: " << row.toStdString();
            seen.insert(character);
            EXPECT_LE(previousCode, code) << row.toStdString();
            if (code == previousCode) {
                // Level 1 before level 2 within one code.
                EXPECT_TRUE(previousLevelOne || !levelOne.value(character)) << row.toStdString();
            }
            previousCode = code;
            previousLevelOne = levelOne.value(character);
        }
    }
    EXPECT_EQ(seen.size(), 6763);
}

TEST(StrokeTable, FactsOfTheLanguage) {
    EXPECT_EQ(strokeFinds("10000"), QStringLiteral("一"));
    EXPECT_EQ(strokeFinds("21100"), QStringLiteral("上"));
    EXPECT_EQ(strokeFinds("50000"), QStringLiteral("乙"));
    const QString feng = strokeFinds("25232");
    EXPECT_EQ(feng.size(), 6);
    EXPECT_TRUE(feng.startsWith(u'峰')); // the one level-1 character
    for (const QChar c : QStringLiteral("刿峁峤峥嵛")) {
        EXPECT_TRUE(feng.contains(c)) << QString(c).toStdString();
    }
    const QString le = strokeFinds("52000");
    EXPECT_EQ(le.size(), 4);
    for (const QChar c : QStringLiteral("了卩阝凵")) {
        EXPECT_TRUE(le.contains(c)) << QString(c).toStdString();
    }
    EXPECT_EQ(strokeFinds("25230"), QString());
    EXPECT_EQ(strokeFinds("20200"), QString());
    // The more common characters come first: 员 leads the longest list.
    EXPECT_TRUE(strokeFinds("25124").startsWith(u'员'));
    EXPECT_GT(strokeFinds("25124").size(), 100);

    // Codes of single characters: rising stroke as 1, vertical hook as 2, right-falling as
    // 4, four strokes or fewer padded with 0, the supplement's characters included.
    const QHash<QString, QString> codes = {
        {"二", "11000"}, {"三", "11100"}, {"丰", "11120"}, {"玉", "11214"}, {"峰", "25232"},
        {"扌", "12100"}, {"小", "23400"}, {"人", "34000"}, {"丨", "20000"}, {"丿", "30000"},
        {"丶", "40000"}, {"氵", "44100"}, {"艹", "12200"}, {"辶", "45400"}, {"疒", "41341"},
        {"衤", "45234"}, {"灬", "44440"}, {"瓦", "15540"}, {"鸶", "55551"}};
    for (auto it = codes.begin(); it != codes.end(); ++it) {
        EXPECT_TRUE(strokeFinds(it.value()).contains(it.key()))
            << it.key().toStdString() << " " << it.value().toStdString();
    }
}

TEST(CharacterLists, EveryCharacterHasItsCodesAndToneMarkedReadings) {
    // The program carries the committed lists.
    const auto committed = [](const char* name) {
        return parseCharacterList(QString::fromUtf8(test::committedTableFile(name)), name);
    };
    const QHash<QString, QStringList> codes = committed("codes");
    const QHash<QString, QStringList> readings = committed("readings");
    EXPECT_EQ(codes.size(), 6763);
    EXPECT_EQ(readings.size(), 6763);
    // The rows of every character in the pinyin table are its readings without tone marks.
    QHash<QString, QStringList> rows;
    for (int n = 1; n <= 5; ++n) {
        for (const QString& row : rowsOf(pinyinSegment(n))) {
            if (!row.trimmed().isEmpty()) {
                rows[row.left(1)].append(row.mid(1).trimmed());
            }
        }
    }
    int severalCodes = 0;
    for (const tools::Gb2312Character& c : tools::gb2312Characters()) {
        const QStringList shown = wubiCodes(c.character);
        EXPECT_EQ(shown, codes.value(c.character)) << c.character.toStdString();
        ASSERT_FALSE(shown.isEmpty()) << c.character.toStdString();
        for (qsizetype i = 1; i < shown.size(); ++i) {
            EXPECT_LE(shown[i - 1].size(), shown[i].size()) << c.character.toStdString();
        }
        severalCodes += shown.size() > 1;
        const QStringList toned = tonedReadings(c.character);
        EXPECT_EQ(toned, readings.value(c.character)) << c.character.toStdString();
        QSet<QString> plain;
        for (const QString& reading : toned) {
            QString letters;
            for (const QChar ch : reading.normalized(QString::NormalizationForm_D)) {
                if (ch.category() != QChar::Mark_NonSpacing) {
                    letters += ch == u'ü' ? u'u' : ch;
                }
            }
            plain.insert(letters);
        }
        const QStringList own = rows.value(c.character);
        EXPECT_EQ(plain, QSet<QString>(own.begin(), own.end())) << c.character.toStdString();
    }
    EXPECT_EQ(severalCodes, 6763 - 2334 - 511); // the rest have only their full code

    EXPECT_EQ(wubiCodes(u"父"), QStringList{"wqu"});
    EXPECT_EQ(wubiCodes(u"一"), (QStringList{"g", "ggl", "ggll"}));
    EXPECT_EQ(wubiCodes(u"字"), (QStringList{"pb", "pbf"}));
    EXPECT_EQ(tonedReadings(u"行"), (QStringList{"xíng", "háng", "héng"}));
    EXPECT_EQ(tonedReadings(u"长"), (QStringList{"zhǎng", "cháng"}));
    EXPECT_EQ(tonedReadings(u"字"), QStringList{"zì"});
    EXPECT_EQ(tonedReadings(u"女"), QStringList{"nǚ"});
    // No GB2312 character: nothing.
    EXPECT_TRUE(wubiCodes(u"丂").isEmpty());
    EXPECT_TRUE(tonedReadings(u"字字").isEmpty());
    EXPECT_TRUE(tonedReadings(u"").isEmpty());
}

TEST(CharacterLists, FormatRoundTripsAndAFaultNamesTheLine) {
    const QString text = QStringLiteral("# comment\n") +
                         formatCharacterListLine("行", {"xíng", "háng", "héng"}) +
                         formatCharacterListLine("𠀀", {"a"});
    EXPECT_EQ(text, "# comment\n行\txíng háng héng\n𠀀\ta\n");
    const QHash<QString, QStringList> parsed = parseCharacterList(text, "x.txt");
    EXPECT_EQ(parsed.value("行"), (QStringList{"xíng", "háng", "héng"}));
    EXPECT_EQ(parsed.value("𠀀"), QStringList{"a"});
    EXPECT_THROW(formatCharacterListLine("行行", {"a"}), Failure);
    EXPECT_THROW(formatCharacterListLine("行", {}), Failure);
    EXPECT_THROW(formatCharacterListLine("行", {"a b"}), Failure);

    const auto fault = [](const QString& bad) {
        try {
            parseCharacterList(bad, "x.txt");
        } catch (const Failure& failure) {
            return failure.message();
        }
        return QString();
    };
    EXPECT_EQ(fault("行\ta\n字\ta  b\n"), "x.txt:2: an item is empty or holds a tab or line break");
    EXPECT_EQ(fault("行\ta\n行\tb\n"), "x.txt:2: 行 is listed twice");
    EXPECT_EQ(fault("# c\n行a\n"), "x.txt:2: expected a character, a tab and its items");
    EXPECT_EQ(fault("行行\ta\n"), "x.txt:1: expected a character, a tab and its items");
    EXPECT_EQ(fault("行\ta"), "x.txt: the last line has no line break");
    EXPECT_EQ(fault("行\t\n"), "x.txt:1: an item is empty or holds a tab or line break");
}
