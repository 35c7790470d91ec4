#pragma once

#include <QStringView>

#include <array>

namespace zilvaro {

class PictureSurface;

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

} // namespace zilvaro
