// zilvaro-query as a user runs it: on a made-up program folder, and on the real one.
#include "core/gbk.h"
#include "data/record_file.h"
#include "data/root_file.h"
#include "query_fixture.h"
#include "record_builder.h"
#include "zilvaro_version.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {

struct MadeUp {
    QString character;
    QString fullCode; // the record's; the program's own codes give the short ones
    int rank;
    QChar identification;
    QVector<RootEntry::Root> roots;
};

// A few characters with their real codes and roots; the ranks are made up.
const std::vector<MadeUp>& madeUp() {
    static const std::vector<MadeUp> list = {
        {u"字"_qs, u"pbf"_qs, 30, u'f', {{u'p', u"宀"_qs}, {u'b', u"子"_qs}}},
        {u"安"_qs, u"pvf"_qs, 20, u'f', {{u'p', u"宀"_qs}, {u'v', u"女"_qs}}},
        {u"宙"_qs, u"pmf"_qs, 0, u'f', {{u'p', u"宀"_qs}, {u'm', u"由"_qs}}},
        {u"宇"_qs, u"pgfj"_qs, 40, QChar(), {{u'p', u"宀"_qs}, {u'g', u"一"_qs}, {u'f', u"十"_qs}}},
        {u"中"_qs, u"khk"_qs, 5, u'k', {{u'k', u"口"_qs}, {u'h', u"丨"_qs}}},
        {u"国"_qs, u"lgyi"_qs, 6, u'i', {{u'l', u"囗"_qs}, {u'g', u"王"_qs}, {u'y', u"丶"_qs}}},
        {u"人"_qs, u"wwww"_qs, 7, QChar(), {{u'w', u"人"_qs}}},
        {u"民"_qs, u"nav"_qs, 8, u'v', {{u'n', u"已"_qs}, {u'a', u"七"_qs}}},
        {u"华"_qs, u"wxfj"_qs, 9, u'j', {{u'w', u"亻"_qs}, {u'x', u"匕"_qs}, {u'f', u"十"_qs}}},
    };
    return list;
}

// A program folder holding wwbb11.dat and roots.tsv for the made-up characters.
class MadeUpFolder : public ::testing::Test {
protected:
    ProgramFolder folder;

    void SetUp() override { write(madeUp()); }

    void write(std::vector<MadeUp> list) {
        std::sort(list.begin(), list.end(), [](const MadeUp& a, const MadeUp& b) {
            return characterKey(a.character) < characterKey(b.character);
        });
        std::vector<CharacterRecord> records;
        std::vector<RootEntry> roots;
        for (const MadeUp& m : list) {
            records.push_back({m.character, m.fullCode, QString(), m.fullCode, QString(), QString(),
                               QString(), QString()});
            const QString kind =
                m.fullCode == QString(4, m.roots[0].key) ? u"key"_qs : u"compound"_qs;
            roots.push_back({m.character, kind, m.rank, m.identification, m.roots});
        }
        folder.writeRecords(records);
        writeRoots(formatRootFile(roots));
    }
    void writeRoots(const QByteArray& bytes) {
        QFile file(QDir(folder.path()).filePath(u"roots.tsv"_qs));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QueryRun run(const QStringList& args, const QString& input = {}) {
        return runQueryWith(args, folder.path(), input);
    }
};

QJsonObject json(const QString& line) {
    return QJsonDocument::fromJson(line.toUtf8()).object();
}

} // namespace

TEST_F(MadeUpFolder, ATextGivesOneLinePerChineseCharacterAndSkipsTheRest) {
    const QueryRun r = run({u"Wubi：字 中, 国。"_qs});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.lines.size(), 3);
    EXPECT_TRUE(r.lines[0].startsWith(u"字  pbf   pb      宀 p  子 b  识别码 f  "))
        << r.lines[0].toStdString();
    EXPECT_TRUE(r.lines[0].endsWith(u"  zì")) << r.lines[0].toStdString();
    // The codes and the readings the window shows: every short code, every reading with
    // its tone, the most frequent first.
    EXPECT_EQ(r.lines[1], u"中  khk   k,kh    口 k  丨 h  识别码 k        zhōng/zhòng");
    EXPECT_TRUE(r.lines[2].startsWith(u"国  lgyi  l,lgy   囗 l  王 g  丶 y  识别码 i  "));
    // The readings stand in one column.
    EXPECT_EQ(r.lines[0].indexOf(u"zì"), r.lines[1].indexOf(u"zhōng"));
    EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(MadeUpFolder, ACharacterWithoutEntryIsSaidAndMakesTheStatusOneUnlessQuiet) {
    QueryRun r = run({u"字好𠀀中"_qs});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.lines.size(), 4); // every line is written first
    EXPECT_EQ(r.lines[1], u"好  没有这个字的编码");
    EXPECT_EQ(r.lines[2], u"𠀀  没有这个字的编码"); // beyond the BMP: one character
    EXPECT_TRUE(r.lines[3].startsWith(u"中  "));
    r = run({u"--quiet"_qs, u"好"_qs});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.lines, QStringList{u"好  没有这个字的编码"_qs});
    // Nothing Chinese at all: nothing to say, nothing missing.
    r = run({u"abc, 123。"_qs});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.lines.isEmpty());
}

