#include "data/character_tables.h"

#include "data/character_lists.h"
#include "data/table_texts.h"

#include <QHash>

namespace zilvaro {

namespace {

// Read once, at the first use; the build has already checked the texts' format.
QHash<QString, QStringList> listOf(const TableText& text, const char* name) {
    return parseCharacterList(
        QString::fromRawData(reinterpret_cast<const QChar*>(text.text), text.size),
        QString::fromLatin1(name));
}

} // namespace

QStringList wubiCodes(QStringView character) {
    static const QHash<QString, QStringList> codes = listOf(WubiCodesText, "codes.txt");
    return codes.value(character.toString());
}

QStringList tonedReadings(QStringView character) {
    static const QHash<QString, QStringList> readings = listOf(TonedReadingsText, "readings.txt");
    return readings.value(character.toString());
}

} // namespace zilvaro
