#include "core/failure.h"
#include "data/record_file.h"
#include "record_builder.h"

#include <QFile>

#include <functional>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace zilvaro;
using namespace zilvaro::test;

TEST(RecordFile, FieldsAreDecodedAndBlankFilledToTheirWidth) {
    ProgramFolder folder;
    CharacterRecord fields{QStringLiteral("国"),       QStringLiteral("lgyi"),
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

namespace {
// The message of the failure the start-up check raises, empty when the file passes.
QString checkFailure(const ProgramFolder& folder) {
    try {
        RecordFile file(folder.recordFilePath());
        file.checkLayout();
    } catch (const Failure& failure) {
        return failure.message();
    }
    return {};
}
} // namespace

TEST(RecordFile, TheStartUpCheckPassesASoundFileOfAnySize) {
    for (const int n : {1, 2, 6763}) {
        ProgramFolder folder;
        folder.writeRecords(recordsFor(gb2312Characters(n)));
        EXPECT_EQ(checkFailure(folder), QString()) << n;
    }
    // Codes may be blank (a character without a short code), and the middle is not read.
    ProgramFolder folder;
    auto records = recordsFor(gb2312Characters(3));
    records[0].ShortCode = QString();
    records[1].FullCode = QStringLiteral("€€");
    folder.writeRecords(records);
    EXPECT_EQ(checkFailure(folder), QString());
}

TEST(RecordFile, TheStartUpCheckNamesTheFileAndWhatIsWrong) {
    const QString prefix = QStringLiteral("The record file ");
    {
        ProgramFolder folder;
        folder.writeBytes({});
        EXPECT_EQ(checkFailure(folder),
                  prefix + folder.recordFilePath() + QStringLiteral(" is empty"));
    }
    {
        ProgramFolder folder;
        folder.writeRecords(recordsFor(gb2312Characters(2)), QByteArray(150, ' '));
        EXPECT_EQ(checkFailure(folder),
                  prefix + folder.recordFilePath() +
                      QStringLiteral(" is damaged: its length, 754 bytes, is not a whole number "
                                     "of 302-byte records"));
    }
    {
        // Shuffled: the first record's key is not below the last one's.
        ProgramFolder folder;
        auto records = recordsFor(gb2312Characters(4));
        std::swap(records.front(), records.back());
        folder.writeRecords(records);
        EXPECT_EQ(checkFailure(folder),
                  prefix + folder.recordFilePath() +
                      QStringLiteral(" is damaged: its records are not in order (the key of the "
                                     "first, -20316, is not below that of the last, -20319)"));
    }
    {
        ProgramFolder folder;
        auto records = recordsFor(gb2312Characters(2));
        records[1].FullCode = QStringLiteral("BAD");
        folder.writeRecords(records);
        EXPECT_EQ(checkFailure(folder),
                  prefix + folder.recordFilePath() +
                      QStringLiteral(" is damaged: the codes of record 2 hold bytes other than "
                                     "lower-case letters and blanks (42 41 44 20 62 62 20 20 62 "
                                     "62 62 62)"));
    }
    {
        // Random bytes: junk in the first record's codes.
        ProgramFolder folder;
        QByteArray junk;
        for (int i = 0; i < 3 * CharacterRecord::Size; ++i) {
            junk.append(static_cast<char>((i * 37 + 11) % 256));
        }
        folder.writeBytes(junk);
        EXPECT_TRUE(checkFailure(folder).startsWith(prefix + folder.recordFilePath() +
                                                    QStringLiteral(" is damaged")));
    }
}

TEST(RecordFile, EveryRecordReadIsCheckedAndAFaultNamesTheRecordAndTheField) {
    const auto faultOf = [](const std::function<void(QByteArray&)>& spoil) {
        ProgramFolder folder;
        QByteArray bytes;
        for (const CharacterRecord& record : recordsFor(gb2312Characters(9))) {
            bytes += encodeRecord(record);
        }
        QByteArray middle = bytes.mid(4 * CharacterRecord::Size, CharacterRecord::Size);
        spoil(middle);
        bytes.replace(4 * CharacterRecord::Size, CharacterRecord::Size, middle);
        folder.writeBytes(bytes);
        RecordFile file(folder.recordFilePath());
        file.checkLayout(); // the ends are sound
        try {
            file.read(5);
        } catch (const Failure& failure) {
            const QString prefix = QStringLiteral("The record file ") + folder.recordFilePath() +
                                   QStringLiteral(" is damaged: record 5 ");
            return failure.message().startsWith(prefix) ? failure.message().mid(prefix.size())
                                                        : failure.message();
        }
        return QString();
    };
    const auto at = [](int offset, QByteArray text) {
        return [offset, text](QByteArray& record) { record.replace(offset, text.size(), text); };
    };
    const QString character =
        QStringLiteral("has a character field that is not one GB2312 character");
    const QString fullCode =
        QStringLiteral("has a full code field that is not lower-case letters and blanks");
    const QString rootCode =
        QStringLiteral("has a root code field that is not lower-case letters and blanks");
    const auto seeds = [](const char* which) {
        return QStringLiteral("has a %1 seed list that is not seeds of four-column numbers and "
                              "blanks")
            .arg(QLatin1StringView(which));
    };
    EXPECT_EQ(faultOf([](QByteArray&) {}), QString());
    EXPECT_EQ(faultOf(at(0, "ab")), character);
    EXPECT_EQ(faultOf(at(0, QByteArray(2, '\0'))), character);
    EXPECT_EQ(faultOf(at(0, "\xA1\x20")), character);
    EXPECT_EQ(faultOf(at(0, "\xAA\xA1")), character); // GBK's user-defined area
    EXPECT_EQ(faultOf(at(0, "\x81\x40")), character); // GBK, but not GB2312
    EXPECT_EQ(faultOf(at(2, QByteArray(1, '\0'))), fullCode);
    EXPECT_EQ(faultOf(at(2, "a b ")), fullCode);     // letters, then blanks
    EXPECT_EQ(faultOf(at(2, "\xD7\xD6")), fullCode); // GBK text
    EXPECT_EQ(faultOf(at(10, "ABC")), rootCode);
    EXPECT_EQ(faultOf(at(14, QByteArray(72, '\0'))), seeds("first"));
    EXPECT_EQ(faultOf(at(14, " 300")), seeds("first")); // a seed without its y
    EXPECT_EQ(faultOf(at(14, "0")), seeds("first"));    // the mark is only for the third and fourth
    EXPECT_EQ(faultOf(at(86, "\xD7\xD6\xB7\xFB")), seeds("second"));
    EXPECT_EQ(faultOf(at(158, " 3 0 450")), seeds("third"));
    EXPECT_EQ(faultOf(at(230 + 16, "  12  34")), seeds("fourth")); // after the list's end
    EXPECT_EQ(faultOf(at(230, "-300 450")), seeds("fourth"));
    QByteArray random;
    for (int i = 0; i < 72; ++i) {
        random.append(static_cast<char>((i * 37 + 11) % 256));
    }
    EXPECT_EQ(faultOf(at(158, random)), seeds("third"));
    // What records hold: right- or left-aligned numbers, blanks, the mark.
    EXPECT_EQ(faultOf(at(14, "300 45  " + QByteArray(64, ' '))), QString());
    EXPECT_EQ(faultOf(at(158, "0" + QByteArray(71, ' '))), QString());
    EXPECT_EQ(faultOf(at(230, QByteArray(72, ' '))), QString());
    EXPECT_EQ(faultOf(at(6, "    ")), QString()); // no second code
}

TEST(RecordFile, AFileZeroedWhileOpenIsRefusedAtTheNextRead) {
    ProgramFolder folder;
    folder.writeRecords(recordsFor(gb2312Characters(10)));
    RecordFile file(folder.recordFilePath());
    file.checkLayout();
    folder.writeBytes(QByteArray(10 * CharacterRecord::Size, '\0'));
    try {
        file.read(7);
        FAIL() << "a zeroed record was read";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(),
                  QStringLiteral("The record file ") + folder.recordFilePath() +
                      QStringLiteral(" is damaged: record 7 has a character field that is not "
                                     "one GB2312 character"));
    }
}

TEST(RecordFile, AFileCutShortWhileOpenSaysSo) {
    ProgramFolder folder;
    folder.writeRecords(recordsFor(gb2312Characters(10)));
    RecordFile file(folder.recordFilePath());
    ASSERT_TRUE(QFile::resize(folder.recordFilePath(), CharacterRecord::Size * 4 + 100));
    EXPECT_EQ(file.read(4).Character, QStringLiteral("挨 "));
    try {
        file.read(5);
        FAIL() << "a record beyond the end was read";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(),
                  QStringLiteral("The record file ") + folder.recordFilePath() +
                      QStringLiteral(" was cut short while Zilvaro ran: record 5 "
                                     "lies beyond its end"));
    }
}

TEST(RecordFile, ANamedPipeFailsAtOnceInsteadOfWaitingForAWriter) {
    ProgramFolder folder;
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.recordFilePath()).constData(), 0600), 0);
    try {
        RecordFile file(folder.recordFilePath());
        FAIL() << "a named pipe was opened";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(),
                  QStringLiteral("Cannot open the record file ") + folder.recordFilePath() +
                      QStringLiteral(": it is a named pipe, not a regular file"));
    }
}