TEST_F(MadeUpFolder, StandardInputIsReadWithoutTextOrForADashAndUniqueShowsEachOnce) {
    QueryRun r = run({}, u"字字\n中\r\n字"_qs);
    EXPECT_EQ(r.lines.size(), 4);
    r = run({u"--unique"_qs}, u"字字\n中\r\n字"_qs);
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_TRUE(r.lines[0].startsWith(u"字"));
    EXPECT_TRUE(r.lines[1].startsWith(u"中"));
    r = run({u"--unique"_qs, u"国"_qs, u"-"_qs, u"国中"_qs}, u"字\n"_qs);
    ASSERT_EQ(r.lines.size(), 3);
    EXPECT_TRUE(r.lines[0].startsWith(u"国"));
    EXPECT_TRUE(r.lines[1].startsWith(u"字"));
    EXPECT_TRUE(r.lines[2].startsWith(u"中"));
}

TEST_F(MadeUpFolder, StandardInputIsUtf8WhateverItsFirstBytes) {
    // Bytes a reader guessing the encoding would take for a UTF-16 byte-order mark.
    QByteArray bytes = "\xff\xfe" + QString(u"字\n中"_qs).toUtf8();
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    QTextStream in(&buffer);
    query::readAsUtf8(in);
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    EXPECT_EQ(query::runQuery({u"zilvaro-query"_qs}, in, out, err, folder.path()), 0);
    const QStringList lines = outText.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(u"字  pbf"));
    EXPECT_TRUE(lines[1].startsWith(u"中  khk"));
}

TEST_F(MadeUpFolder, JsonGivesOneObjectALineWithTheDocumentedFields) {
    const QueryRun r = run({u"--json"_qs, u"字人好"_qs});
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.lines.size(), 3);
    const QJsonObject zi = json(r.lines[0]);
    EXPECT_EQ(zi.value(u"character").toString(), u"字");
    EXPECT_TRUE(zi.value(u"found").toBool());
    EXPECT_EQ(zi.value(u"full_code").toString(), u"pbf");
    EXPECT_EQ(zi.value(u"short_codes").toVariant().toStringList(), QStringList{u"pb"_qs});
    EXPECT_EQ(zi.value(u"kind").toString(), u"compound");
    EXPECT_EQ(zi.value(u"identification_code").toString(), u"f");
    EXPECT_EQ(zi.value(u"readings").toVariant().toStringList(), QStringList{u"zì"_qs});
    EXPECT_EQ(zi.value(u"frequency_rank").toInt(), 30);
    EXPECT_EQ(QJsonDocument(zi.value(u"roots").toArray()).toJson(QJsonDocument::Compact),
              R"([{"key":"p","root":"宀"},{"key":"b","root":"子"}])");
    const QJsonObject ren = json(r.lines[1]);
    EXPECT_EQ(ren.value(u"kind").toString(), u"key");
    EXPECT_FALSE(ren.contains(u"identification_code"));
    EXPECT_EQ(r.lines[2], uR"({"character":"好","found":false})"_qs);
}

