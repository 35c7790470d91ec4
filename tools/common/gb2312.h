#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zilvaro::tools {

// One of the 6763 characters of GB2312: level 1 (B0A1..D7F9, the 3755 of rows 16-55),
// then level 2 (D8A1..F7FE, the 3008 of rows 56-87).
struct Gb2312Character {
    QString character;
    unsigned code = 0; // the two GB2312 bytes, first byte high
    bool levelOne() const { return code < 0xD8A1; }
};

// All of them in code order. A code that does not decode to one Chinese character is a
// DataError.
const QList<Gb2312Character>& gb2312Characters();

// The characters alone, in code order: level 1 or 2, or both for level 0. Any other level
// is a DataError.
QStringList gb2312Texts(int level = 0);

} // namespace zilvaro::tools
