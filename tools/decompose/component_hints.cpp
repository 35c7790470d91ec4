#include "component_hints.h"

#include "common/data_error.h"
#include "common/input_file.h"
#include "strokes.h"

#include <QRegularExpression>

namespace zilvaro::decompose {

using tools::DataError;
using tools::readUtf8InputFile;

ComponentHints ComponentHints::load(const QString& path) {
    return parse(readUtf8InputFile(path), path);
}

ComponentHints ComponentHints::parse(const QString& text, const QString& path) {
    // Two lines of the package carry a stray 亅 after their closing parenthesis; what follows
    // the parenthesis is ignored, since the table is only a hint.
    static const QRegularExpression entry(
        QStringLiteral("^([^:]+):([a-z0-9/]+)\\(([^()]*)\\)(?:亅)?$"));
    ComponentHints hints;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (line.startsWith(QStringLiteral("module.exports")))
            line = line.mid(line.indexOf(u'`') + 1);
        if (line.endsWith(QStringLiteral("`;")))
            line.chop(2);
        if (line.isEmpty())
            continue;
        const auto m = entry.match(line);
        if (!m.hasMatch())
            throw DataError(path, i + 1, QStringLiteral("expected name:layout(components)"));
        const QString inner = m.captured(3);
        hints.entries_.insert(m.captured(1),
                              {m.captured(2), inner.isEmpty() ? QStringList() : inner.split(u',')});
    }
    if (hints.entries_.isEmpty())
        throw DataError(path, 0, QStringLiteral("no entries"));
    return hints;
}

int ComponentHints::strokeCount(const QString& component, const StrokeNames& names,
                                int depth) const {
    if (names.contains(component))
        return int(names.letters(component).size());
    if (counts_.contains(component))
        return counts_.value(component);
    if (depth > 6 || !entries_.contains(component))
        return -1;
    const auto& [layout, parts] = entries_.value(component);
    if (parts.isEmpty() || !(layout.startsWith(u'a') || layout.startsWith(u'd')))
        return -1;
    int total = 0;
    for (const QString& part : parts) {
        const int count = strokeCount(part, names, depth + 1);
        if (count < 0)
            return -1;
        total += count;
    }
    return total;
}

ComponentHint ComponentHints::hint(const QString& character, int count,
                                   const StrokeNames& names) const {
    ComponentHint hint;
    if (!entries_.contains(character))
        return hint;
    const auto& [layout, parts] = entries_.value(character);
    hint.layout = layout;
    hint.components = parts;
    const QString base = layout.section(u'/', 0, 0);
    // Repeated components: ra side by side (林), rd and r3tr stacked (昌, 品).
    hint.structure = (base == u"a" || base == u"ra")                      ? 1
                     : (base == u"d" || base == u"rd" || base == u"r3tr") ? 2
                                                                          : 3;
    if (parts.size() < 2)
        return hint;
    if (base == u"a" || base == u"d" || base == u"st" || base == u"stl" || base == u"str" ||
        (base == u"sbl" && parts.first() != u"辶" && parts.first() != u"廴")) {
        const int first = strokeCount(parts.first(), names, 0);
        if (first > 0 && first < count)
            hint.boundary = first;
    } else if (base == u"sbl" && (parts.first() == u"辶" || parts.first() == u"廴")) {
        // 辶 and 廴 are written after what they carry; other bottom-left frames (是 in 题)
        // come first.
        const int walk = strokeCount(parts.first(), names, 0);
        if (walk > 0 && walk < count)
            hint.boundary = count - walk;
    }
    return hint;
}

} // namespace zilvaro::decompose
