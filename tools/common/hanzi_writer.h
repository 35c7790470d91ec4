#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QPointF>
#include <QString>
#include <QVector>

namespace zilvaro::tools {

// One character of hanzi-writer-data (<folder>/<character>.json): the outline of each
// stroke as an SVG path and its median line as points, in writing order, on the 1024-unit
// grid with y pointing up. The fields are left as the file gives them; each tool reads
// those it uses.
struct HanziWriterEntry {
    QJsonArray strokes;
    QJsonArray medians;
    QString source; // "<character> (<path>)", for messages
};

// Reads the character's file. A missing or unreadable file, or one that is not JSON, is a
// DataError naming the character and the file.
HanziWriterEntry readHanziWriterEntry(const QString& folder, const QString& character);

// Parses the text of one such file; `source` names it in error messages.
HanziWriterEntry parseHanziWriterEntry(const QByteArray& json, const QString& source);

// The median lines, one a stroke. Medians that are not one a stroke, or a median without
// points or with a point that is not x, y, are a DataError naming the source.
QVector<QVector<QPointF>> medianLines(const HanziWriterEntry& entry);

} // namespace zilvaro::tools
