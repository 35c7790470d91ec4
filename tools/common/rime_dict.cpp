#include "rime_dict.h"

#include "data_error.h"
#include "input_file.h"

#include <QStringList>

namespace zilvaro::tools {

std::vector<RimeEntry> parseRimeDict(const QString& text, const QString& path) {
    std::vector<RimeEntry> entries;
    const QStringList lines = text.split(u'\n');
    bool body = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!body) {
            body = line == u"...";
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = line.split(u'\t');
        if (f.size() < 2 || f[0].isEmpty() || f[1].isEmpty())
            throw DataError(path, i + 1, QStringLiteral("expected text, tab, code"));
        entries.push_back({f[0], f[1], i + 1});
    }
    if (!body)
        throw DataError(path, 0, QStringLiteral("the header has no end line \"...\""));
    return entries;
}

std::vector<RimeEntry> readRimeDict(const QString& path) {
    return parseRimeDict(readUtf8InputFile(path), path);
}

} // namespace zilvaro::tools
