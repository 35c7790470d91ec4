#include "core/failure.h"
#include "data/record_file.h"
#include "record_builder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace zilvaro;
using namespace zilvaro::test;

TEST(RecordFile, FieldsAreDecodedAndBlankFilledToTheirWidth) {
    ProgramFolder folder;
    RecordFields fields{QStringLiteral("国"),       QStringLiteral("lgyi"),
                        QStringLiteral("l"),        QStringLiteral("lgy"),
                        QStringLiteral(" 300 450"), QStringLiteral("600 900"),
                        QStringLiteral("0"),        QString()};
    folder.writeRecords({fields});
    RecordFile file(folder.recordFilePath());
    ASSERT_EQ(file.recordCount(), 1);
    const CharacterRecord r = file.read(1);
    EXPECT_EQ(r.Character, QStringLiteral("国 "));
    EXPECT_EQ(r.FullCode, QStringLiteral("lgyi"));
    EXPECT_EQ(r.ShortCode, QStringLiteral("l   "));
    EXPECT_EQ(r.RootCode, QStringLiteral("lgy "));
    EXPECT_EQ(r.FillPoints1, QStringLiteral(" 300 450") + QString(64, u' '));
    EXPECT_EQ(r.FillPoints2.size(), 72);
    EXPECT_EQ(r.FillPoints3.trimmed(), QStringLiteral("0"));
    EXPECT_EQ(r.FillPoints4, QString(72, u' '));
}

TEST(RecordFile, RecordsAreReadByNumber) {
    ProgramFolder folder;
    folder.writeRecords(recordsFor(gb2312Characters(5)));
    RecordFile file(folder.recordFilePath());
    EXPECT_EQ(file.recordCount(), 5);
    EXPECT_EQ(file.read(1).Character, QStringLiteral("啊 "));
    EXPECT_EQ(file.read(5).Character, QStringLiteral("哎 "));
    EXPECT_EQ(file.read(2).Character, QStringLiteral("阿 "));
}

TEST(RecordFile, ANumberOutsideTheFileIsAFailure) {
    ProgramFolder folder;
    folder.writeRecords(recordsFor(gb2312Characters(3)));
    RecordFile file(folder.recordFilePath());
    EXPECT_THROW(file.read(0), Failure);
    EXPECT_THROW(file.read(-1), Failure);
    EXPECT_THROW(file.read(4), Failure);
    try {
        file.read(0);
    } catch (const Failure& f) {
        EXPECT_TRUE(f.message().contains(QStringLiteral("0")));
        EXPECT_TRUE(f.message().contains(folder.recordFilePath()));
    }
}

TEST(RecordFile, AMissingFileIsAFailureNamingItAndIsNotCreated) {
    ProgramFolder folder;
    try {
        RecordFile file(folder.recordFilePath());
        FAIL() << "opening a missing file succeeded";
    } catch (const Failure& f) {
        EXPECT_TRUE(f.message().contains(folder.recordFilePath()));
    }
    EXPECT_FALSE(QFile::exists(folder.recordFilePath()));
}

TEST(RecordFile, ATrailingPartialRecordIsNeverCounted) {
    ProgramFolder folder;
    folder.writeRecords(recordsFor(gb2312Characters(2)), QByteArray(150, 'x'));
    RecordFile file(folder.recordFilePath());
    EXPECT_EQ(file.recordCount(), 2);
    EXPECT_THROW(file.read(3), Failure);
}

TEST(RecordFile, AnEmptyFileHasNoRecords) {
    ProgramFolder folder;
    folder.writeBytes({});
    RecordFile file(folder.recordFilePath());
    EXPECT_EQ(file.recordCount(), 0);
    EXPECT_THROW(file.read(1), Failure);
}
