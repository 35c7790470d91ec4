#include "common/atomic_file.h"

#include "tools_common_files.h"

#include <QDir>
#include <QFileInfo>

#include <gmock/gmock.h>

using namespace zilvaro::tools;
using test::failure;
using ::testing::HasSubstr;

namespace {
class AtomicFile : public test::InputFiles {
protected:
    QByteArray read(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
};
} // namespace

TEST_F(AtomicFile, ReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    const QString path = write(QStringLiteral("table.txt"), "old content, longer than the new");
    writeFileAtomically(path, "new");
    EXPECT_EQ(read(path), QByteArray("new"));
    writeFileAtomically(path, QByteArray());
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("table.txt")});
}

TEST_F(AtomicFile, AFailedWriteNamesThePathAndLeavesWhatWasThere) {
    // The path is a folder: the new content cannot take its place.
    const QString folder = dir.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(folder));
    write(QStringLiteral("pictures/a.bmp"), "picture");
    EXPECT_THAT(failure([&] { writeFileAtomically(folder, "new"); }),
                HasSubstr("pictures: cannot be written ("));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(read(dir.filePath(QStringLiteral("pictures/a.bmp"))), QByteArray("picture"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList()); // no temporary left
    // A folder that does not exist.
    EXPECT_THAT(failure([&] { writeFileAtomically(dir.filePath("no/such/x.txt"), "x"); }),
                HasSubstr("x.txt: cannot be written"));
}

TEST_F(AtomicFile, OutputsReplacedTogetherAreAllNewOrAllOld) {
    const QString records = write(QStringLiteral("records.dat"), "old records");
    const QString roots = write(QStringLiteral("roots.tsv"), "old roots");
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("pictures")));
    write(QStringLiteral("pictures/a.bmp"), "old picture");
    const QString pictures = dir.filePath(QStringLiteral("pictures"));
    auto stage = [&] {
        EXPECT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("new")));
        write(QStringLiteral("new/a.bmp"), "new picture");
        return std::vector<StagedOutput>{
            {dir.filePath(QStringLiteral("new")), pictures},
            {write(QStringLiteral("records.new"), "new records"), records},
            {write(QStringLiteral("roots.new"), "new roots"), roots}};
    };
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    // Whichever move fails, the moves before it are undone: the pictures never stand
    // beside the old records, and no ".old" output is left.
    for (int failing = 1; failing <= 6; ++failing) {
        SCOPED_TRACE(failing);
        const std::vector<StagedOutput> outputs = stage();
        int moves = 0;
        const MoveFunction failAt = [&](const QString& from, const QString& to) {
            return ++moves != failing && QDir().rename(from, to);
        };
        EXPECT_THAT(failure([&] { replaceTogether(outputs, failAt); }),
                    HasSubstr("cannot be replaced"));
        EXPECT_EQ(read(records), QByteArray("old records"));
        EXPECT_EQ(read(roots), QByteArray("old roots"));
        EXPECT_EQ(read(pictures + QStringLiteral("/a.bmp")), QByteArray("old picture"));
        for (const QString& name :
             QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            EXPECT_FALSE(name.endsWith(u".old")) << name.toStdString();
        }
        for (const StagedOutput& output : outputs) {
            QDir(output.staged).removeRecursively();
            QFile::remove(output.staged);
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);

    // When every move succeeds, all are new and the old ones are gone.
    replaceTogether(stage());
    EXPECT_EQ(read(records), QByteArray("new records"));
    EXPECT_EQ(read(roots), QByteArray("new roots"));
    EXPECT_EQ(read(pictures + QStringLiteral("/a.bmp")), QByteArray("new picture"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}
