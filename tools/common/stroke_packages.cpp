#include "stroke_packages.h"

#include "core/gbk.h"
#include "data_error.h"
#include "input_file.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace zilvaro::tools {

namespace {

// A text that is exactly one character (one code point).
bool isOneCharacter(const QString& text) {
    return !text.isEmpty() && characterCount(text) == 1;
}

bool isStrokeLetters(const QString& text) {
    static const QRegularExpression letters(QStringLiteral("^[a-z]+$"));
    return letters.match(text).hasMatch();
}

} // namespace

int strokeClassOfName(QStringView name) {
    if (name == u"横" || name == u"提")
        return 1;
    if (name == u"竖" || name == u"竖钩")
        return 2;
    if (name == u"撇")
        return 3;
    if (name == u"点" || name == u"点2" || name == u"捺")
        return 4;
    // A turning stroke is named by its parts: at least two of 横 竖 撇 点 提 followed by
    // turns and hooks, or a single part with a hook (弯钩, 斜钩, 卧钩).
    static const QString parts = QStringLiteral("横竖撇点提折钩弯斜卧");
    if (name.size() < 2)
        return 0;
    for (QChar c : name)
        if (!parts.contains(c))
            return 0;
    return 5;
}

int strokeClass(const StrokeLetter& letter) {
    const QString name = letter.name.section(u'|', 0, 0);
    const int c = strokeClassOfName(name);
    const bool verticalHook = name == u"竖钩";
    const bool straight = letter.type == u"平笔" && c >= 1 && c <= 4 && !verticalHook;
    const bool turning = letter.type == u"折笔" && (c == 5 || verticalHook);
    if (!straight && !turning)
        throw DataError(
            QStringLiteral("stroke \"%1\" (%2) has no stroke class").arg(letter.name, letter.type));
    return c;
}

StrokeOrders readStrokeOrders(const QString& path) {
    const QString text = readStrictUtf8InputFile(path);
    // The package's script carries its data as JSON texts in single-quoted string
    // literals passed to JSON.parse: one maps characters to stroke letters, one maps each
    // letter to its stroke's shape, kind and name.
    const QString opening = QStringLiteral("JSON.parse('");
    StrokeOrders data;
    bool haveOrders = false;
    bool haveLetters = false;
    for (qsizetype from = text.indexOf(opening); from >= 0;
         from = text.indexOf(opening, from + 1)) {
        const qsizetype begin = from + opening.size();
        const qsizetype end = text.indexOf(QStringLiteral("')"), begin);
        const int line = int(text.left(from).count(u'\n')) + 1;
        if (end < 0)
            throw DataError(path, line, QStringLiteral("unterminated JSON.parse literal"));
        const QString literal = text.mid(begin, end - begin);
        if (literal.contains(u'\\') || literal.contains(u'\''))
            throw DataError(path, line,
                            QStringLiteral("escapes in a JSON.parse literal are not supported"));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(literal.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            throw DataError(path, line,
                            QStringLiteral("malformed JSON at offset %1: %2")
                                .arg(error.offset)
                                .arg(error.errorString()));
        const QJsonObject object = document.object();
        if (object.isEmpty())
            continue;
        if (object.begin().value().isString()) {
            for (auto it = object.begin(); it != object.end(); ++it) {
                const QString letters = it.value().toString();
                if (!isOneCharacter(it.key()) || !isStrokeLetters(letters))
                    throw DataError(path, line,
                                    QStringLiteral("malformed stroke order \"%1\": \"%2\"")
                                        .arg(it.key(), letters));
                data.orders.insert(it.key(), letters);
            }
            haveOrders = true;
        } else {
            for (auto it = object.begin(); it != object.end(); ++it) {
                const QJsonObject stroke = it.value().toObject();
                const QString name = stroke.value(u"name").toString();
                const QString type = stroke.value(u"type").toString();
                if (it.key().size() != 1 || name.isEmpty() || type.isEmpty())
                    throw DataError(path, line,
                                    QStringLiteral("malformed stroke letter \"%1\"").arg(it.key()));
                data.letters.insert(it.key()[0], {name, type});
            }
            haveLetters = true;
        }
    }
    if (!haveOrders || !haveLetters)
        throw DataError(path, 0, QStringLiteral("no stroke orders or no stroke letters found"));
    return data;
}

QList<SupplementLine> readStrokeSupplement(const QString& path) {
    QList<SupplementLine> out;
    QSet<QString> seen;
    for (const TsvLine& line : tsvLines(readStrictUtf8InputFile(path))) {
        const QStringList& f = line.fields;
        if (f.size() != 2 || !isOneCharacter(f[0]) || !isStrokeLetters(f[1]))
            throw DataError(path, line.number,
                            QStringLiteral("expected a character, a tab and its stroke letters"));
        if (seen.contains(f[0]))
            throw DataError(path, line.number,
                            QStringLiteral("%1 is in the supplement twice").arg(f[0]));
        seen.insert(f[0]);
        out.append({f[0], f[1], line.number});
    }
    return out;
}

} // namespace zilvaro::tools
