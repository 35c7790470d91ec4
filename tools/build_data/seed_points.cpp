#include "seed_points.h"

#include "data_error.h"

#include <algorithm>
#include <limits>

namespace zilvaro::build {

namespace {

constexpr int TwipsPerPixel = 15;
constexpr long long Far = std::numeric_limits<int>::max() / 4;

// Squared Euclidean distance transform of one line (lower envelope of parabolas).
void distanceLine(const std::vector<long long>& f, std::vector<long long>& d) {
    const int n = static_cast<int>(f.size());
    std::vector<int> v(static_cast<size_t>(n));
    std::vector<double> z(static_cast<size_t>(n) + 1);
    int k = 0;
    v[0] = 0;
    z[0] = -std::numeric_limits<double>::infinity();
    z[1] = std::numeric_limits<double>::infinity();
    const auto cross = [&](int q, int p) {
        return static_cast<double>((f[static_cast<size_t>(q)] + 1LL * q * q) -
                                   (f[static_cast<size_t>(p)] + 1LL * p * p)) /
               (2.0 * (q - p));
    };
    for (int q = 1; q < n; ++q) {
        double s = cross(q, v[static_cast<size_t>(k)]);
        while (s <= z[static_cast<size_t>(k)]) {
            --k;
            s = cross(q, v[static_cast<size_t>(k)]);
        }
        ++k;
        v[static_cast<size_t>(k)] = q;
        z[static_cast<size_t>(k)] = s;
        z[static_cast<size_t>(k) + 1] = std::numeric_limits<double>::infinity();
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[static_cast<size_t>(k) + 1] < q) {
            ++k;
        }
        const int p = v[static_cast<size_t>(k)];
        d[static_cast<size_t>(q)] = 1LL * (q - p) * (q - p) + f[static_cast<size_t>(p)];
    }
}

// For every pixel, the squared distance to the nearest black pixel.
std::vector<long long> distanceToBlack(const std::vector<bool>& black) {
    const int w = PictureWidth;
    const int h = PictureHeight;
    std::vector<long long> dist(static_cast<size_t>(w * h));
    std::vector<long long> f(static_cast<size_t>(std::max(w, h)));
    std::vector<long long> d(f.size());
    for (int x = 0; x < w; ++x) {
        f.resize(static_cast<size_t>(h));
        d.resize(f.size());
        for (int y = 0; y < h; ++y) {
            f[static_cast<size_t>(y)] = black[static_cast<size_t>(y * w + x)] ? 0 : Far;
        }
        distanceLine(f, d);
        for (int y = 0; y < h; ++y) {
            dist[static_cast<size_t>(y * w + x)] = d[static_cast<size_t>(y)];
        }
    }
    for (int y = 0; y < h; ++y) {
        f.assign(dist.begin() + y * w, dist.begin() + (y + 1) * w);
        d.resize(f.size());
        distanceLine(f, d);
        std::copy(d.begin(), d.end(), dist.begin() + y * w);
    }
    return dist;
}

} // namespace

namespace {

// The white areas, with their most interior pixels when the distances to black are given.
std::vector<WhiteArea> findAreas(const PixelStates& states, const std::vector<bool>& black,
                                 const std::vector<long long>* distances,
                                 std::vector<int>* labels) {
    const int w = PictureWidth;
    const int h = PictureHeight;
    std::vector<std::uint8_t> seen(black.size(), 0);
    std::vector<int> stack;
    std::vector<WhiteArea> areas;
    if (labels) {
        labels->assign(black.size(), -1);
    }
    for (int start = 0; start < w * h; ++start) {
        if (black[static_cast<size_t>(start)] || seen[static_cast<size_t>(start)]) {
            continue;
        }
        WhiteArea area;
        area.state = states.state[static_cast<size_t>(start)];
        int best = start;
        stack.assign(1, start);
        seen[static_cast<size_t>(start)] = 1;
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            ++area.size;
            if (labels) {
                (*labels)[static_cast<size_t>(p)] = static_cast<int>(areas.size());
            }
            if (distances) {
                const std::vector<long long>& dist = *distances;
                if (dist[static_cast<size_t>(p)] > dist[static_cast<size_t>(best)] ||
                    (dist[static_cast<size_t>(p)] == dist[static_cast<size_t>(best)] && p < best)) {
                    best = p;
                }
            }
            const int x = p % w;
            const int y = p / w;
            const int neighbours[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : neighbours) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h) {
                    continue;
                }
                const int q = n[1] * w + n[0];
                if (!black[static_cast<size_t>(q)] && !seen[static_cast<size_t>(q)]) {
                    seen[static_cast<size_t>(q)] = 1;
                    stack.push_back(q);
                }
            }
        }
        area.interior = QPoint(best % w, best / w);
        areas.push_back(area);
    }
    return areas;
}

} // namespace

std::vector<WhiteArea> whiteAreas(const PixelStates& states, const std::vector<bool>& black,
                                  std::vector<int>* labels) {
    const std::vector<long long> distances = distanceToBlack(black);
    return findAreas(states, black, &distances, labels);
}

