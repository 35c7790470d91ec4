#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace zilvaro {

// The two character lists the program carries beside the reference tables, made from the
// published data at build time (assets/tables/codes.txt and readings.txt):

// The codes that type the character in Wubi 86, as the published code table gives them:
// its short codes and its full code, shortest first (字: pb pbf). Empty for a text that is
// no GB2312 character.
QStringList wubiCodes(QStringView character);

// The character's standard readings with their tone marks as the Unicode Han database
// writes them, the most frequent first (行: xíng háng héng). Empty for a text that is no
// GB2312 character.
QStringList tonedReadings(QStringView character);

} // namespace zilvaro
