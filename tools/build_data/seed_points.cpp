#include "seed_points.h"

#include "common/data_error.h"
#include "core/rounding.h"

#include <algorithm>
#include <limits>
#include <map>

namespace zilvaro::build {

namespace {

constexpr long long Far = std::numeric_limits<int>::max() / 4;

// Where an error lies, for the sharp picture.
QString inPicture(const PixelStates& states) {
    return states.scale() == 1 ? QString() : QStringLiteral(" in the sharp picture");
}

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
std::vector<long long> distanceToBlack(const std::vector<bool>& black, int w) {
    const int h = static_cast<int>(black.size()) / w;
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
    const int w = states.width;
    const int h = states.height;
    // Taken: black, or already in an area. Each area is found by runs of a row.
    std::vector<std::uint8_t> taken(black.size(), 0);
    for (size_t p = 0; p < black.size(); ++p) {
        taken[p] = black[p] ? 1 : 0;
    }
    std::vector<int> stack;
    std::vector<WhiteArea> areas;
    if (labels) {
        labels->assign(black.size(), -1);
    }
    for (int start = 0; start < w * h; ++start) {
        if (taken[static_cast<size_t>(start)]) {
            continue;
        }
        WhiteArea area;
        area.state = states.state[static_cast<size_t>(start)];
        const int label = static_cast<int>(areas.size());
        int best = start;
        stack.assign(1, start);
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            if (taken[static_cast<size_t>(p)]) {
                continue;
            }
            const int y = p / w;
            const int rowStart = y * w;
            int left = p - rowStart;
            int right = left;
            while (left > 0 && !taken[static_cast<size_t>(rowStart + left - 1)]) {
                --left;
            }
            while (right < w - 1 && !taken[static_cast<size_t>(rowStart + right + 1)]) {
                ++right;
            }
            for (int q = rowStart + left; q <= rowStart + right; ++q) {
                taken[static_cast<size_t>(q)] = 1;
                if (labels) {
                    (*labels)[static_cast<size_t>(q)] = label;
                }
                if (distances) {
                    const std::vector<long long>& dist = *distances;
                    if (dist[static_cast<size_t>(q)] > dist[static_cast<size_t>(best)] ||
                        (dist[static_cast<size_t>(q)] == dist[static_cast<size_t>(best)] &&
                         q < best)) {
                        best = q;
                    }
                }
            }
            area.size += right - left + 1;
            // The start of every open run in the rows above and below.
            for (const int other : {y - 1, y + 1}) {
                if (other < 0 || other >= h) {
                    continue;
                }
                const int otherStart = other * w;
                for (int x = left; x <= right; ++x) {
                    if (!taken[static_cast<size_t>(otherStart + x)] &&
                        (x == left || taken[static_cast<size_t>(otherStart + x - 1)])) {
                        stack.push_back(otherStart + x);
                    }
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
    const std::vector<long long> distances = distanceToBlack(black, states.width);
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

SeedPicture::SeedPicture(const PixelStates& states_, std::vector<bool>& black_, bool withDepth)
    : states(states_), black(black_) {
    if (withDepth) {
        distanceSquare = distanceToBlack(black, states.width);
    }
    areas = findAreas(states, black, nullptr, &labels);
    const int scale = states.scale();
    std::array<int, 4> left, top, right, bottom;
    left.fill(states.width);
    top.fill(states.height);
    right.fill(-1);
    bottom.fill(-1);
    for (int y = 0; y < states.height; ++y) {
        for (int x = 0; x < states.width; ++x) {
            const size_t p = static_cast<size_t>(y * states.width + x);
            const std::uint8_t rootBits = states.state[p] & SlotBits;
            if (!rootBits) {
                continue;
            }
            for (size_t slot = 0; slot < 4; ++slot) {
                if (rootBits & (1u << slot)) {
                    ++rootPixels[slot];
                    whitePixels[slot] += black[p] ? 0 : 1;
                    left[slot] = std::min(left[slot], x);
                    right[slot] = std::max(right[slot], x);
                    top[slot] = std::min(top[slot], y);
                    bottom[slot] = std::max(bottom[slot], y);
                }
            }
        }
    }
    for (size_t slot = 0; slot < 4; ++slot) {
        if (rootPixels[slot] > 0) {
            extent[slot] = QRect(QPoint(left[slot] / scale, top[slot] / scale),
                                 QPoint(right[slot] / scale, bottom[slot] / scale));
        }
    }
}

std::array<int, 4> fillSlivers(SeedPicture& picture, const std::array<bool, 4>& shown,
                               const QString& character) {
    const std::vector<WhiteArea>& areas = picture.areas;
    std::uint8_t shownBits = 0;
    for (int slot = 0; slot < 4; ++slot) {
        shownBits |= shown[static_cast<size_t>(slot)] ? static_cast<std::uint8_t>(1u << slot) : 0;
    }
    std::vector<bool> sliver(areas.size(), false);
    std::array<int, 4> drawn{};
    bool any = false;
    const int scale = picture.states.scale();
    const int maxSliver = MaxSliver * scale * scale;
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
        // The smallest areas go first. An area that every shown slot's root covers may
        // go whatever its size: every slot that shows the picture fills it black anyway.
        size_t excess = mine.size() > MaxSeeds ? mine.size() - MaxSeeds : 0;
        for (size_t i = mine.size(); i-- > 0 && excess > 0;) {
            if (mine[i]->size > maxSliver && (mine[i]->state & shownBits) != shownBits) {
                continue;
            }
            sliver[static_cast<size_t>(mine[i] - areas.data())] = true;
            any = true;
            --excess;
        }
        if (excess > 0) {
            throw tools::DataError(
                QStringLiteral("%1: the root of slot %2 needs more than %3 seed "
                               "points (%4 white areas, the tenth of %5 pixels)%6")
                    .arg(character)
                    .arg(slot)
                    .arg(MaxSeeds)
                    .arg(mine.size())
                    .arg(mine[MaxSeeds]->size)
                    .arg(inPicture(picture.states)));
        }
    }
    if (!any) {
        return drawn;
    }
    for (size_t p = 0; p < picture.black.size(); ++p) {
        const int label = picture.labels[p];
        if (label >= 0 && sliver[static_cast<size_t>(label)]) {
            picture.black[p] = true;
            picture.labels[p] = -1;
        }
    }
    for (size_t i = 0; i < areas.size(); ++i) {
        for (int slot = 0; slot < 4 && sliver[i]; ++slot) {
            if (areas[i].state & (1u << slot)) {
                drawn[static_cast<size_t>(slot)] += areas[i].size;
            }
        }
    }
    for (size_t slot = 0; slot < 4; ++slot) {
        picture.whitePixels[slot] -= drawn[slot];
    }
    return drawn;
}

std::array<int, 4> fillSlivers(const PixelStates& states, std::vector<bool>& black,
                               const std::array<bool, 4>& shown, const QString& character) {
    SeedPicture picture(states, black, false);
    return fillSlivers(picture, shown, character);
}

int pixelOfTwips(int twips, int scale) {
    const double twipsPerPixel = static_cast<double>(TwipsPerPixel) / scale;
    return static_cast<int>(roundHalfEven(static_cast<double>(twips) / twipsPerPixel));
}

namespace {

// A seed coordinate along one axis: the twips in the middle of a run of twips that fall
// on the same pixel in every picture, and those pixels.
struct AxisStop {
    int twips = 0;
    std::array<int, 2> pixel{};
};

// The stops of an axis of `pixels` pixels in the decomposition picture, in order (kept
// per thread: every character asks for the same few).
const std::vector<AxisStop>& axisStops(int pixels,
                                       const std::vector<const SeedPicture*>& pictures) {
    std::array<int, 3> key{pixels, 0, 0};
    for (size_t i = 0; i < pictures.size(); ++i) {
        key[i + 1] = pictures[i]->states.scale();
    }
    thread_local std::map<std::array<int, 3>, std::vector<AxisStop>> known;
    const auto found = known.find(key);
    if (found != known.end()) {
        return found->second;
    }
    const auto pixelsAt = [&](int twips) {
        std::array<int, 2> at{};
        for (size_t i = 0; i < pictures.size(); ++i) {
            at[i] = pixelOfTwips(twips, pictures[i]->states.scale());
        }
        return at;
    };
    std::vector<AxisStop>& stops = known[key];
    int runStart = 0;
    std::array<int, 2> run = pixelsAt(0);
    for (int twips = 1;; ++twips) {
        const std::array<int, 2> at = pixelsAt(twips);
        if (at == run && at[0] < pixels) {
            continue;
        }
        stops.push_back({(runStart + twips - 1) / 2, run});
        if (at[0] >= pixels) {
            return stops;
        }
        runStart = twips;
        run = at;
    }
}

struct Candidate {
    QPoint twips;
    long long depth = -1;
};

} // namespace

SlotSeeds slotSeeds(const std::vector<const SeedPicture*>& pictures, int slot,
                    const QString& character) {
    const std::uint8_t bit = static_cast<std::uint8_t>(1u << slot);
    const size_t count = pictures.size();
    if (count < 1 || count > 2) {
        throw tools::DataError(
            QStringLiteral("%1: seeds serve one or two pictures").arg(character));
    }
    SlotSeeds result;
    // The root's extent in the decomposition picture's pixels, in all pictures.
    QRect extent;
    int maxScale = 1;
    for (size_t i = 0; i < count; ++i) {
        const SeedPicture& picture = *pictures[i];
        maxScale = std::max(maxScale, picture.states.scale());
        result.rootPixels.push_back(picture.rootPixels[static_cast<size_t>(slot)]);
        extent |= picture.extent[static_cast<size_t>(slot)];
        if (result.rootPixels[i] == 0) {
            throw tools::DataError(
                QStringLiteral("%1: the root of slot %2 covers no pixel of the picture%3")
                    .arg(character)
                    .arg(slot)
                    .arg(inPicture(picture.states)));
        }
    }
    const int left = extent.left(), right = extent.right();
    const int top = extent.top(), bottom = extent.bottom();

    // The best seed for each combination of areas (one per picture, -1 for a black
    // pixel): the point deepest inside them, measured in the finest picture's pixels.
    // (Kept in a table indexed by the areas, the first picture's varying fastest.)
    const size_t stride = pictures[0]->areas.size() + 1;
    const size_t combinations = stride * (count > 1 ? pictures[1]->areas.size() + 1 : 1);
    std::vector<Candidate> best(combinations);
    const auto keyOf = [&](const std::array<int, 2>& areas) {
        return static_cast<size_t>(areas[0] + 1) + stride * static_cast<size_t>(areas[1] + 1);
    };
    Candidate onOutline; // a point black in every picture, on the root's own pixels

    // Whether each area of each picture belongs to the root; the stops within the root's
    // extent (and a pixel around it) that fall inside every picture.
    std::array<std::vector<std::uint8_t>, 2> ofRoot;
    for (size_t i = 0; i < count; ++i) {
        for (const WhiteArea& area : pictures[i]->areas) {
            ofRoot[i].push_back((area.state & bit) != 0 ? 1 : 0);
        }
    }
    const auto usedStops = [&](const std::vector<AxisStop>& stops, int from, int to,
                               bool horizontal) {
        std::vector<const AxisStop*> used;
        for (const AxisStop& stop : stops) {
            bool inside = stop.pixel[0] >= from - 1 && stop.pixel[0] <= to + 1;
            for (size_t i = 0; i < count; ++i) {
                const PixelStates& states = pictures[i]->states;
                inside = inside && stop.pixel[i] < (horizontal ? states.width : states.height);
            }
            if (inside) {
                used.push_back(&stop);
            }
        }
        return used;
    };
    const std::vector<const AxisStop*> columns =
        usedStops(axisStops(PictureWidth, pictures), left, right, true);
    const std::vector<const AxisStop*> rows =
        usedStops(axisStops(PictureHeight, pictures), top, bottom, false);
    const SeedPicture& first = *pictures[0];
    const SeedPicture* second = count > 1 ? pictures[1] : nullptr;
    const long long firstFactor = maxScale / first.states.scale();
    const long long secondFactor = second ? maxScale / second->states.scale() : 1;
    for (const AxisStop* row : rows) {
        const size_t firstRow = static_cast<size_t>(row->pixel[0] * first.states.width);
        const size_t secondRow =
            second ? static_cast<size_t>(row->pixel[1] * second->states.width) : 0;
        for (const AxisStop* column : columns) {
            const size_t p0 = firstRow + static_cast<size_t>(column->pixel[0]);
            const int a0 = first.labels[p0];
            if (a0 >= 0 && !ofRoot[0][static_cast<size_t>(a0)]) {
                continue; // a fill there would paint another root or the background
            }
            int a1 = -1;
            size_t p1 = 0;
            if (second) {
                p1 = secondRow + static_cast<size_t>(column->pixel[1]);
                a1 = second->labels[p1];
                if (a1 >= 0 && !ofRoot[1][static_cast<size_t>(a1)]) {
                    continue;
                }
            }
            const QPoint twips(column->twips, row->twips);
            if (a0 < 0 && a1 < 0) {
                // Black everywhere: a fill paints nothing.
                if (onOutline.depth < 0 && (first.states.state[p0] & bit)) {
                    onOutline = {twips, 0};
                }
                continue;
            }
            long long depth = -1; // unknown until a picture with depths has a say
            if (a0 >= 0 && !first.distanceSquare.empty()) {
                depth = first.distanceSquare[p0] * firstFactor * firstFactor;
            }
            if (a1 >= 0 && !second->distanceSquare.empty()) {
                const long long own = second->distanceSquare[p1] * secondFactor * secondFactor;
                depth = depth < 0 ? own : std::min(depth, own);
            }
            depth = std::max(depth, 0LL);
            Candidate& candidate = best[keyOf({a0, a1})];
            if (depth > candidate.depth) {
                candidate = {twips, depth};
            }
        }
    }

    // Greedily, the seed that turns the largest share of the root black.
    std::vector<std::vector<bool>> covered(count);
    std::vector<int> filled(count, 0);
    for (size_t i = 0; i < count; ++i) {
        covered[i].assign(pictures[i]->areas.size(), false);
    }
    while (result.seeds.size() < static_cast<size_t>(MaxSeeds)) {
        // Of seeds that gain as much, one on white in more pictures, then the deeper one.
        double bestGain = 0;
        int bestHits = 0;
        long long bestDepth = -1;
        std::array<int, 2> chosen{-1, -1};
        for (size_t key = 0; key < combinations; ++key) {
            if (best[key].depth < 0) {
                continue;
            }
            const std::array<int, 2> areas{static_cast<int>(key % stride) - 1,
                                           static_cast<int>(key / stride) - 1};
            double gain = 0;
            int hits = 0;
            for (size_t i = 0; i < count; ++i) {
                const int area = areas[i];
                hits += area >= 0 ? 1 : 0;
                if (area >= 0 && !covered[i][static_cast<size_t>(area)]) {
                    gain +=
                        static_cast<double>(pictures[i]->areas[static_cast<size_t>(area)].size) /
                        result.rootPixels[i];
                }
            }
            if (gain <= 0) {
                continue;
            }
            if (gain > bestGain ||
                (gain == bestGain &&
                 (hits > bestHits || (hits == bestHits && best[key].depth > bestDepth)))) {
                bestGain = gain;
                bestHits = hits;
                bestDepth = best[key].depth;
                chosen = areas;
            }
        }
        if (bestGain <= 0) {
            break;
        }
        result.seeds.push_back(best[keyOf(chosen)].twips);
        for (size_t i = 0; i < count; ++i) {
            const int area = chosen[i];
            if (area >= 0 && !covered[i][static_cast<size_t>(area)]) {
                covered[i][static_cast<size_t>(area)] = true;
                filled[i] += pictures[i]->areas[static_cast<size_t>(area)].size;
            }
        }
    }
    if (result.seeds.empty()) {
        if (onOutline.depth < 0) {
            throw tools::DataError(
                QStringLiteral("%1: the root of slot %2 has no point that lies on "
                               "its own pixels in every picture")
                    .arg(character)
                    .arg(slot));
        }
        result.seeds.push_back(onOutline.twips);
    }

    for (size_t i = 0; i < count; ++i) {
        const int root = result.rootPixels[i];
        const int white = pictures[i]->whitePixels[static_cast<size_t>(slot)];
        result.coverage.push_back(static_cast<double>(root - white + filled[i]) / root);
        if (result.coverage[i] < MinCoverage) {
            int areas = 0;
            for (const WhiteArea& area : pictures[i]->areas) {
                areas += (area.state & bit) ? 1 : 0;
            }
            throw tools::DataError(
                QStringLiteral("%1: the root of slot %2 needs more than %3 seed points "
                               "(%4 white areas; nine fill %5% of it)%6")
                    .arg(character)
                    .arg(slot)
                    .arg(MaxSeeds)
                    .arg(areas)
                    .arg(result.coverage[i] * 100, 0, 'f', 1)
                    .arg(inPicture(pictures[i]->states)));
        }
    }
    return result;
}

} // namespace zilvaro::build
