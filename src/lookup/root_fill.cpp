#include "lookup/root_fill.h"

#include "core/rounding.h"
#include "lookup/flood_fill.h"
#include "lookup/picture_surface.h"
#include "lookup/seed_list.h"

namespace zilvaro {

void fillSlotFromSeedList(PictureSurface& slot, QStringView seedList) {
    for (const SeedPoint& point : seedPoints(seedList)) {
        Module3::FloodFillPicture(slot, point.x, point.y, BoxBlack);
    }
}

namespace Module3 {

void FloodFillPicture(PictureSurface& box, std::int32_t x, std::int32_t y, std::uint32_t fillColour,
                      std::optional<std::uint32_t> borderColour) {
    const std::int32_t xp = toInt32(box.ScaleX(x, box.ScaleMode(), ScaleUnit::Pixel));
    const std::int32_t yp = toInt32(box.ScaleY(y, box.ScaleMode(), ScaleUnit::Pixel));
    const int savedStyle = box.FillStyle();
    const BoxColour savedColour = box.FillColor();
    box.setFillStyle(FillSolid);
    box.setFillColor(fillColour);
    if (!borderColour) {
        // The seed pixel's colour, read in the box's own units; -1 outside the surface.
        const std::int32_t seedColour = box.Point(x, y);
        box.ExtFloodFill(xp, yp, static_cast<BoxColour>(seedColour), FloodMode::Surface);
    } else {
        box.ExtFloodFill(xp, yp, *borderColour, FloodMode::Border);
    }
    box.setFillStyle(savedStyle);
    box.setFillColor(savedColour);
}

} // namespace Module3

} // namespace zilvaro
