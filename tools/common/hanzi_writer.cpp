#include "hanzi_writer.h"

#include "data_error.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace zilvaro::tools {

HanziWriterEntry readHanziWriterEntry(const QString& folder, const QString& character) {
    const QString path = QDir(folder).filePath(character + QStringLiteral(".json"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(
            QStringLiteral("%1: no stroke data (%2: %3)").arg(character, path, file.errorString()));
    return parseHanziWriterEntry(file.readAll(), QStringLiteral("%1 (%2)").arg(character, path));
}

HanziWriterEntry parseHanziWriterEntry(const QByteArray& json, const QString& source) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull())
        throw DataError(QStringLiteral("%1: not valid JSON (%2)").arg(source, error.errorString()));
    const QJsonObject object = document.object();
    return {object.value(QStringLiteral("strokes")).toArray(),
            object.value(QStringLiteral("medians")).toArray(), source};
}

QVector<QVector<QPointF>> medianLines(const HanziWriterEntry& entry) {
    if (entry.medians.size() != entry.strokes.size())
        throw DataError(QStringLiteral("%1: %2 medians for %3 strokes")
                            .arg(entry.source)
                            .arg(entry.medians.size())
                            .arg(entry.strokes.size()));
    QVector<QVector<QPointF>> lines;
    for (qsizetype i = 0; i < entry.medians.size(); ++i) {
        const QJsonArray median = entry.medians[i].toArray();
        if (median.isEmpty())
            throw DataError(QStringLiteral("%1: median of stroke %2 has no start point")
                                .arg(entry.source)
                                .arg(i));
        QVector<QPointF> points;
        for (const auto& point : median) {
            const QJsonArray xy = point.toArray();
            if (xy.size() != 2 || !xy[0].isDouble() || !xy[1].isDouble())
                throw DataError(QStringLiteral("%1: median of stroke %2 has a point that is "
                                               "not x, y")
                                    .arg(entry.source)
                                    .arg(i));
            points.append(QPointF(xy[0].toDouble(), xy[1].toDouble()));
        }
        lines.append(points);
    }
    return lines;
}

} // namespace zilvaro::tools
