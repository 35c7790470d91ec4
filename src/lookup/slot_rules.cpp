#include "lookup/slot_rules.h"

#include "core/blank_text.h"
#include "lookup/picture_surface.h"

namespace zilvaro {

bool isIdentificationMark(QStringView fillPoints) {
    return trimBlanks(fillPoints) == u"0";
}

bool carriesRoot(QStringView fillPoints) {
    const QStringView content = trimBlanks(fillPoints);
    return !content.isEmpty() && content != u"0";
}

void prepareSlots(const std::array<PictureSurface*, 4>& slotBoxes, QStringView fillPoints3,
                  QStringView fillPoints4, QStringView rootCode) {
    slotBoxes[1]->copyPictureFrom(*slotBoxes[0]);
    if (carriesRoot(fillPoints3)) {
        slotBoxes[2]->copyPictureFrom(*slotBoxes[0]);
    }
    if (carriesRoot(fillPoints4)) {
        slotBoxes[3]->copyPictureFrom(*slotBoxes[0]);
    }
    const qsizetype roots = trimBlanks(rootCode).size();
    if (roots == 2) {
        slotBoxes[2]->clearPicture();
        slotBoxes[3]->clearPicture();
    }
    if (roots == 3) {
        slotBoxes[3]->clearPicture();
    }
}

bool leavesFourthRootUnfilled(QStringView characterText) {
    return trimBlanks(characterText) == u"倔";
}

} // namespace zilvaro
