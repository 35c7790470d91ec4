#include "lookup/slot_rules.h"

#include "core/blank_text.h"
#include "data/root_file.h"
#include "data/single_strokes.h"
#include "lookup/identification_code.h"
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

namespace {

// The name of the root slot `slot` shows, or empty where the entry does not say it.
QString rootNameOf(int slot, QChar letter, const RootEntry& entry) {
    const qsizetype count = entry.roots.size();
    if (count == 0) {
        return {};
    }
    const RootEntry::Root* root = nullptr;
    if (entry.kind == u"key" || entry.kind == u"stroke") {
        root = &entry.roots.first();
    } else if (entry.kind == u"root") {
        if (slot > 0) {
            return singleStrokeOfKey(letter);
        }
        root = &entry.roots.first();
    } else if (slot == 3 && count > 4) {
        root = &entry.roots.last();
    } else if (slot < count) {
        root = &entry.roots[slot];
    }
    return root && root->key == letter ? root->name : QString();
}

} // namespace

SlotCaption slotCaption(int slot, QStringView fullCode, QStringView fillPoints3,
                        QStringView fillPoints4, const RootEntry* roots) {
    const QStringView code = trimBlanks(fullCode);
    if (slot < 0 || slot >= 4 || slot >= code.size()) {
        return {};
    }
    const QChar letter = code[slot];
    const QChar key = letter.toUpper();
    if ((slot == 2 && isIdentificationMark(fillPoints3)) ||
        (slot == 3 && isIdentificationMark(fillPoints4))) {
        const QString meaning = identificationMeaning(letter);
        return meaning.isEmpty() ? SlotCaption{} : SlotCaption{key, meaning};
    }
    if (letter < u'a' || letter > u'y') {
        return {};
    }
    const QString name = roots ? rootNameOf(slot, letter, *roots) : QString();
    return {key, name.isEmpty() ? QString(key) : name + QStringLiteral(" · ") + key};
}

} // namespace zilvaro
