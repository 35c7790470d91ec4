#include "core/gbk.h"
#include "data/character_record.h"

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {
CharacterRecord guo() {
    return {QStringLiteral("国"),
            QStringLiteral("lgyi"),
            QStringLiteral("l"),
            QStringLiteral("lgy"),
            QStringLiteral(" 300 450"),
            QStringLiteral("0"),
            QString(),
            QStringLiteral("  15  30")};
}
} // namespace

TEST(CharacterRecord, EncodesEachFieldAtItsOffsetFilledWithBlanks) {
    const QByteArray bytes = guo().encode().value();
    ASSERT_EQ(bytes.size(), 302);
    EXPECT_EQ(bytes.left(14), *toGbk(u"国") + "lgyil   lgy ");
    EXPECT_EQ(bytes.mid(14, 72), QByteArray(" 300 450").leftJustified(72));
    EXPECT_EQ(bytes.mid(86, 72), QByteArray("0").leftJustified(72));
    EXPECT_EQ(bytes.mid(158, 72), QByteArray(72, ' '));
    EXPECT_EQ(bytes.mid(230), QByteArray("  15  30").leftJustified(72));
}

TEST(CharacterRecord, DecodesWhatItEncodesAndEncodesWhatItDecodes) {
    const CharacterRecord back = CharacterRecord::decode(guo().encode().value());
    EXPECT_EQ(back.Character, u"国 ");
    EXPECT_EQ(back.FullCode, u"lgyi");
    EXPECT_EQ(back.ShortCode, u"l   ");
    EXPECT_EQ(back.RootCode, u"lgy ");
    EXPECT_EQ(back.FillPoints1, QStringLiteral(" 300 450").leftJustified(72));
    EXPECT_EQ(back.FillPoints2, QStringLiteral("0").leftJustified(72));
    EXPECT_EQ(back.FillPoints3, QString(72, u' '));
    EXPECT_EQ(back.FillPoints4, QStringLiteral("  15  30").leftJustified(72));
    // The blanks decoding adds do not count against a field's width.
    EXPECT_EQ(back.encode(), guo().encode());

    // Every field at its full width, and an all-blank record.
    const QString nine = QStringLiteral("1234567 ").repeated(9);
    const CharacterRecord full{QStringLiteral("字"),
                               QStringLiteral("pbfy"),
                               QStringLiteral("pbfy"),
                               QStringLiteral("pbfy"),
                               nine,
                               nine,
                               nine,
                               nine};
    const QByteArray fullBytes = full.encode().value();
    EXPECT_FALSE(fullBytes.contains("  "));
    EXPECT_EQ(CharacterRecord::decode(fullBytes).FillPoints4, nine);
    EXPECT_EQ(CharacterRecord::decode(fullBytes).encode(), fullBytes);
    EXPECT_EQ(CharacterRecord{}.encode(), QByteArray(302, ' '));
}

TEST(CharacterRecord, RefusesAFieldThatDoesNotFit) {
    QString error;
    CharacterRecord record = guo();
    record.FullCode = QStringLiteral("lgyig");
    EXPECT_EQ(record.encode(&error), std::nullopt);
    EXPECT_EQ(error, u"\"lgyig\" does not fit in 4 GBK bytes");

    record = guo();
    record.Character = QStringLiteral("国家"); // four bytes in two columns
    EXPECT_EQ(record.encode(), std::nullopt);
    record = guo();
    record.Character = QStringLiteral("😀"); // no GBK form
    EXPECT_EQ(record.encode(), std::nullopt);
    record = guo();
    record.FillPoints3 = QString(73, u'1');
    EXPECT_EQ(record.encode(&error), std::nullopt);
    EXPECT_TRUE(error.endsWith(u"does not fit in 72 GBK bytes"));
    // Leading blanks count; only trailing ones are fill.
    record = guo();
    record.ShortCode = QStringLiteral("  abc");
    EXPECT_EQ(record.encode(), std::nullopt);
}
