#include "decomposition_line.h"

#include <QStringList>

namespace zilvaro::tools {

namespace {

bool isCode(const QString& code, qsizetype minLength) {
    if (code.size() < minLength || code.size() > 4) {
        return false;
    }
    for (const QChar c : code) {
        if (c < u'a' || c > u'y') {
            return false;
        }
    }
    return true;
}

bool isKind(const QString& text) {
    return text == u"key" || text == u"root" || text == u"stroke" || text == u"compound";
}

// One key:strokes field; nullopt with `error` set when it is malformed.
std::optional<RootField> parseRoot(const QString& field, QString* error) {
    const qsizetype colon = field.indexOf(u':');
    if (colon != 1 || field[0] < u'a' || field[0] > u'y') {
        *error = QStringLiteral("root \"%1\" is not key:strokes").arg(field);
        return std::nullopt;
    }
    RootField root{field[0], {}};
    for (const QString& number : field.mid(2).split(u',')) {
        bool ok = !number.isEmpty() && number.size() <= 4;
        for (const QChar c : number) {
            ok = ok && c >= u'0' && c <= u'9';
        }
        if (!ok) {
            *error = QStringLiteral("root \"%1\" has a bad stroke number").arg(field);
            return std::nullopt;
        }
        root.strokes.append(number.toInt());
    }
    return root;
}

} // namespace

std::optional<DecompositionLine> DecompositionLine::parse(const QString& text, QString* error) {
    QString why;
    const auto fail = [&](const QString& what) {
        if (error) {
            *error = what;
        }
        return std::optional<DecompositionLine>();
    };
    const QStringList fields = text.split(u'\t');
    if (fields.size() < 6) {
        return fail(QStringLiteral("expected at least six tab-separated fields, found %1")
                        .arg(fields.size()));
    }
    DecompositionLine line;
    line.character = fields[0];
    if (line.character.isEmpty()) {
        return fail(QStringLiteral("no character"));
    }
    const auto failAt = [&](const QString& what) {
        return fail(QStringLiteral("%1: %2").arg(line.character, what));
    };
    line.fullCode = fields[1];
    line.shortCode = fields[2];
    line.rootCode = fields[3];
    if (!isCode(line.fullCode, 1) || !isCode(line.shortCode, 0) || !isCode(line.rootCode, 1)) {
        return failAt(QStringLiteral("codes must be up to four letters a-y"));
    }
    line.kind = fields[4];
    if (!isKind(line.kind)) {
        return failAt(QStringLiteral("unknown kind \"%1\"").arg(line.kind));
    }
    for (qsizetype i = 5; i < fields.size(); ++i) {
        const std::optional<RootField> root = parseRoot(fields[i], &why);
        if (!root) {
            return failAt(why);
        }
        line.roots.append(*root);
    }
    return line;
}

QString DecompositionLine::format() const {
    QStringList fields = {character, fullCode, shortCode, rootCode, kind};
    for (const RootField& root : roots) {
        QStringList numbers;
        for (const int s : root.strokes) {
            numbers.append(QString::number(s));
        }
        fields.append(QString(root.key) + u':' + numbers.join(u','));
    }
    return fields.join(u'\t');
}

QVector<QVector<int>> DecompositionLine::strokeGroups() const {
    QVector<QVector<int>> groups;
    for (const RootField& root : roots) {
        groups.append(root.strokes);
    }
    return groups;
}

QString rootCodeOf(const QString& kind, const QVector<RootField>& roots, const QString& fullCode) {
    if (kind == u"stroke") {
        return roots.isEmpty() ? QString() : QString(2, roots.first().key);
    }
    if (kind != u"compound") {
        return fullCode;
    }
    if (roots.size() >= 4) {
        return QString(roots[0].key) + roots[1].key + roots[2].key + roots.last().key;
    }
    QString keys;
    for (const RootField& root : roots) {
        keys += root.key;
    }
    return keys;
}

} // namespace zilvaro::tools
