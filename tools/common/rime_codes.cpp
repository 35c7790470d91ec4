#include "common/rime_codes.h"

#include "common/data_error.h"
#include "common/input_file.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace zilvaro::tools {

QHash<QString, QStringList> parseRimeCodes(const QString& text, const QString& path,
                                           const QStringList& wanted) {
    static const QRegularExpression code(QStringLiteral("^[a-y]{1,4}$"));
    const QSet<QString> characters(wanted.begin(), wanted.end());
    QHash<QString, QStringList> codes;
    bool body = false;
    const QStringList lines = text.split(u'\n');
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
        if (characters.contains(fields[0])) {
            QStringList& list = codes[fields[0]];
            if (!list.contains(fields[1])) {
                list.append(fields[1]);
            }
        }
    }
    if (!body) {
        throw DataError(path, 0, QStringLiteral("the header has no end line \"...\""));
    }
    for (QStringList& list : codes) {
        std::stable_sort(list.begin(), list.end(),
                         [](const QString& a, const QString& b) { return a.size() < b.size(); });
    }
    return codes;
}

QHash<QString, QStringList> readRimeCodes(const QString& path, const QStringList& wanted) {
    return parseRimeCodes(readStrictUtf8InputFile(path), path, wanted);
}

} // namespace zilvaro::tools
