#pragma once

#include "shape.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace zilvaro::decompose {

// A rule of how a root's strokes meet, which names alone cannot tell: the 撇 of 大 crosses
// its 横 (一 above 八 only touches it), the 横 of ⺊ leaves its 竖 in the middle (a 竖
// standing on a 横 is ⊥), the 横折 of 五 starts on its 竖 (一 above 口 does not). Written in
// the chart as a name and the root's stroke numbers (from 0): "穿(1,0)", "中起(1,0)",
// "上(3,0)".
struct ShapeRule {
    enum class Kind {
        Crosses,       // 穿(a,b): a's two ends lie on either side of b, and a meets b
        StartsMidway,  // 中起(a,b): a meets b (starts on it or crosses it) away from b's ends
        StartsAtStart, // 首起(a,b): a meets b at b's start (the 撇 of 厂 at the 横's left end)
        Above,         // 上(a,b): a lies above b
    };
    struct Term {
        Kind kind = Kind::Crosses;
        int first = 0;
        int second = 0;
    };
    // The rule holds when one of its terms does ("首起(1,0)|穿(1,0)": 厂 or ナ).
    QVector<Term> terms;
    QString text; // as written in the chart

    // Parses one rule; empty `error` on success.
    static ShapeRule parse(const QString& text, int strokeCount, QString* error);
    // Whether the root's strokes, as drawn in a character (y up), keep the rule.
    bool holds(const QVector<Median>& group) const;
};

// The rules a group of strokes breaks, as written in the chart.
QStringList brokenShapeRules(const QVector<ShapeRule>& rules, const QVector<Median>& group);

} // namespace zilvaro::decompose
