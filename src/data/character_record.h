#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zilvaro {

// One record of wwbb11.dat: 302 bytes of GBK text, blank-filled, no separators.
// Each field is decoded from GBK and brought to as many characters as its width in
// bytes by appending blanks, so Character is the character followed by one blank and
// each code field is four characters.
struct CharacterRecord {
    static constexpr int CharacterWidth = 2;
    static constexpr int CodeWidth = 4;
    static constexpr int FillPointsWidth = 72;
    static constexpr int FillPointsCount = 4;

    static constexpr int CharacterOffset = 0;
    static constexpr int FullCodeOffset = CharacterOffset + CharacterWidth;
    static constexpr int ShortCodeOffset = FullCodeOffset + CodeWidth;
    static constexpr int RootCodeOffset = ShortCodeOffset + CodeWidth;
    static constexpr int FillPointsOffset = RootCodeOffset + CodeWidth;
    static constexpr int Size = FillPointsOffset + FillPointsCount * FillPointsWidth;
    static_assert(FullCodeOffset == 2 && ShortCodeOffset == 6 && RootCodeOffset == 10 &&
                  FillPointsOffset == 14 && Size == 302);
    // Where the seed list of slot k (0..3) starts: 14 + 72k.
    static constexpr int fillPointsOffset(int k) { return FillPointsOffset + k * FillPointsWidth; }

    QString Character;   // bytes 0-1: the sort key
    QString FullCode;    // bytes 2-5
    QString ShortCode;   // bytes 6-9
    QString RootCode;    // bytes 10-13
    QString FillPoints1; // bytes 14-85
    QString FillPoints2; // bytes 86-157
    QString FillPoints3; // bytes 158-229, or the mark "0"
    QString FillPoints4; // bytes 230-301, or the mark "0"

    // Decodes the 302 bytes of one record.
    static CharacterRecord decode(QByteArrayView bytes);

    // What is wrong with the 302 bytes of a record, worded to follow "record N" ("has a
    // full code field that is not lower-case letters and blanks"); empty when nothing is.
    // The character is one GB2312 double-byte character; each code is lower-case letters
    // followed by blanks; each seed list is whole seeds (two numbers of four columns,
    // their digits together among blanks) followed by blanks, and the third and fourth
    // may be the mark "0" instead. Cheap enough to run on every record read.
    static QString fault(QByteArrayView bytes);

    // The 302 bytes of this record: each field in GBK, filled with blanks to its width.
    // Trailing blanks of a field do not count, so a decoded record encodes to the bytes it
    // came from. A field that has no GBK form or does not fit its width gives nullopt,
    // with `error` (when given) naming the field's text and width.
    std::optional<QByteArray> encode(QString* error = nullptr) const;
};

} // namespace zilvaro
