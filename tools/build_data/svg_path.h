#pragma once

#include <QPainterPath>
#include <QStringView>

namespace zilvaro::build {

// Parses the outline of one stroke as hanzi-writer-data writes it: absolute commands
// M, L, Q, C and Z with their numbers, separated by blanks or commas. A command letter
// may be followed by several coordinate groups (implicit repetition, as in SVG; after M
// further pairs are line segments). Relative and other commands, a missing or unreadable
// number, or a path that does not start with M are a DataError describing the problem.
QPainterPath parseSvgPath(QStringView text);

} // namespace zilvaro::build
