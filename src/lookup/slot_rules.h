#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>

namespace zilvaro {

class PictureSurface;
struct RootEntry;

// The rules by which a hit sets its four picture slots (slot k stands for root k + 1).

// Whether a third or fourth seed list field is the mark "0": the slot shows the
// identification-code picture of the full code's third or fourth letter instead of a
// root. Only the blanks around it are ignored ("0" followed by blanks in the record).
bool isIdentificationMark(QStringView fillPoints);

// Whether a third or fourth seed list field carries a root: neither blank nor the mark.
bool carriesRoot(QStringView fillPoints);

// Prepares the slots once slot 0 holds the decomposition picture: slot 1 copies it, and
// so do slots 2 and 3 when their seed lists carry a root; then a root code of two
// letters (blanks aside) empties slots 2 and 3, one of three letters empties slot 3.
// Copies take the picture without fills. A slot none of this sets keeps what it showed.
void prepareSlots(const std::array<PictureSurface*, 4>& slotBoxes, QStringView fillPoints3,
                  QStringView fillPoints4, QStringView rootCode);

// The one character whose fourth root is never filled: 倔 (blanks around it aside).
bool leavesFourthRootUnfilled(QStringView characterText);

// What a slot of a hit says about what it shows: the key letter drawn small in its corner
// (upper case, as keys are printed) and its tooltip, the root's name and key ("宀 · P")
// or, for an identification-code slot, what the code means. A null key: no caption.
struct SlotCaption {
    QChar key;
    QString toolTip;
    bool operator==(const SlotCaption&) const = default;
};

// The caption of slot `slot` (0 to 3) of a hit, for a slot that shows a picture. The key
// is the full code's letter of the slot; slots 2 and 3 marked "0" show the identification
// code of that letter. The name comes from the character's entry of the roots file
// (nullptr where the file lacks it, and then the tooltip is the key alone): slot k shows
// root k + 1, slot 3 the last root of a character of more than four; every slot of a
// key-name character or of a single stroke shows that character; the slots after the
// first of a root character show the single strokes its code letters name. A name whose
// key is not the slot's letter is not shown.
SlotCaption slotCaption(int slot, QStringView fullCode, QStringView fillPoints3,
                        QStringView fillPoints4, const RootEntry* roots);

} // namespace zilvaro
