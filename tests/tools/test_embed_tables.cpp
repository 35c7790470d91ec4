// The build step that turns the GBK table texts into the program's UTF-16 literals.

#include "core/gbk.h"
#include "data/table_segment_names.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct EmbedRun {
    int exitCode = -1;
    QString errors;
};

EmbedRun embed(const QString& output, const QString& folder) {
    QProcess process;
    process.start(QStringLiteral(ZILVARO_EMBED_TABLES), {output, folder});
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

// Writes the ten segment files and the two character lists into `folder`, each holding
// one row, `bad` (if given) holding `badBytes` instead.
void writeSegments(const QString& folder, const QString& bad = QString(),
                   const QByteArray& badBytes = QByteArray()) {
    const auto put = [&](const QString& name, const QByteArray& bytes) {
        QFile file(folder + u'/' + zilvaro::tableSegmentFileName(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name == bad ? badBytes : bytes);
    };
    for (int n = 1; n <= zilvaro::TableSegmentCount; ++n) {
        for (const QString& name : {zilvaro::pinyinSegmentName(n), zilvaro::strokeSegmentName(n)}) {
            put(name, *zilvaro::toGbk(QStringLiteral("啊a     \r\n\"\\\r\n")));
        }
    }
    put(QStringLiteral("codes"), "# codes\n啊\tkb kbsk\n");
    put(QStringLiteral("readings"), "啊\tā á\n");
}

} // namespace

TEST(EmbedTables, WritesEveryCharacterAsAnEscapeOrPlainAscii) {
    QTemporaryDir dir;
    writeSegments(dir.path());
    const QString output = dir.filePath(QStringLiteral("texts.cpp"));
    const EmbedRun run = embed(output, dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString source = QString::fromUtf8(file.readAll());
    // 啊 as an escape, CR LF, the quote and the backslash escaped, the size in UTF-16
    // units.
    EXPECT_TRUE(source.contains(QStringLiteral("u\"\\u554aa     \\r\\n\\\"\\\\\\r\\n\"")))
        << source.toStdString();
    EXPECT_TRUE(source.contains(QStringLiteral("{") + zilvaro::strokeSegmentName(5) +
                                QStringLiteral(", 13}")));
    // The character lists as they are, comments included.
    EXPECT_TRUE(source.contains(QStringLiteral("u\"# codes\\n\\u554a\\011kb kbsk\\n\"")))
        << source.toStdString();
    EXPECT_TRUE(source.contains(QStringLiteral("const TableText WubiCodesText = {codes, 18};")));
    EXPECT_TRUE(source.contains(QStringLiteral("u\"\\u554a\\011\\u0101 \\u00e1\\n\"")));
}

TEST(EmbedTables, BadInputStopsTheBuildNamingFileAndLineAndWritesNothing) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("texts.cpp"));
    // A byte that starts no GBK character, on the second line.
    writeSegments(dir.path(), zilvaro::strokeSegmentName(3), QByteArray("ok\r\n\xff\x20\r\n"));
    EmbedRun run = embed(output, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(
        dir.filePath(zilvaro::tableSegmentFileName(zilvaro::strokeSegmentName(3))) +
        QStringLiteral(":2: is not valid GBK text")))
        << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(output));
    // An empty segment, and a missing one.
    writeSegments(dir.path(), zilvaro::pinyinSegmentName(1), QByteArray());
    run = embed(output, dir.path());
    const QString first = zilvaro::tableSegmentFileName(zilvaro::pinyinSegmentName(1));
    EXPECT_TRUE(run.errors.contains(first + QStringLiteral(": is empty")))
        << run.errors.toStdString();
    writeSegments(dir.path());
    const QString second = zilvaro::tableSegmentFileName(zilvaro::pinyinSegmentName(2));
    QFile::remove(dir.filePath(second));
    run = embed(output, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(second + QStringLiteral(": cannot be read")));
    EXPECT_FALSE(QFile::exists(output));
    // A character list with a malformed line, or one that is not UTF-8.
    writeSegments(dir.path(), QStringLiteral("readings"), QByteArray("啊\tā\n阿 ā\n"));
    run = embed(output, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(dir.filePath(QStringLiteral("readings.txt")) +
                                    QStringLiteral(":2: expected a character")))
        << run.errors.toStdString();
    writeSegments(dir.path(), QStringLiteral("codes"), QByteArray("\xB0\xA1\tkb\n"));
    run = embed(output, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("codes.txt"))) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(output));
}
