#include "common/rime_code_table.h"

#include "common/data_error.h"
#include "common/input_file.h"
#include "core/gbk.h"

#include <QRegularExpression>

#include <algorithm>

namespace zilvaro::tools {

std::vector<RimeEntry> parseRimeCodeTable(const QString& text, const QString& path) {
    static const QRegularExpression code(QStringLiteral("^[a-y]{1,4}$"));
    std::vector<RimeEntry> entries;
    const QStringList lines = text.split(u'\n');
    bool body = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (!body) {
            body = line == u"...";
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        const QStringList fields = line.split(u'\t');
        const int number = static_cast<int>(i + 1);
        if (fields.size() < 2 || fields[0].isEmpty() || fields[1].isEmpty()) {
            throw DataError(path, number, QStringLiteral("expected text, tab, code"));
        }
        if (fields[1].startsWith(u'z')) {
            continue;
        }
        if (!code.match(fields[1]).hasMatch()) {
            throw DataError(path, number, QStringLiteral("bad code \"%1\"").arg(fields[1]));
        }
        entries.push_back({fields[0], fields[1], number});
    }
    if (!body) {
        throw DataError(path, 0, QStringLiteral("the header has no end line \"...\""));
    }
    return entries;
}

std::vector<RimeEntry> readRimeCodeTable(const QString& path) {
    return parseRimeCodeTable(readStrictUtf8InputFile(path), path);
}

QHash<QString, QStringList> singleCharacterCodes(const std::vector<RimeEntry>& entries) {
    QHash<QString, QStringList> codes;
    for (const RimeEntry& entry : entries) {
        if (characterCount(entry.text) != 1) {
            continue;
        }
        QStringList& list = codes[entry.text];
        if (!list.contains(entry.code)) {
            list.append(entry.code);
        }
    }
    for (QStringList& list : codes) {
        std::stable_sort(list.begin(), list.end(),
                         [](const QString& a, const QString& b) { return a.size() < b.size(); });
    }
    return codes;
}

} // namespace zilvaro::tools
