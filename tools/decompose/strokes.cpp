#include "strokes.h"

#include "data_error.h"
#include "input_file.h"

#include <lookup/identification_code.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

namespace zilvaro::decompose {

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

QChar strokeKey(int strokeClass) {
    static const char keys[] = "ghtyn";
    return strokeClass >= 1 && strokeClass <= 5 ? QChar(keys[strokeClass - 1]) : QChar();
}

QChar identificationKey(int strokeClass, int structure) {
    return identificationLetter(strokeClass, structure);
}

StrokeNames StrokeNames::loadCncharOrder(const QString& path) {
    const QString script = readUtf8InputFile(path);
    // The script embeds its tables as JSON.parse('...') texts.
    static const QRegularExpression embedded(QStringLiteral("JSON\\.parse\\('([^']*)'\\)"));
    QVector<QJsonObject> tables;
    for (auto it = embedded.globalMatch(script); it.hasNext();) {
        QJsonParseError error{};
        const auto document = QJsonDocument::fromJson(it.next().captured(1).toUtf8(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            throw DataError(path, 0, QStringLiteral("an embedded table is not a JSON object"));
        tables.append(document.object());
    }
    StrokeNames names;
    bool haveLetters = false;
    for (const QJsonObject& table : tables) {
        if (table.contains(QStringLiteral("j")) && table.value(QStringLiteral("j")).isObject()) {
            for (auto it = table.begin(); it != table.end(); ++it) {
                const QString name = it.value().toObject().value(QStringLiteral("name")).toString();
                if (it.key().size() != 1 || name.isEmpty())
                    throw DataError(path, 0, QStringLiteral("bad stroke letter %1").arg(it.key()));
                names.setLetterNames(it.key().at(0), name.split(u'|'));
            }
            haveLetters = true;
        } else {
            for (auto it = table.begin(); it != table.end(); ++it)
                names.letters_.insert(it.key(), it.value().toString());
        }
    }
    if (!haveLetters || names.letters_.isEmpty())
        throw DataError(path, 0, QStringLiteral("the stroke tables were not found"));
    for (auto it = names.letters_.cbegin(); it != names.letters_.cend(); ++it)
        for (QChar letter : it.value())
            if (!names.names_.contains(letter))
                throw DataError(path, 0,
                                QStringLiteral("%1 has the unknown stroke letter %2")
                                    .arg(it.key(), QString(letter)));
    return names;
}

void StrokeNames::addSupplement(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw DataError(path, 0, QStringLiteral("cannot be read"));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    int number = 0;
    QSet<QString> seen;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++number;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() < 2 || fields[0].isEmpty() || fields[1].isEmpty())
            throw DataError(path, number, QStringLiteral("expected character, tab, strokes"));
        for (QChar letter : fields[1])
            if (!names_.contains(letter))
                throw DataError(path, number,
                                QStringLiteral("unknown stroke letter %1").arg(letter));
        if (seen.contains(fields[0]))
            throw DataError(path, number,
                            QStringLiteral("%1 is in the supplement twice").arg(fields[0]));
        seen.insert(fields[0]);
        if (letters_.contains(fields[0]))
            corrected_.append(fields[0]);
        letters_.insert(fields[0], fields[1]);
    }
}

void StrokeNames::addDrawingOrder(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw DataError(path, 0, QStringLiteral("cannot be read"));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    int number = 0;
    QSet<QString> seen;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++number;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 2 || fields[0].isEmpty() || fields[1].isEmpty())
            throw DataError(path, number, QStringLiteral("expected character, tab, strokes"));
        const QString& character = fields[0];
        if (!letters_.contains(character))
            throw DataError(path, number,
                            QStringLiteral("%1 has no stroke names to reorder").arg(character));
        if (seen.contains(character))
            throw DataError(path, number, QStringLiteral("%1 is reordered twice").arg(character));
        seen.insert(character);
        const QString written = letters_.value(character);
        const QStringList numbers = fields[1].split(u',');
        if (numbers.size() != written.size())
            throw DataError(path, number,
                            QStringLiteral("%1 strokes given, %2 has %3")
                                .arg(numbers.size())
                                .arg(character)
                                .arg(written.size()));
        QString drawn;
        QVector<bool> used(written.size(), false);
        for (const QString& n : numbers) {
            bool ok = false;
            const int s = n.toInt(&ok);
            if (!ok || s < 0 || s >= written.size() || used[s])
                throw DataError(path, number,
                                QStringLiteral("\"%1\" is not a stroke number used once").arg(n));
            used[s] = true;
            drawn += written[s];
        }
        letters_.insert(character, drawn);
        reordered_.append(character);
    }
}

QString StrokeNames::classes(const QString& character) const {
    QString out;
    for (QChar letter : letters_.value(character))
        out += QChar(u'0' + classes_.value(letter, 0));
    return out;
}

void StrokeNames::setLetterNames(QChar letter, const QStringList& names) {
    names_.insert(letter, names);
    classes_.insert(letter, names.isEmpty() ? 0 : strokeClassOfName(names.first()));
}

void StrokeNames::setLetters(const QString& character, const QString& letters) {
    letters_.insert(character, letters);
}

StrokeOutline loadHanziWriter(const QString& folder, const QString& character) {
    const QString path = folder + u'/' + character + QStringLiteral(".json");
    QJsonParseError error{};
    const auto document = QJsonDocument::fromJson(readInputFile(path), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        throw DataError(path, 0, QStringLiteral("is not a JSON object"));
    const QJsonArray strokes = document.object().value(QStringLiteral("strokes")).toArray();
    const QJsonArray medians = document.object().value(QStringLiteral("medians")).toArray();
    if (strokes.isEmpty() || strokes.size() != medians.size())
        throw DataError(path, 0, QStringLiteral("strokes and medians do not pair up"));
    StrokeOutline outline;
    for (const auto& median : medians) {
        QVector<QPointF> points;
        for (const auto& point : median.toArray()) {
            const QJsonArray xy = point.toArray();
            if (xy.size() != 2)
                throw DataError(path, 0, QStringLiteral("a median point is not x, y"));
            points.append(QPointF(xy[0].toDouble(), xy[1].toDouble()));
        }
        if (points.isEmpty())
            throw DataError(path, 0, QStringLiteral("a stroke has an empty median"));
        outline.medians.append(points);
    }
    return outline;
}

} // namespace zilvaro::decompose
