#pragma once

#include <QPainterPath>
#include <QString>

#include <vector>

namespace zilvaro::build {

// The stroke outlines of one character from hanzi-writer-data: one closed path per
// stroke, in writing order, on the 1024-unit grid with y pointing up.
using StrokeOutlines = std::vector<QPainterPath>;

// Reads <folder>/<character>.json. A missing or unreadable file, or one without a list of
// stroke paths, is a DataError naming the character and the file.
StrokeOutlines loadStrokeOutlines(const QString& folder, const QString& character);

// Parses the text of one such file; `source` names it in error messages.
StrokeOutlines parseStrokeOutlines(const QByteArray& json, const QString& source);

} // namespace zilvaro::build
