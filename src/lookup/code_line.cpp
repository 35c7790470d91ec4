#include "lookup/code_line.h"

#include "core/blank_text.h"
#include "data/character_tables.h"

#include <QStringList>

#include <algorithm>

namespace zilvaro {

namespace {
const QString Separator = QStringLiteral("  ");
}

namespace {
// The rule for codes of these lengths, without blanks.
int ruleOfLengths(qsizetype f, qsizetype s, qsizetype r) {
    if (r == f && s < r) {
        return 4;
    }
    if (r == f && s == 0) {
        return 3;
    }
    if (s < r && r < f) {
        return 2;
    }
    if (r < s && s < f) {
        return 1;
    }
    return 0;
}
} // namespace

int codeLineRule(QStringView fullCode, QStringView shortCode, QStringView rootCode) {
    return ruleOfLengths(trimBlanks(fullCode).size(), trimBlanks(shortCode).size(),
                         trimBlanks(rootCode).size());
}

bool codeLineHasRule(QStringView fullCode, QStringView shortCode, QStringView rootCode) {
    return codeLineRule(fullCode, shortCode, rootCode) != 0;
}

QString codeLine(QStringView fullCode, QStringView shortCode, QStringView rootCode) {
    const QString f = trimBlanks(fullCode).toString();
    const QString s = trimBlanks(shortCode).toString();
    const QString r = trimBlanks(rootCode).toString();
    // An empty code leaves its separator at an end, which the trimming drops: with S empty
    // rules 3 and 4 both hold, and the line is R alone.
    switch (ruleOfLengths(f.size(), s.size(), r.size())) {
    case 1:
        return trimBlanks(QString(r + Separator + s + Separator + f)).toString();
    case 2:
        return trimBlanks(QString(s + Separator + r + Separator + f)).toString();
    case 3:
        return r;
    case 4:
        return trimBlanks(QString(s + Separator + r)).toString();
    default:
        break;
    }

    QStringList codes;
    for (const QString& code : {r, s, f}) {
        if (!code.isEmpty() && !codes.contains(code)) {
            codes.append(code);
        }
    }
    std::stable_sort(codes.begin(), codes.end(),
                     [](const QString& a, const QString& b) { return a.size() < b.size(); });
    return codes.join(Separator);
}

} // namespace zilvaro

namespace zilvaro {

QString wubiCodeLine(const QStringList& codes) {
    return codes.join(Separator);
}

QString wubiCodeKind(const QString& code, const QStringList& codes) {
    qsizetype longest = 0;
    for (const QString& c : codes) {
        longest = std::max(longest, c.size());
    }
    if (code.size() == longest) {
        return QStringLiteral("全码");
    }
    switch (code.size()) {
    case 1:
        return QStringLiteral("一级简码");
    case 2:
        return QStringLiteral("二级简码");
    default:
        return QStringLiteral("三级简码");
    }
}

QString wubiCodeTip(const QStringList& codes) {
    QStringList lines;
    for (const QString& code : codes) {
        lines.append(code + QStringLiteral("：") + wubiCodeKind(code, codes));
    }
    return lines.join(u'\n');
}

QStringList shownCodes(QStringView character, QStringView recordFullCode) {
    const QStringList codes = wubiCodes(character);
    if (!codes.isEmpty()) {
        return codes;
    }
    const QStringView full = trimBlanks(recordFullCode);
    return full.isEmpty() ? QStringList() : QStringList{full.toString()};
}

QString copyLine(const QString& character, const QStringList& codes, const QStringList& readings) {
    if (character.isEmpty()) {
        return {};
    }
    return QStringList(QStringList{character} + codes + readings).join(u' ');
}

} // namespace zilvaro
