#pragma once

#include <QString>
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