TEST_F(MadeUpFolder, AWordIsCodedByTheRuleForItsLength) {
    QueryRun r =
        run({u"--word"_qs, u"中国"_qs, u"--word"_qs, u"中华人"_qs, u"--word"_qs, u"中华人民国"_qs});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.lines.size(), 3);
    EXPECT_EQ(r.lines[0], u"中国  khlg  中 khk  国 lgyi");
    EXPECT_EQ(r.lines[1], u"中华人  kwww  中 khk  华 wxfj  人 wwww");
    EXPECT_EQ(r.lines[2], u"中华人民国  kwwl  中 khk  华 wxfj  人 wwww  民 nav  国 lgyi");
    r = run({u"--json"_qs, u"--word"_qs, u"中 国"_qs});
    ASSERT_EQ(r.lines.size(), 1);
    EXPECT_EQ(
        r.lines[0],
        uR"({"characters":[{"character":"中","full_code":"khk"},{"character":"国","full_code":"lgyi"}],"code":"khlg","found":true,"word":"中国"})"_qs);
    // A character without entry: said, and no code.
    r = run({u"--word"_qs, u"中好"_qs});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.lines, QStringList{u"好  没有这个字的编码"_qs});
}

TEST_F(MadeUpFolder, ACodeGivesItsOwnCharactersThenTheLongerOnesTheMoreFrequentFirst) {
    QueryRun r = run({u"--code"_qs, u"pzf"_qs});
    EXPECT_EQ(r.status, 0);
    QStringList shown;
    for (const QString& line : r.lines) {
        shown << line.mid(8, 1) + line.mid(6, 1);
    }
    // By rank: 安 (20), 字 (30), 宇 (40, by its short code pgf), then 宙 without a rank.
    EXPECT_EQ(shown, (QStringList{u"安="_qs, u"字="_qs, u"宇="_qs, u"宙="_qs}));
    r = run({u"--code"_qs, u"wz"_qs});
    shown.clear();
    for (const QString& line : r.lines) {
        shown << line.mid(8, 1) + line.mid(6, 1);
    }
    EXPECT_EQ(shown, (QStringList{u"人…"_qs, u"华…"_qs})); // wwww and wxfj begin with wz
    r = run({u"--code"_qs, u"PB"_qs});
    ASSERT_EQ(r.lines.size(), 1);
    EXPECT_TRUE(r.lines[0].startsWith(u"pb    = 字  pbf")) << r.lines[0].toStdString();
    r = run({u"--code"_qs, u"p"_qs, u"--limit"_qs, u"2"_qs});
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_TRUE(r.lines[0].contains(u"安")); // p is no code of them: all begin with it
    EXPECT_TRUE(r.lines[0].startsWith(u"p     … "));
    r = run({u"--code"_qs, u"yyyy"_qs, u"--json"_qs});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.lines, QStringList{uR"({"found":false,"query_code":"yyyy"})"_qs});
    r = run({u"--code"_qs, u"zzzz"_qs, u"--json"_qs});
    ASSERT_EQ(r.lines.size(), 4); // 国 人 华 宇: every full code of four keys
    EXPECT_EQ(json(r.lines[0]).value(u"match").toString(), u"exact");
    EXPECT_EQ(json(r.lines[0]).value(u"query_code").toString(), u"zzzz");
}

TEST_F(MadeUpFolder, AWrongCommandLineGivesAShortUsageOnStandardErrorAndStatusTwo) {
    const QList<QStringList> wrong = {
        {u"--frobnicate"_qs},
        {u"--code"_qs},
        {u"--code"_qs, u"pbfgh"_qs},
        {u"--code"_qs, u"p1"_qs},
        {u"--word"_qs, u"中"_qs},
        {u"--word"_qs, u"abc"_qs},
        {u"--code"_qs, u"pb"_qs, u"--limit"_qs, u"0"_qs},
        {u"--limit"_qs, u"3"_qs, u"字"_qs},
        {u"--code"_qs, u"pb"_qs, u"字"_qs},
        {u"--program-dir"_qs},
    };
    for (const QStringList& args : wrong) {
        const QueryRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.lines.isEmpty());
        EXPECT_TRUE(r.err.startsWith(u"zilvaro-query: ")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(u"Usage: zilvaro-query")) << r.err.toStdString();
    }
    QueryRun r = run({u"--help"_qs});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.lines.join(u'\n').contains(u"--code CODE"));
    r = run({u"--version"_qs});
    EXPECT_EQ(r.lines, QStringList{u"zilvaro-query "_qs + QStringLiteral(ZILVARO_VERSION)});
}

