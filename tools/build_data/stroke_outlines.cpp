#include "stroke_outlines.h"

#include "data_error.h"
#include "svg_path.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zilvaro::build {

StrokeOutlines parseStrokeOutlines(const QByteArray& json, const QString& source) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull()) {
        throw DataError(QStringLiteral("%1: not valid JSON (%2)").arg(source, error.errorString()));
    }
    const QJsonValue strokes = document.object().value(QStringLiteral("strokes"));
    if (!strokes.isArray() || strokes.toArray().isEmpty()) {
        throw DataError(QStringLiteral("%1: no list of stroke paths").arg(source));
    }
    StrokeOutlines outlines;
    int number = 0;
    for (const QJsonValue& stroke : strokes.toArray()) {
        if (!stroke.isString()) {
            throw DataError(QStringLiteral("%1: stroke %2 is not a path").arg(source).arg(number));
        }
        try {
            outlines.push_back(parseSvgPath(stroke.toString()));
        } catch (const DataError& e) {
            throw DataError(
                QStringLiteral("%1: stroke %2: %3").arg(source).arg(number).arg(e.message()));
        }
        ++number;
    }
    return outlines;
}

StrokeOutlines loadStrokeOutlines(const QString& folder, const QString& character) {
    const QString path = QDir(folder).filePath(character + QStringLiteral(".json"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw DataError(
            QStringLiteral("%1: no stroke data (%2: %3)").arg(character, path, file.errorString()));
    }
    return parseStrokeOutlines(file.readAll(), QStringLiteral("%1 (%2)").arg(character, path));
}

} // namespace zilvaro::build
