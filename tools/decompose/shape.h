#pragma once

#include <QPointF>
#include <QVector>

namespace zilvaro::decompose {

using Median = QVector<QPointF>;

// The box around the points of some median lines: its centre and its longer side (at
// least 1), the size of a group of strokes.
struct MedianBox {
    QPointF centre;
    double size = 1;
};
MedianBox medianBox(const QVector<Median>& strokes);

// How far a group of strokes is from a root's own strokes in shape: both are scaled into a
// unit square (keeping their proportions, centred), each median line is resampled to the
// same number of points, and the mean distance of corresponding points is averaged over
// the strokes, taken in writing order. 0 for the same shape; around 0.1 for a root as it
// stands in a character; 0.4 and more for strokes of the same names in other places
// (丨 𠃌 丨 of 再 against 山, about 0.47). -1 when the stroke counts differ or there is nothing to
// compare.
double shapeDistance(const QVector<Median>& group, const QVector<Median>& root);

// Distances above this mark a group that does not have the root's shape.
constexpr double PoorShape = 0.4;

} // namespace zilvaro::decompose
