#include "stroke_outlines.h"

#include "common/data_error.h"
#include "common/hanzi_writer.h"
#include "svg_path.h"

namespace zilvaro::build {

using tools::DataError;

namespace {

StrokeOutlines outlinesOf(const tools::HanziWriterEntry& entry) {
    if (entry.strokes.isEmpty()) {
        throw DataError(QStringLiteral("%1: no list of stroke paths").arg(entry.source));
    }
    StrokeOutlines outlines;
    int number = 0;
    for (const QJsonValue& stroke : entry.strokes) {
        if (!stroke.isString()) {
            throw DataError(
                QStringLiteral("%1: stroke %2 is not a path").arg(entry.source).arg(number));
        }
        try {
            outlines.push_back(parseSvgPath(stroke.toString()));
        } catch (const DataError& e) {
            throw DataError(
                QStringLiteral("%1: stroke %2: %3").arg(entry.source).arg(number).arg(e.message()));
        }
        ++number;
    }
    return outlines;
}

} // namespace

StrokeOutlines parseStrokeOutlines(const QByteArray& json, const QString& source) {
    return outlinesOf(tools::parseHanziWriterEntry(json, source));
}

StrokeOutlines loadStrokeOutlines(const QString& folder, const QString& character) {
    return outlinesOf(tools::readHanziWriterEntry(folder, character));
}

} // namespace zilvaro::build
