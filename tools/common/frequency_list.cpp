#include "frequency_list.h"

#include "core/gbk.h"
#include "data_error.h"
#include "input_file.h"

#include <QStringList>

namespace zilvaro::tools {

QHash<QString, int> readFrequencyRanks(const QString& path) {
    const QString text = readStrictUtf8InputFile(path);
    // The list is one template literal: module.exports = `rank<TAB>character<TAB>...`;
    const qsizetype open = text.indexOf(u'`');
    const qsizetype close = text.lastIndexOf(u'`');
    if (open < 0 || close <= open) {
        throw DataError(QStringLiteral("%1: no frequency list found").arg(path));
    }
    const qsizetype firstLine = text.left(open).count(u'\n') + 1;
    QHash<QString, int> ranks;
    qsizetype lineNumber = firstLine - 1;
    for (const QString& line : text.mid(open + 1, close - open - 1).split(u'\n')) {
        ++lineNumber;
        if (line.trimmed().isEmpty()) {
            continue;
        }
        const QStringList fields = line.split(u'\t');
        bool ok = false;
        const int rank = fields.size() >= 3 ? fields[0].toInt(&ok) : 0;
        if (!ok || rank < 1 || fields[1].isEmpty() || zilvaro::characterCount(fields[1]) != 1) {
            throw DataError(QStringLiteral("%1: line %2: expected a rank, a tab and a character")
                                .arg(path)
                                .arg(lineNumber));
        }
        if (!ranks.contains(fields[1])) {
            ranks.insert(fields[1], rank);
        }
    }
    if (ranks.isEmpty()) {
        throw DataError(QStringLiteral("%1: the frequency list is empty").arg(path));
    }
    return ranks;
}

} // namespace zilvaro::tools
