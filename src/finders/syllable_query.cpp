#include "finders/syllable_query.h"

#include "core/blank_text.h"

#include <QStringList>

namespace zilvaro {

QString foldedSyllable(const QString& typed) {
    QString folded = typed.toLower();
    const QStringView syllable = trimBlanks(folded);
    // After l and n the table's u stands for both u and ü (lu holds 路 and 驴); these are
    // the spellings people use for the ü there: v, as input methods take it, or ü itself.
    static const QStringList umlautSpellings = {
        QStringLiteral("lv"), QStringLiteral("nv"), QStringLiteral("lve"), QStringLiteral("nve"),
        QStringLiteral("lü"), QStringLiteral("nü"), QStringLiteral("lüe"), QStringLiteral("nüe")};
    if (umlautSpellings.contains(syllable)) {
        const qsizetype at = syllable.data() - folded.constData() + 1;
        folded[at] = u'u';
    }
    return folded;
}

std::optional<QString> paddedSyllable(const QString& trimmedText) {
    constexpr int Width = 6;
    if (trimmedText.size() > Width) {
        return std::nullopt;
    }
    return trimmedText + QString(Width - trimmedText.size(), u' ');
}

} // namespace zilvaro