namespace {

// The areas that hold the slot, largest first; areas of one size keep their reading order.
std::vector<const WhiteArea*> areasOfSlot(const std::vector<WhiteArea>& areas, int slot) {
    const std::uint8_t bit = static_cast<std::uint8_t>(1u << slot);
    std::vector<const WhiteArea*> mine;
    for (const WhiteArea& area : areas) {
        if (area.state & bit) {
            mine.push_back(&area);
        }
    }
    std::stable_sort(mine.begin(), mine.end(),
                     [](const WhiteArea* a, const WhiteArea* b) { return a->size > b->size; });
    return mine;
}

} // namespace

std::array<int, 4> fillSlivers(const PixelStates& states, std::vector<bool>& black,
                               const std::array<bool, 4>& shown, const QString& character) {
    std::vector<int> labels;
    const std::vector<WhiteArea> areas = findAreas(states, black, nullptr, &labels);
    std::vector<bool> sliver(areas.size(), false);
    std::array<int, 4> drawn{};
    bool any = false;
    for (int slot = 0; slot < 4; ++slot) {
        if (!shown[static_cast<size_t>(slot)]) {
            continue;
        }
        // The areas another slot's slivers have already taken are black now.
        std::vector<const WhiteArea*> mine;
        for (const WhiteArea* area : areasOfSlot(areas, slot)) {
            if (!sliver[static_cast<size_t>(area - areas.data())]) {
                mine.push_back(area);
            }
        }
        for (size_t i = MaxSeeds; i < mine.size(); ++i) {
            if (mine[i]->size > MaxSliver) {
                throw DataError(QStringLiteral("%1: the root of slot %2 needs more than %3 seed "
                                               "points (%4 white areas, the tenth of %5 pixels)")
                                    .arg(character)
                                    .arg(slot)
                                    .arg(MaxSeeds)
                                    .arg(mine.size())
                                    .arg(mine[MaxSeeds]->size));
            }
            sliver[static_cast<size_t>(mine[i] - areas.data())] = true;
            any = true;
        }
    }
    if (!any) {
        return drawn;
    }
    for (size_t p = 0; p < black.size(); ++p) {
        if (labels[p] >= 0 && sliver[static_cast<size_t>(labels[p])]) {
            black[p] = true;
        }
    }
    for (size_t i = 0; i < areas.size(); ++i) {
        for (int slot = 0; slot < 4 && sliver[i]; ++slot) {
            if (areas[i].state & (1u << slot)) {
                drawn[static_cast<size_t>(slot)] += areas[i].size;
            }
        }
    }
    return drawn;
}

SlotSeeds slotSeeds(const PixelStates& states, const std::vector<bool>& black,
                    const std::vector<WhiteArea>& areas, int slot, const QString& character) {
    const std::uint8_t bit = static_cast<std::uint8_t>(1u << slot);
    int rootPixels = 0;
    int whitePixels = 0;
    int firstRootPixel = -1;
    for (size_t p = 0; p < states.state.size(); ++p) {
        if (states.state[p] & bit) {
            ++rootPixels;
            if (!black[p]) {
                ++whitePixels;
            }
            if (firstRootPixel < 0) {
                firstRootPixel = static_cast<int>(p);
            }
        }
    }
    if (rootPixels == 0) {
        throw DataError(QStringLiteral("%1: the root of slot %2 covers no pixel of the picture")
                            .arg(character)
                            .arg(slot));
    }

    const std::vector<const WhiteArea*> mine = areasOfSlot(areas, slot);

    SlotSeeds result;
    result.rootPixels = rootPixels;
    int filled = 0;
    for (size_t i = 0; i < mine.size() && i < MaxSeeds; ++i) {
        result.seeds.push_back(mine[i]->interior);
        filled += mine[i]->size;
    }
    if (result.seeds.empty()) {
        result.seeds.push_back(
            QPoint(firstRootPixel % PictureWidth, firstRootPixel / PictureWidth));
    }
    result.coverage =
        static_cast<double>(rootPixels - whitePixels + filled) / static_cast<double>(rootPixels);
    if (result.coverage < MinCoverage) {
        throw DataError(QStringLiteral("%1: the root of slot %2 needs more than %3 seed points "
                                       "(%4 white areas; nine fill %5% of it)")
                            .arg(character)
                            .arg(slot)
                            .arg(MaxSeeds)
                            .arg(mine.size())
                            .arg(result.coverage * 100, 0, 'f', 1));
    }
    return result;
}

QString formatSeedList(const std::vector<QPoint>& seeds) {
    QString list;
    for (const QPoint& seed : seeds) {
        list += QStringLiteral("%1%2")
                    .arg(seed.x() * TwipsPerPixel, 4)
                    .arg(seed.y() * TwipsPerPixel, 4);
    }
    return list;
}

} // namespace zilvaro::build
