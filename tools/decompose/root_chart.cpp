#include "root_chart.h"

#include "common/data_error.h"
#include "common/input_file.h"
#include "strokes.h"

namespace zilvaro::decompose {

using tools::DataError;
using tools::readUtf8InputFile;
using tools::tsvLines;

RootChart RootChart::load(const QString& path) {
    return parse(readUtf8InputFile(path), path);
}

RootChart RootChart::parse(const QString& text, const QString& path) {
    static const QHash<QString, Root::Kind> kinds = {
        {QStringLiteral("key"), Root::Kind::Key},
        {QStringLiteral("char"), Root::Kind::Character},
        {QStringLiteral("stroke"), Root::Kind::Stroke},
        {QStringLiteral("part"), Root::Kind::Part},
        {QStringLiteral("hand"), Root::Kind::Part}};
    static const QString keys = QStringLiteral("abcdefghijklmnopqrstuvwxy");
    RootChart chart;
    QHash<QChar, int> keyNames;
    for (const tools::TsvLine& line : tsvLines(text)) {
        const int number = line.number;
        const QStringList& f = line.fields;
        if (f.size() < 6 || f.size() > 8)
            throw DataError(path, number, QStringLiteral("expected 6 to 8 tab-separated columns"));
        Root root;
        root.line = number;
        if (f[0].size() != 1 || !keys.contains(f[0][0]))
            throw DataError(path, number, QStringLiteral("bad key \"%1\"").arg(f[0]));
        root.key = f[0][0];
        root.root = f[1];
        if (!kinds.contains(f[2]))
            throw DataError(path, number, QStringLiteral("bad kind \"%1\"").arg(f[2]));
        root.kind = kinds.value(f[2]);
        root.handOnly = f[2] == u"hand";
        root.strokes = f[3].split(u',');
        for (const QString& name : root.strokes) {
            const int c = strokeClassOfName(name);
            if (c == 0)
                throw DataError(path, number, QStringLiteral("unknown stroke \"%1\"").arg(name));
            root.classes += QChar(u'0' + c);
        }
        bool ok = false;
        const int count = f[4].toInt(&ok);
        if (!ok || count != root.strokes.size())
            throw DataError(path, number,
                            QStringLiteral("stroke count %1 does not match %2 strokes")
                                .arg(f[4])
                                .arg(root.strokes.size()));
        for (const QString& witness : f[5].split(u',', Qt::SkipEmptyParts)) {
            if (witness.size() != 1)
                throw DataError(
                    path, number,
                    QStringLiteral("a witness is one character, not \"%1\"").arg(witness));
            root.witnesses.append(witness);
        }
        if (root.witnesses.isEmpty() || f[5] == u"-")
            throw DataError(path, number,
                            QStringLiteral("%1 has no witness character").arg(root.root));
        if (f.size() >= 7 && f[6] != u"-") {
            root.lastStrokeClass = strokeClassOfName(f[6]);
            if (root.lastStrokeClass == 0)
                throw DataError(path, number, QStringLiteral("unknown stroke \"%1\"").arg(f[6]));
        }
        if (f.size() == 8) {
            for (const QString& term : f[7].split(u' ', Qt::SkipEmptyParts)) {
                if (term == u"隔") {
                    root.mayInterleave = true;
                    continue;
                }
                if (term == u"整") {
                    root.whole = true;
                    continue;
                }
                QString error;
                root.shapeRules.append(ShapeRule::parse(term, int(root.strokes.size()), &error));
                if (!error.isEmpty())
                    throw DataError(path, number, error);
            }
        }
        if (root.isCharacter()) {
            if (root.root.size() != 1)
                throw DataError(path, number,
                                QStringLiteral("a character root must be one character"));
            if (chart.byCharacter_.contains(root.root))
                throw DataError(path, number, QStringLiteral("%1 is charted twice").arg(root.root));
        }
        if (root.kind == Root::Kind::Key && keyNames[root.key]++ > 0)
            throw DataError(path, number,
                            QStringLiteral("key %1 has a second key-name character").arg(root.key));
        if (root.kind == Root::Kind::Stroke && root.strokes.size() != 1)
            throw DataError(path, number, QStringLiteral("a single stroke has one stroke"));
        const int index = int(chart.roots_.size());
        if (root.isCharacter())
            chart.byCharacter_.insert(root.root, index);
        chart.byClasses_[root.classes].append(index);
        chart.longest_ = std::max(chart.longest_, int(root.strokes.size()));
        chart.roots_.append(root);
    }
    if (keyNames.size() != 25)
        throw DataError(
            path, 0,
            QStringLiteral("%1 keys have a key-name character, not 25").arg(keyNames.size()));
    return chart;
}

const Root* RootChart::characterRoot(const QString& character) const {
    const auto it = byCharacter_.constFind(character);
    return it == byCharacter_.cend() ? nullptr : &roots_[*it];
}

QVector<const Root*> RootChart::withClasses(const QString& classes) const {
    QVector<const Root*> out;
    for (int index : byClasses_.value(classes))
        out.append(&roots_[index]);
    return out;
}

} // namespace zilvaro::decompose