TEST_F(MadeUpFolder, ADataProblemNamesTheFileAndTheCauseWithStatusOne) {
    // Nothing is answered: status 1 and one message on standard error.
    const auto problem = [&](const QString& installed, const QStringList& args = {u"字"_qs}) {
        const QueryRun r = runQueryWith(args, installed);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.lines.isEmpty());
        return r.err;
    };
    EXPECT_EQ(problem(folder.path() + u"/none"_qs),
              u"zilvaro-query: Cannot open the record file "_qs + folder.path() +
                  u"/none/wwbb11.dat: it does not exist\n"_qs);
    writeRoots("# Zilvaro roots 2\n字\tcompound\t1\tf\n");
    EXPECT_EQ(problem(folder.path()), u"zilvaro-query: The roots file "_qs + folder.path() +
                                          u"/roots.tsv is damaged at line 2: expected at least "
                                          u"five tab-separated fields, found 4\n"_qs);
    // Files of two builds.
    writeRoots(formatRootFile({{u"字"_qs, u"compound"_qs, 1, u'f', {{u'p', u"宀"_qs}}}}));
    // (--program-dir reads the folder given, not the installed one.)
    EXPECT_TRUE(problem(folder.path() + u"/none"_qs, {u"--program-dir"_qs, folder.path(), u"字"_qs})
                    .contains(u"does not belong to the record file"));
    // A record file built with other codes than the program carries.
    std::vector<MadeUp> other = madeUp();
    other[0].fullCode = u"pbfg"_qs;
    write(other);
    EXPECT_EQ(problem(folder.path()), u"zilvaro-query: The record file "_qs + folder.path() +
                                          u"/wwbb11.dat does not belong to this program: it "
                                          u"gives 字 the full code pbfg, the program pbf\n"_qs);
}

// --- The real data ----------------------------------------------------------------------

class RealData : public ::testing::Test {
protected:
    const QString dir = QStringLiteral(ZILVARO_PROGRAM_DIR);
    void SetUp() override {
        if (!QFile::exists(dir + u"/roots.tsv"_qs) || !QFile::exists(recordFilePath(dir))) {
            GTEST_SKIP() << "the character data is not built yet (cmake --build build --target "
                            "character_data)";
        }
    }
};

TEST_F(RealData, AnswersTheQuestionsOfTypists) {
    QueryRun r = runQueryWith({u"字"_qs}, dir);
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.lines.size(), 1);
    EXPECT_TRUE(r.lines[0].startsWith(u"字  pbf   pb      宀 p  子 b  识别码 f  "));
    EXPECT_TRUE(r.lines[0].endsWith(u"  zì"));
    // Every reading, toned, the most frequent first, as the window's pinyin line has them.
    r = runQueryWith({u"行"_qs}, dir);
    ASSERT_EQ(r.lines.size(), 1);
    EXPECT_TRUE(r.lines[0].endsWith(u"  xíng/háng/héng")) << r.lines[0].toStdString();

    r = runQueryWith({u"--word"_qs, u"中华人民共和国"_qs}, dir);
    ASSERT_EQ(r.lines.size(), 1);
    EXPECT_EQ(r.lines[0], u"中华人民共和国  kwwl  中 khk  华 wxfj  人 wwww  民 nav  共 awu  "
                          u"和 tkg  国 lgyi");

    r = runQueryWith({u"--code"_qs, u"pb"_qs, u"--json"_qs}, dir);
    ASSERT_FALSE(r.lines.isEmpty());
    EXPECT_EQ(json(r.lines[0]).value(u"character").toString(), u"字");
    EXPECT_EQ(json(r.lines[0]).value(u"match").toString(), u"exact");

    r = runQueryWith({u"--code"_qs, u"pzf"_qs, u"--json"_qs}, dir);
    QStringList exact;
    QStringList prefix;
    for (const QString& line : r.lines) {
        const QJsonObject o = json(line);
        (o.value(u"match").toString() == u"exact" ? exact : prefix)
            << o.value(u"character").toString();
    }
    // pvf 安, pbf 字, pmf 宙, pdf 宕 ... and the short codes ptf (宪) and pyf (社).
    for (const QString& c : {u"安"_qs, u"字"_qs, u"宙"_qs, u"宕"_qs, u"宪"_qs, u"社"_qs}) {
        EXPECT_TRUE(exact.contains(c)) << c.toStdString();
    }
    EXPECT_EQ(exact.first(), u"安");     // the most common of them
    EXPECT_TRUE(prefix.contains(u"察")); // pwfi
    EXPECT_FALSE(prefix.contains(u"安"));
}
