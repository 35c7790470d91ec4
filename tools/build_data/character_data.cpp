#include "character_data.h"

#include "common/data_error.h"
#include "core/gbk.h"
#include "data/character_record.h"
#include "outline_picture.h"
#include "seed_points.h"

#include <algorithm>

namespace zilvaro::build {

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
            std::vector<SeedPoint> points;
            for (const QPoint& seed : seeds.seeds) {
                points.push_back(
                    {static_cast<std::int16_t>(seed.x()), static_cast<std::int16_t>(seed.y())});
            }
            const std::optional<QString> list = formatSeedList(points);
            if (!list) {
                throw tools::DataError(
                    QStringLiteral("%1: the seeds of slot %2 do not fit a seed list")
                        .arg(entry.character)
                        .arg(k));
            }
            fillPoints[static_cast<size_t>(k)] = *list;
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
    const CharacterRecord record{entry.character, entry.fullCode, entry.shortCode, entry.rootCode,
                                 fillPoints[0],   fillPoints[1],  fillPoints[2],   fillPoints[3]};
    QString error;
    const std::optional<QByteArray> bytes = record.encode(&error);
    if (!bytes) {
        throw tools::DataError(QStringLiteral("%1: %2").arg(entry.character, error));
    }
    data.record = *bytes;
    data.picture = outlineImage(black);
    data.sharpPicture = outlineImage(sharpBlack, sharpStates.width);
    data.key = characterKey(entry.character);
    return data;
}

} // namespace zilvaro::build
