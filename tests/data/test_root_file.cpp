#include "core/failure.h"
#include "data/root_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {

std::vector<RootEntry> sample() {
    return {
        {u"字"_qs, u"compound"_qs, 493, u'f', {{u'p', u"宀"_qs}, {u'b', u"子"_qs}}},
        {u"王"_qs, u"key"_qs, 250, QChar(), {{u'g', u"王"_qs}}},
        {u"一"_qs, u"stroke"_qs, 2, QChar(), {{u'g', u"一"_qs}}},
        {u"蔼"_qs,
         u"compound"_qs,
         0,
         QChar(),
         {{u'a', u"艹"_qs},
          {u'y', u"讠"_qs},
          {u'j', u"日"_qs},
          {u'q', u"勹"_qs},
          {u'w', u"人"_qs},
          {u'n', u"乙"_qs}}},
        {u"里"_qs, u"compound"_qs, 200, u'f', {{u'j', u"日/曰"_qs}, {u'f', u"土"_qs}}},
    };
}

QString failureOf(const QByteArray& text) {
    try {
        parseRootFile(text, u"/p/roots.tsv"_qs);
    } catch (const Failure& failure) {
        return failure.message();
    }
    return {};
}

const QByteArray Header = "# Zilvaro roots 2\n";

} // namespace

TEST(RootFile, ReadsBackWhatItWritesLineByLine) {
    const QByteArray text = formatRootFile(sample());
    EXPECT_TRUE(text.startsWith(Header.chopped(1)));
    EXPECT_TRUE(text.contains("\n字\tcompound\t493\tf\tp宀\tb子\n"));
    EXPECT_TRUE(text.contains("\n蔼\tcompound\t-\t-\ta艹\ty讠\tj日\tq勹\tw人\tn乙\n"));
    EXPECT_EQ(parseRootFile(text, u"roots.tsv"_qs), sample());
    // Lines ending in CR LF read the same.
    QByteArray crlf = text;
    crlf.replace("\n", "\r\n");
    EXPECT_EQ(parseRootFile(crlf, u"roots.tsv"_qs), sample());
}

TEST(RootFile, AnEntryWithoutALineFormWritesNothingAndSaysWhy) {
    QString error;
    std::vector<RootEntry> entries = sample();
    entries[1].roots[0].name = u"王\t"_qs;
    EXPECT_TRUE(formatRootFile(entries, &error).isEmpty());
    EXPECT_EQ(error, u"王: root \"g王\t\" has no line form");
    entries = sample();
    entries[0].roots.clear();
    EXPECT_TRUE(formatRootFile(entries, &error).isEmpty());
    EXPECT_EQ(error, u"字: no root");
    entries = sample();
    entries[0].identification = u'z';
    EXPECT_TRUE(formatRootFile(entries, &error).isEmpty());
    EXPECT_EQ(error, u"字: the identification code is no letter a-y");
}

TEST(RootFile, AMalformedFileNamesTheFileAndTheLine) {
    const QString at3 = u"The roots file /p/roots.tsv is damaged at line 3: "_qs;
    const QByteArray good = "字\tcompound\t493\tf\tp宀\tb子\n";
    const QString notOne =
        u"The roots file /p/roots.tsv is not one: its first line is not \"# Zilvaro roots 2\""_qs;
    EXPECT_EQ(failureOf({}), notOne);
    EXPECT_EQ(failureOf("字\tcompound\t1\tf\tp宀\n"), notOne);
    // A file of the format that also held the codes is refused whole, not misread.
    EXPECT_EQ(failureOf("# Zilvaro roots 1: character, kind\n字\tcompound\t1\tf\tpb,pbf\tp宀\n"),
              u"The roots file /p/roots.tsv is of another version of Zilvaro: it says \"# "
              u"Zilvaro roots 1\", this version reads \"# Zilvaro roots 2\""_qs);
    EXPECT_TRUE(failureOf("# Zilvaro roots 20\n").contains(u"another version"));
    EXPECT_EQ(failureOf(Header + good + "子\tcompound\t1\tf\n"),
              at3 + u"expected at least five tab-separated fields, found 4"_qs);
    EXPECT_EQ(failureOf(Header + good + "子\tsome\t1\t-\tb子\n"),
              at3 + u"unknown kind \"some\""_qs);
    EXPECT_EQ(failureOf(Header + good + "子\troot\tx\t-\tb子\n"),
              at3 + u"bad frequency rank \"x\""_qs);
    EXPECT_EQ(failureOf(Header + good + "子\troot\t0\t-\tb子\n"),
              at3 + u"bad frequency rank \"0\""_qs);
    EXPECT_EQ(failureOf(Header + good + "子\troot\t1\tff\tb子\n"),
              at3 + u"bad identification code \"ff\""_qs);
    EXPECT_EQ(failureOf(Header + good + "子\troot\t1\t-\tb\n"),
              at3 + u"root \"b\" is not a key and a name"_qs);
    EXPECT_EQ(failureOf(Header + good + "子\troot\t1\t-\tZ子\n"),
              at3 + u"root \"Z子\" is not a key and a name"_qs);
    EXPECT_EQ(failureOf(Header + good + good), at3 + u"字 is listed a second time"_qs);
    EXPECT_EQ(failureOf(Header + "\xff\xfe\n"),
              u"The roots file /p/roots.tsv is damaged: it is not UTF-8 text");
}

TEST(RootFile, AMissingFileIsAFailureNamingIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"roots.tsv"_qs);
    try {
        readRootFile(path);
        FAIL() << "read a missing file";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(),
                  u"Cannot open the roots file "_qs + path + u": it does not exist"_qs);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(formatRootFile(sample()));
    file.close();
    EXPECT_EQ(readRootFile(path), sample());
}
