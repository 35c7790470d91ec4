#pragma once

#include <QByteArray>
#include <QString>

namespace zilvaro {

// One record of wwbb11.dat: 302 bytes of GBK text, blank-filled, no separators.
// Each field is decoded from GBK and brought to as many characters as its width in
// bytes by appending blanks, so Character is the character followed by one blank and
// each code field is four characters.
struct CharacterRecord {
    static constexpr int Size = 302;
    static constexpr int CharacterWidth = 2;
    static constexpr int CodeWidth = 4;
    static constexpr int FillPointsWidth = 72;

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
};

} // namespace zilvaro
