#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace zilvaro {

// The code line of a lookup: the character's codes, shortest first. F, S and R are the
// full, short and root codes; their leading and trailing blanks do not count. With |x|
// the length of x, the first of these that holds, checked in this order with each later
// one overwriting an earlier, gives the line (codes joined by two blanks):
//   1. |R| < |S| < |F|             R, S, F
//   2. |S| < |R| < |F|             S, R, F
//   3. |R| = |F| and S is empty    R
//   4. |R| = |F| and |S| < |R|     S, R
// and the line is then trimmed, so rules 3 and 4 together (S empty) give R alone.
//
// When no rule holds (|R| = |S| < |F|, say) the line lists the character's distinct
// non-empty codes, shortest first, codes of one length in the order R, S, F. It never
// keeps the previous character's line: that would show one character's codes under
// another's pictures.
QString codeLine(QStringView fullCode, QStringView shortCode, QStringView rootCode);

// The rule (1 to 4 above) that gives the code line of these codes, the last that holds;
// 0 when none does. Blanks around the codes do not count.
int codeLineRule(QStringView fullCode, QStringView shortCode, QStringView rootCode);

// True when one of the four rules gives the code line of these codes: the codes a
// character's data may hold.
bool codeLineHasRule(QStringView fullCode, QStringView shortCode, QStringView rootCode);

} // namespace zilvaro

namespace zilvaro {

// The code line the window shows: the codes that type the character (data/
// character_tables: its short codes and its full code, shortest first), joined by two
// blanks: 字 "pb  pbf", 父 "wqu".
QString wubiCodeLine(const QStringList& codes);

// What kind of code one of a character's codes is: "全码" for the longest (a character
// the table gives two codes of that length shows both as 全码), otherwise by its length
// "一级简码", "二级简码" or "三级简码".
QString wubiCodeKind(const QString& code, const QStringList& codes);

// The tooltip of the code line: one line per code, "pb：二级简码".
QString wubiCodeTip(const QStringList& codes);

// The codes shown for a character: those of the code table, or, for a character it does
// not hold, the full code of its record alone (blanks around it do not count), which
// types it all the same; empty when there is neither.
QStringList shownCodes(QStringView character, QStringView recordFullCode);

// The line that copying puts on the clipboard: the character, its codes and its
// readings, each after one blank ("字 pb pbf zì"); empty text without a character.
QString copyLine(const QString& character, const QStringList& codes, const QStringList& readings);

} // namespace zilvaro
