// The seed-list reader and the fill of one slot over arbitrary seed-list text. A number
// beyond 16 bits is a Failure, as the reader promises; nothing else may go wrong.
#include "core/failure.h"
#include "fuzz_check.h"
#include "lookup/picture_surface.h"
#include "lookup/root_fill.h"
#include "lookup/seed_list.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

using namespace zilvaro;

namespace {
// A decomposition picture of the usual size: white, with a black frame and a cross that
// split it into closed areas.
QImage picture() {
    QImage image(108, 109, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(4, 4, 99, 100);
    painter.drawLine(54, 4, 54, 104);
    painter.drawLine(4, 54, 103, 54);
    return image;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QImage Picture = picture();
    // Seed lists are GBK text in the file; any text reaches the reader.
    const QString list =
        QString::fromLatin1(reinterpret_cast<const char*>(data),
                            static_cast<qsizetype>(std::min<std::size_t>(size, 400)));
    try {
        const std::vector<SeedPoint> points = seedPoints(list);
        FUZZ_CHECK(points.size() <= static_cast<std::size_t>(list.size() / 8 + 1));
    } catch (const Failure&) {
    }
    PictureSurface slot;
    slot.setPicture(Picture);
    try {
        fillSlotFromSeedList(slot, list);
    } catch (const Failure&) {
    }
    FUZZ_CHECK(slot.surface().size() ==
               QSize(PictureSurface::SlotWidth, PictureSurface::SlotHeight));
    return 0;
}
