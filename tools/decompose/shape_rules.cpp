#include "shape_rules.h"

#include <QLineF>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace zilvaro::decompose {

namespace {

// The signed distance of a point from the line through a stroke's two ends: positive on
// the left of the stroke's direction (above a 横, right of a 竖 written downwards).
double side(const QPointF& p, const Median& stroke) {
    const QPointF a = stroke.first();
    const QPointF b = stroke.last();
    const double length = QLineF(a, b).length();
    if (length <= 0)
        return 0;
    return ((b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x())) / length;
}

bool meets(const Median& a, const Median& b, double tolerance) {
    for (int i = 1; i < a.size(); ++i)
        for (int j = 1; j < b.size(); ++j) {
            QPointF at;
            if (QLineF(a[i - 1], a[i]).intersects(QLineF(b[j - 1], b[j]), &at) ==
                QLineF::BoundedIntersection)
                return true;
        }
    // Or comes within the tolerance of it (two medians that join at a corner).
    for (const QPointF& p : a)
        for (int j = 1; j < b.size(); ++j) {
            const QLineF segment(b[j - 1], b[j]);
            const double len = segment.length();
            if (len <= 0)
                continue;
            const QPointF d = segment.p2() - segment.p1();
            const double t =
                std::clamp(QPointF::dotProduct(p - segment.p1(), d) / (len * len), 0.0, 1.0);
            if (QLineF(p, segment.p1() + d * t).length() <= tolerance)
                return true;
        }
    return false;
}

// Where stroke a meets stroke b: the first point where their medians cross, or else a's
// start. Its place along b (0 at b's start, 1 at its end, along the line through b's ends)
// and its distance from b's median.
std::pair<double, double> meeting(const Median& a, const Median& b) {
    QPointF at = a.first();
    bool crossed = false;
    for (int i = 1; i < a.size() && !crossed; ++i)
        for (int j = 1; j < b.size() && !crossed; ++j)
            crossed = QLineF(a[i - 1], a[i]).intersects(QLineF(b[j - 1], b[j]), &at) ==
                      QLineF::BoundedIntersection;
    if (!crossed)
        at = a.first();
    const QPointF d = b.last() - b.first();
    const double squared = QPointF::dotProduct(d, d);
    const double place = squared > 0 ? QPointF::dotProduct(at - b.first(), d) / squared : 0;
    double distance = 1e18;
    for (int j = 1; j < b.size(); ++j) {
        const QLineF segment(b[j - 1], b[j]);
        const QPointF e = segment.p2() - segment.p1();
        const double len2 = QPointF::dotProduct(e, e);
        const double t =
            len2 > 0 ? std::clamp(QPointF::dotProduct(at - segment.p1(), e) / len2, 0.0, 1.0) : 0.0;
        distance = std::min(distance, QLineF(at, segment.p1() + e * t).length());
    }
    return {place, crossed ? 0.0 : distance};
}

// Thresholds, as shares of the group's size or of a stroke's length. They lie far from
// both sides of the families they tell apart: the 撇 of 大 starts at least 0.17 of the
// root's height above the 横, the 撇 of 八 under 一 below it; the 横 of ⺊ leaves the 竖
// at most 0.61 of the way down, a 横 under a 竖 at its foot or lower; the 横折 of 五 crosses
// its 竖 about halfway down (0.46 and more), the 横折 of 口 under 一 starts at the top of its
// 竖 (爨: 0.23, its 竖 slanting). A stroke
// that starts on another starts within 72 of the 1024 grid from its median (颅's ⺊: 35),
// the width of the strokes keeping the medians apart.
constexpr double CrossingOvershoot = 0.05;
constexpr double Touching = 72;
constexpr double AtStart = 0.2;
constexpr double MidwayFrom = 0.3;
constexpr double MidwayTo = 0.85;
} // namespace

ShapeRule ShapeRule::parse(const QString& text, int strokeCount, QString* error) {
    static const QRegularExpression form(QStringLiteral("^(穿|中起|首起|上)\\((\\d+),(\\d+)\\)$"));
    ShapeRule rule;
    rule.text = text;
    error->clear();
    for (const QString& part : text.split(u'|')) {
        const auto m = form.match(part);
        if (!m.hasMatch()) {
            *error = QStringLiteral("unknown shape rule \"%1\" (穿 中起 首起 上 with two stroke "
                                    "numbers, alternatives joined by |: 穿(1,0))")
                         .arg(text);
            return rule;
        }
        const QString name = m.captured(1);
        Term term;
        term.kind = name == u"穿"     ? Kind::Crosses
                    : name == u"中起" ? Kind::StartsMidway
                    : name == u"首起" ? Kind::StartsAtStart
                                      : Kind::Above;
        term.first = m.captured(2).toInt();
        term.second = m.captured(3).toInt();
        if (term.first == term.second || term.first >= strokeCount || term.second >= strokeCount) {
            *error =
                QStringLiteral("shape rule \"%1\" names strokes the root does not have").arg(text);
            return rule;
        }
        rule.terms.append(term);
    }
    return rule;
}

namespace {
bool holdsTerm(const ShapeRule::Term& term, const QVector<Median>& group) {
    using Kind = ShapeRule::Kind;
    const int first = term.first;
    const int second = term.second;

    if (first >= group.size() || second >= group.size() || group[first].isEmpty() ||
        group[second].isEmpty())
        return false;
    const Median& a = group[first];
    const Median& b = group[second];
    const double size = medianBox(group).size;
    switch (term.kind) {
    case Kind::Crosses: {
        const double start = side(a.first(), b) / size;
        const double end = side(a.last(), b) / size;
        return meets(a, b, 0) && std::min(std::abs(start), std::abs(end)) >= CrossingOvershoot &&
               (start > 0) != (end > 0);
    }
    case Kind::StartsMidway: {
        const auto [place, distance] = meeting(a, b);
        return distance <= Touching && place >= MidwayFrom && place <= MidwayTo;
    }
    case Kind::StartsAtStart: {
        // The 撇 of 厂 starts at the 横's left end or a little left of it (厥: 84 apart).
        const auto [place, distance] = meeting(a, b);
        return place <= AtStart &&
               (distance <= Touching || QLineF(a.first(), b.first()).length() <= 2 * Touching);
    }
    case Kind::Above: {
        double low = 1e9;
        for (const QPointF& p : a)
            low = std::min(low, p.y());
        double high = -1e9;
        for (const QPointF& p : b)
            high = std::max(high, p.y());
        // Above the stroke's middle height, for a 横 that slants.
        const double middle = (b.first().y() + b.last().y()) / 2;
        return low > middle - Touching / 2 && high > low - size;
    }
    }
    return false;
}

} // namespace

bool ShapeRule::holds(const QVector<Median>& group) const {
    return std::any_of(terms.begin(), terms.end(),
                       [&](const Term& term) { return holdsTerm(term, group); });
}

QStringList brokenShapeRules(const QVector<ShapeRule>& rules, const QVector<Median>& group) {
    QStringList broken;
    for (const ShapeRule& rule : rules)
        if (!rule.holds(group))
            broken.append(rule.text);
    return broken;
}

} // namespace zilvaro::decompose
