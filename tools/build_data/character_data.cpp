#include "character_data.h"

#include "common/data_error.h"
#include "outline_picture.h"
#include "seed_points.h"

#include <core/gbk.h>

#include <algorithm>

namespace zilvaro::build {

namespace {

void put(QByteArray& record, int offset, int width, const QString& text) {
    const std::optional<QByteArray> bytes = toGbk(text);
    if (!bytes || bytes->size() > width) {
        throw tools::DataError(
            QStringLiteral("\"%1\" does not fit in %2 GBK bytes").arg(text).arg(width));
    }
    record.replace(offset, static_cast<qsizetype>(bytes->size()), *bytes);
}

} // namespace

QByteArray encodeRecord(const QString& character, const QString& fullCode, const QString& shortCode,
                        const QString& rootCode, const std::array<QString, 4>& fillPoints) {
    QByteArray record(302, ' ');
    put(record, 0, 2, character);
    put(record, 2, 4, fullCode);
    put(record, 6, 4, shortCode);
    put(record, 10, 4, rootCode);
    for (int k = 0; k < 4; ++k) {
        put(record, 14 + 72 * k, 72, fillPoints[static_cast<size_t>(k)]);
    }
    return record;
}

CharacterData buildCharacter(const Decomposition& entry, const StrokeOutlines& strokes) {
    const SlotLayout layout = layoutSlots(entry, static_cast<int>(strokes.size()));
    std::array<bool, 4> shown{};
    for (size_t k = 0; k < 4; ++k) {
        shown[k] = layout.content[k] == SlotContent::Root;
    }
    // The decomposition picture and the sharp one, from the same outlines by the same
    // rule, each with its own slivers drawn black.
    // (The seeds' depth is measured in the decomposition picture alone: any point of an
    // area serves its fill, and the sharp picture's distances would double the time.)
    const PixelStates states = rasterise(strokes, layout.strokeSlots);
    std::vector<bool> black = outline(states);
    SeedPicture picture(states, black);
    const std::array<int, 4> slivers = fillSlivers(picture, shown, entry.character);
    const PixelStates sharpStates = rasterise(strokes, layout.strokeSlots, SharpScale);
    std::vector<bool> sharpBlack = outline(sharpStates);
    SeedPicture sharp(sharpStates, sharpBlack, false);
    const std::array<int, 4> sharpSlivers = fillSlivers(sharp, shown, entry.character);

    CharacterData data;
    std::array<QString, 4> fillPoints;
    for (int k = 0; k < 4; ++k) {
        switch (layout.content[static_cast<size_t>(k)]) {
        case SlotContent::Root: {
            const SlotSeeds seeds = slotSeeds({&picture, &sharp}, k, entry.character);
            fillPoints[static_cast<size_t>(k)] = formatSeedList(seeds.seeds);
            const auto slot = static_cast<size_t>(k);
            data.coverage[slot] =
                std::min(seeds.coverage[0] - static_cast<double>(slivers[slot]) /
                                                 static_cast<double>(seeds.rootPixels[0]),
                         seeds.coverage[1] - static_cast<double>(sharpSlivers[slot]) /
                                                 static_cast<double>(seeds.rootPixels[1]));
            break;
        }
        case SlotContent::Identification:
            fillPoints[static_cast<size_t>(k)] = QStringLiteral("0");
            break;
        case SlotContent::Empty:
            break;
        }
    }
    try {
        data.record = encodeRecord(entry.character, entry.fullCode, entry.shortCode, entry.rootCode,
                                   fillPoints);
    } catch (const tools::DataError& e) {
        throw tools::DataError(QStringLiteral("%1: %2").arg(entry.character, e.message()));
    }
    data.picture = outlineImage(black);
    data.sharpPicture = outlineImage(sharpBlack, sharpStates.width);
    data.key = characterKey(entry.character);
    return data;
}

} // namespace zilvaro::build
