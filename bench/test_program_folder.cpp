#include "program_folder.h"

#include "core/gbk.h"
#include "data/record_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zilvaro;
using namespace zilvaro::bench;

namespace {
void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

void makeDataFolder(const QString& path) {
    QDir().mkpath(path + QStringLiteral("/bmp"));
    touch(recordFilePath(path));
}
} // namespace

class ProgramFolderChoice : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString build() const { return root.filePath(QStringLiteral("build")); }
    QString madeUp() const { return root.filePath(QStringLiteral("made-up")); }
};

TEST_F(ProgramFolderChoice, ARequestedFolderMustHoldItsData) {
    const QString given = root.filePath(QStringLiteral("given"));
    QDir().mkpath(given);
    touch(recordFilePath(given));
    try {
        chooseProgramFolder(given, build(), madeUp());
        FAIL() << "a folder without bmp/ was taken";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(given.toStdString()), std::string::npos);
    }
    EXPECT_FALSE(QDir(madeUp()).exists()); // nothing made in its place
}

TEST_F(ProgramFolderChoice, TakesTheRequestedThenTheBuildsFolderAsRealData) {
    const QString given = root.filePath(QStringLiteral("given"));
    makeDataFolder(given);
    makeDataFolder(build());
    const BenchFolder chosen = chooseProgramFolder(given, build(), madeUp());
    EXPECT_EQ(chosen.path, given);
    EXPECT_EQ(chosen.description, QStringLiteral("real data: ") + given);
    EXPECT_EQ(chooseProgramFolder(QString(), build(), madeUp()).path, build());
    EXPECT_FALSE(QDir(madeUp()).exists());
}

TEST_F(ProgramFolderChoice, MakesTheMadeUpDataOnceWhenTheBuildHasNone) {
    QDir().mkpath(build()); // the build's folder without the record file
    const BenchFolder chosen = chooseProgramFolder(QString(), build(), madeUp());
    EXPECT_EQ(chosen.path, madeUp());
    EXPECT_EQ(chosen.description, QStringLiteral("made-up data: ") + madeUp());
    // Nothing of the temporary folder it was made in is left beside it.
    EXPECT_EQ(QDir(root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("build"), QStringLiteral("made-up")}));

    RecordFile records(recordFilePath(madeUp()));
    ASSERT_EQ(records.recordCount(), 6763);
    const CharacterRecord first = records.read(1);
    const CharacterRecord last = records.read(6763);
    EXPECT_EQ(first.Character, QStringLiteral("啊 "));
    EXPECT_EQ(last.Character, QStringLiteral("齄 "));
    // Every slot gets a seed inside the picture's frame, so every hit fills four roots.
    for (const QString& seeds :
         {last.FillPoints1, last.FillPoints2, last.FillPoints3, last.FillPoints4}) {
        EXPECT_EQ(seeds.trimmed(), QStringLiteral("750 750"));
    }
    EXPECT_EQ(QDir(madeUp() + QStringLiteral("/bmp")).entryList(QDir::Files).size(), 6763);
    const QImage picture(madeUp() + QStringLiteral("/bmp/齄.bmp"));
    EXPECT_EQ(picture.size(), QSize(108, 109));

    // A second choice takes the folder as it is.
    touch(madeUp() + QStringLiteral("/left-alone"));
    EXPECT_EQ(chooseProgramFolder(QString(), build(), madeUp()).path, madeUp());
    EXPECT_TRUE(QFile::exists(madeUp() + QStringLiteral("/left-alone")));
}
