#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace zilvaro::query {

// Every reading of every character of the pinyin table carried in the program, in the
// table's order (segments 1 to 5, rows in order), without the padding blanks. This is the
// one place the command line takes readings from.
QHash<QString, QStringList> readingsByCharacter();

} // namespace zilvaro::query
