#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace zilvaro {

class PictureSurface;

// Colours one root in a slot: Module3::FloodFillPicture(slot, x, y, black) for each
// seed point of the seed list (seedPoints), in order.
void fillSlotFromSeedList(PictureSurface& slot, QStringView seedList);

// The code module of the lookup.
namespace Module3 {

// Floods the area under the point (x, y) of box, given in the box's ScaleMode units,
// with fillColour (0x00BBGGRR, see BoxColour). The point goes to the nearest pixel,
// halves to even. Without a border colour the area is the pixels of the seed pixel's
// colour connected to it (the only way the lookup fills); with one, the pixels up to the
// border colour. The box's FillStyle and FillColor are the same after the call as
// before it. A seed outside the surface paints nothing.
void FloodFillPicture(PictureSurface& box, std::int32_t x, std::int32_t y, std::uint32_t fillColour,
                      std::optional<std::uint32_t> borderColour = std::nullopt);

} // namespace Module3

} // namespace zilvaro
