#pragma once

#include "common/rime_code_table.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace zilvaro::decompose {

// The Wubi 86 codes of single characters, from one source. Codes beginning with z (the
// wildcard key of the input methods) are left out.
class CodeTable {
public:
    // Rime's wubi86.dict.yaml (tools/common/rime_code_table): its single characters.
    static CodeTable loadRime(const QString& path);
    static CodeTable fromRime(const std::vector<tools::RimeEntry>& entries);
    // ibus-table's wubi-jidian86.db: table phrases (tabkeys, phrase).
    static CodeTable loadIbus(const QString& path);

    void add(const QString& character, const QString& code);
    bool contains(const QString& character) const { return codes_.contains(character); }
    // Every code of the character, shortest first, without repeats.
    QStringList codes(const QString& character) const;
    // The longest code: the character's full code.
    QString fullCode(const QString& character) const;

private:
    QHash<QString, QStringList> codes_;
};

// The shortest code shorter than the full code that differs from the root code, or "".
QString shortCode(const QStringList& codes, const QString& fullCode, const QString& rootCode);

// A character whose two sources disagree, with both code lists.
struct CodeDisagreement {
    QString character;
    QStringList first;
    QStringList second;
    bool fullCodesDiffer = false;
};
QVector<CodeDisagreement> compareCodes(const CodeTable& first, const CodeTable& second,
                                       const QStringList& characters);

} // namespace zilvaro::decompose
