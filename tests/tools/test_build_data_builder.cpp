#include "common/data_error.h"
#include "core/gbk.h"
#include "data/character_record.h"
#include "data/root_file.h"
#include "data_builder.h"
#include "lookup/picture_pack.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zilvaro::build;
using Record = zilvaro::CharacterRecord;
using zilvaro::tools::DataError;

namespace {

const QString StrokeFolder = QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/hanzi-writer-data");

// Not in code order: the record file sorts them.
zilvaro::build::RootSources rootSources() {
    const QString source = QStringLiteral(ZILVARO_SOURCE_DIR);
    return {source + u"/data/roots.tsv"_qs,
            source + u"/node_modules/cnchar-order/cnchar.order.min.js"_qs,
            source + u"/data/stroke-supplement.tsv"_qs,
            source + u"/data/stroke-drawing-order.tsv"_qs,
            source + u"/node_modules/hanzi/lib/data/frequencyjunda.txt.js"_qs};
}

const char* const Table = "中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3\n"
                          "\n"
                          "国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6\n"
                          "一\tggll\tg\tgg\tstroke\tg:0\n";

class DataBuilder : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString program = dir.filePath(QStringLiteral("program"));

    QString writeTable(const QByteArray& text,
                       const QString& name = QStringLiteral("decomposition.tsv")) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    BuildSummary build(const QString& table, const QString& strokes = StrokeFolder) {
        return buildProgramData({table, strokes, StrokeFolder + QStringLiteral("/ARPHICPL.TXT"),
                                 program, rootSources()});
    }
    QString errorOf(const QString& table, const QString& strokes = StrokeFolder) {
        try {
            build(table, strokes);
        } catch (const DataError& e) {
            return e.message();
        }
        return QString();
    }
    QByteArray read(const QString& name) {
        QFile file(QDir(program).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList programFolder() {
        return QDir(program).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
};

} // namespace

TEST_F(DataBuilder, WritesThePicturesTheLicenceAndTheSortedRecords) {
    const BuildSummary summary = build(writeTable(Table));
    EXPECT_EQ(summary.characters, 3);
    ASSERT_EQ(summary.leastCovered.size(), 3u);
    EXPECT_GE(summary.leastCovered[0].first, 0.97);
    EXPECT_LE(summary.leastCovered[0].first, summary.leastCovered[2].first);

    const QByteArray records = read(QStringLiteral("wwbb11.dat"));
    ASSERT_EQ(records.size(), 3 * Record::Size);
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        order << zilvaro::fromGbk(QByteArrayView(records).sliced(
            i * Record::Size + Record::CharacterOffset, Record::CharacterWidth));
    }
    EXPECT_EQ(order, (QStringList{u"国"_qs, u"一"_qs, u"中"_qs})); // B9FA, D2BB, D6D0

    EXPECT_EQ(programFolder(),
              (QStringList{u"bmp"_qs, u"bmp@2x.pack"_qs, u"roots.tsv"_qs, u"wwbb11.dat"_qs}));
    QStringList pictures = QDir(QDir(program).filePath(u"bmp"_qs)).entryList(QDir::Files);
    pictures.sort();
    QStringList expected{u"ARPHICPL.TXT"_qs, u"一.bmp"_qs, u"中.bmp"_qs, u"国.bmp"_qs};
    expected.sort();
    EXPECT_EQ(pictures, expected);
    EXPECT_EQ(QImage(QDir(program).filePath(u"bmp/国.bmp"_qs)).size(), QSize(108, 109));
    // Each character's sharp picture in the pack, twice as large, one bit, readable by all
    // as the other files are.
    const QString packPath = QDir(program).filePath(u"bmp@2x.pack"_qs);
    const zilvaro::PicturePack pack(packPath);
    EXPECT_EQ(pack.size(), 3);
    const QImage sharp = QImage::fromData(pack.bmpFile(U'国').value_or(QByteArray()), "BMP");
    EXPECT_EQ(sharp.size(), QSize(216, 218));
    EXPECT_EQ(sharp.depth(), 1);
    EXPECT_EQ(QFileInfo(packPath).permissions() & QFileDevice::ReadOther, QFileDevice::ReadOther);
    EXPECT_FALSE(read(QStringLiteral("bmp/ARPHICPL.TXT")).isEmpty());

    // The roots file in the records' order, each root named by the chart.
    const std::vector<zilvaro::RootEntry> roots =
        zilvaro::parseRootFile(read(QStringLiteral("roots.tsv")), u"roots.tsv"_qs);
    ASSERT_EQ(roots.size(), 3u);
    EXPECT_EQ(roots[0].character, u"国");
    EXPECT_EQ(roots[0].kind, u"compound");
    EXPECT_EQ(roots[0].identification, u'i');
    EXPECT_EQ(roots[0].roots, (QVector<zilvaro::RootEntry::Root>{
                                  {u'l', u"囗"_qs}, {u'g', u"王"_qs}, {u'y', u"丶"_qs}}));
    EXPECT_GT(roots[0].frequencyRank, 0);
    EXPECT_EQ(roots[1].character, u"一");
    EXPECT_EQ(roots[1].kind, u"stroke");
    EXPECT_TRUE(roots[1].identification.isNull()); // ggll ends in no identification code
    EXPECT_EQ(roots[1].frequencyRank, 2);
    EXPECT_EQ(roots[2].roots,
              (QVector<zilvaro::RootEntry::Root>{{u'k', u"口"_qs}, {u'h', u"丨"_qs}}));
}

TEST_F(DataBuilder, AFaultyInputNamesItsPlaceAndLeavesThePreviousOutputAlone) {
    build(writeTable(Table));
    const QByteArray records = read(QStringLiteral("wwbb11.dat"));
    const QByteArray picture = read(QStringLiteral("bmp/中.bmp"));

    // A malformed line: the file and line number, then the character.
    QString error = errorOf(writeTable(QByteArray(Table) + "好\tvbg\t\tvb\tcompound\tv:0,1,2\n",
                                       QStringLiteral("bad.tsv")));
    EXPECT_TRUE(error.startsWith(u"bad.tsv:5: 好: ")) << error.toStdString();
    // A character listed twice.
    error = errorOf(writeTable(QByteArray(Table) + "中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3\n"));
    EXPECT_TRUE(error.contains(u"中 is listed a second time")) << error.toStdString();
    // Strokes that do not match the roots (中 has four).
    error =
        errorOf(writeTable("一\tggll\tg\tgg\tstroke\tg:0\n中\tkhk\tk\tkh\tcompound\tk:0,1\th:3\n"));
    EXPECT_EQ(error, u"中: stroke 2 belongs to no root");
    // A character without stroke data, found after others were drawn.
    QTemporaryDir strokes;
    for (const char* c : {"中", "一"}) {
        const QString name = QString::fromUtf8(c) + QStringLiteral(".json");
        QFile::copy(StrokeFolder + u'/' + name, strokes.filePath(name));
    }
    error = errorOf(writeTable(Table), strokes.path());
    EXPECT_TRUE(error.startsWith(u"国: no stroke data")) << error.toStdString();
    // A root that no root of the chart on its key fits: 中's 丨 on the key g.
    error = errorOf(writeTable("中\tkgk\tk\tkg\tcompound\tk:0,1,2\tg:3\n"));
    EXPECT_EQ(error, u"中: root 2 (g with strokes of the classes 2) is no root of the chart")
        << error.toStdString();
    // A full code other than the one the program shows for the character.
    error = errorOf(writeTable("中\tkhd\tk\tkh\tcompound\tk:0,1,2\th:3\n"));
    EXPECT_EQ(error, u"中: the full code khd is not the longest of the codes the program carries "
                     u"(k,kh,khk)")
        << error.toStdString();
    // A missing table.
    EXPECT_TRUE(errorOf(dir.filePath(u"none.tsv"_qs)).contains(u"none.tsv: cannot be read"));

    EXPECT_EQ(read(QStringLiteral("wwbb11.dat")), records);
    EXPECT_EQ(read(QStringLiteral("bmp/中.bmp")), picture);
    EXPECT_EQ(programFolder(), (QStringList{u"bmp"_qs, u"bmp@2x.pack"_qs, u"roots.tsv"_qs,
                                            u"wwbb11.dat"_qs})); // no leftovers
}

TEST_F(DataBuilder, ABuildReplacesEveryOldPictureAndWhatAnInterruptedOneLeft) {
    build(writeTable(Table));
    QDir(program).mkpath(QStringLiteral("bmp.building-abc123/x"));
    QFile leftover(QDir(program).filePath(QStringLiteral("wwbb11.dat.building-abc123")));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    build(writeTable("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3\n"));
    EXPECT_EQ(read(QStringLiteral("wwbb11.dat")).size(), Record::Size);
    EXPECT_TRUE(read(QStringLiteral("bmp/国.bmp")).isEmpty());
    EXPECT_FALSE(read(QStringLiteral("bmp/中.bmp")).isEmpty());
    EXPECT_EQ(zilvaro::PicturePack(QDir(program).filePath(u"bmp@2x.pack"_qs)).size(), 1);
    EXPECT_EQ(programFolder(),
              (QStringList{u"bmp"_qs, u"bmp@2x.pack"_qs, u"roots.tsv"_qs, u"wwbb11.dat"_qs}));
}

TEST(RootNames, TellTheRootsOfOneKeyWithTheSameStrokesApartByTheirShape) {
    const RootNamer namer = RootNamer::load(rootSources(), StrokeFolder);
    const auto names = [&](const char* line) {
        QStringList out;
        for (const zilvaro::RootEntry::Root& root :
             namer.entryOf(parseDecompositionLine(QString::fromUtf8(line), u"t"_qs)).roots) {
            out << root.name;
        }
        return out.join(u' ');
    };
    // The longer 横 below: 土; above: 士.
    EXPECT_EQ(names("地\tfbn\tf\tfb\tcompound\tf:0,1,2\tb:3,4,5"), u"土 也");
    EXPECT_EQ(names("志\tfnu\t\tfn\tcompound\tf:0,1,2\tn:3,4,5,6"), u"士 心");
    // 撇 and 捺 meeting: 人; apart: 八; meeting through the 三 of 春: either.
    EXPECT_EQ(names("从\twwy\t\tww\tcompound\tw:0,1\tw:2,3"), u"人 人");
    EXPECT_EQ(names("分\twvb\t\twv\tcompound\tw:0,1\tv:2,3"), u"八 刀");
    EXPECT_EQ(names("春\tdwjf\tdw\tdwj\tcompound\td:0,1,2\tw:3,4\tj:5,6,7,8"), u"三 人/八 日/曰");
}
