#include "shape.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace zilvaro::decompose {

namespace {
constexpr int Samples = 8;

Median resample(const Median& line) {
    QVector<double> along = {0.0};
    for (int i = 1; i < line.size(); ++i)
        along.append(along.last() + QLineF(line[i - 1], line[i]).length());
    const double length = along.last();
    Median out;
    int j = 0;
    for (int i = 0; i < Samples; ++i) {
        const double t = length * i / (Samples - 1);
        while (j < line.size() - 2 && along[j + 1] < t)
            ++j;
        if (line.size() == 1) {
            out.append(line.first());
            continue;
        }
        const double segment = along[j + 1] - along[j];
        const double u = segment > 0 ? (t - along[j]) / segment : 0.0;
        out.append(line[j] + (line[j + 1] - line[j]) * u);
    }
    return out;
}

QVector<Median> normalised(const QVector<Median>& strokes) {
    const auto [centre, scale] = medianBox(strokes);
    QVector<Median> out;
    for (const Median& s : strokes) {
        Median r = resample(s);
        for (QPointF& p : r)
            p = (p - centre) / scale;
        out.append(r);
    }
    return out;
}
} // namespace

MedianBox medianBox(const QVector<Median>& strokes) {
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (const Median& s : strokes)
        for (const QPointF& p : s) {
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
    return {QPointF((x0 + x1) / 2, (y0 + y1) / 2), std::max({x1 - x0, y1 - y0, 1.0})};
}

double shapeDistance(const QVector<Median>& group, const QVector<Median>& root) {
    if (group.isEmpty() || group.size() != root.size())
        return -1;
    for (const auto* set : {&group, &root})
        for (const Median& s : *set)
            if (s.isEmpty())
                return -1;
    const QVector<Median> a = normalised(group);
    const QVector<Median> b = normalised(root);
    double total = 0;
    for (int i = 0; i < a.size(); ++i) {
        double stroke = 0;
        for (int k = 0; k < Samples; ++k)
            stroke += QLineF(a[i][k], b[i][k]).length();
        total += stroke / Samples;
    }
    return total / a.size();
}

} // namespace zilvaro::decompose
