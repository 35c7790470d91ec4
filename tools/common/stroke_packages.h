#pragma once

// The stroke data the tools read: cnchar-order's stroke orders, our supplement of the
// characters it lacks, and the one rule that gives each stroke its class.

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

namespace zilvaro::tools {

// The five stroke classes of Wubi: 1 横 (and 提), 2 竖 (and 竖钩), 3 撇, 4 点 (and 捺),
// 5 every turning stroke. 0 for a name that is no stroke.
int strokeClassOfName(QStringView name);

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

// The class of a stroke letter: that of its (first) name, which must agree with its kind
// (a straight stroke is of classes 1 to 4, a turning one of class 5 but for 竖钩, which
// counts as vertical). Anything else is a DataError.
int strokeClass(const StrokeLetter& letter);

// Reads the package's script. Any malformed table is a DataError naming the file and
// the line.
StrokeOrders readStrokeOrders(const QString& path);

// One line of our own table of the characters cnchar-order lacks or gets wrong:
// character, tab, stroke letters.
struct SupplementLine {
    QString character;
    QString letters;
    int line = 0;
};

// The supplement's lines in file order. A malformed line or a character listed twice is
// a DataError naming the file and the line.
QList<SupplementLine> readStrokeSupplement(const QString& path);

} // namespace zilvaro::tools
