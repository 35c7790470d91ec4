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
