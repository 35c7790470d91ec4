// The lookup of one character: the binary search of the record file, then the
// presentation of what it found (code line, picture slots, no-entry notice).
#include "ui/form11.h"

#include "core/blank_text.h"
#include "lookup/binary_search.h"
#include "lookup/code_line.h"
#include "lookup/decomposition_picture.h"
#include "lookup/identification_code.h"
#include "lookup/root_fill.h"
#include "lookup/slot_rules.h"
#include "ui/assets.h"
#include "ui/picture_box.h"

#include <QLabel>

namespace zilvaro {

void Form11::display() {
    CurrentRecord = RecordFile_->read(CurrentRecordNumber);
    Text11.set(CurrentRecord.Character);
    Text12.set(CurrentRecord.FullCode);
    Text13.set(CurrentRecord.ShortCode);
    Text14.set(CurrentRecord.RootCode);
    Text17.set(CurrentRecord.FillPoints1);
    Text18.set(CurrentRecord.FillPoints2);
    Text19.set(CurrentRecord.FillPoints3);
    Text20.set(CurrentRecord.FillPoints4);
}

void Form11::Command6_Click() {
    if (Text23.text().isEmpty()) {
        return;
    }
    SearchResult search = bisectRecords(*RecordFile_, Text23.text());
    Text31.set(search.Text31);
    Text32.set(search.Text32);
    CurrentRecordNumber = search.CurrentRecordNumber;
    CurrentRecord = std::move(search.CurrentRecord);
    LookupFound = search.LookupFound;
    if (LookupFound == -1) {
        presentHit();
    } else {
        presentMiss();
    }
}

namespace {

// Shows the identification-code picture of a key letter in a slot, at the scale of the
// slot's screen; a letter that names no picture leaves the slot as it is.
void showIdentificationCode(PictureBox* slot, QChar letter) {
    if (const std::optional<int> index = identificationPictureIndex(letter)) {
        slot->surface().setPicture(
            assets::identificationCode(*index, pictureScaleFor(slot->devicePixelRatioF())));
    }
}

QChar letterAt(const QString& text, int position) {
    return position < text.size() ? text[position] : QChar();
}

} // namespace

// Everything a hit shows comes from the detail boxes display() has just filled.
void Form11::presentHit() {
    Picture2->hide();
    display();
    Label4.set(Text23.text());
    Label8.set(Text12.text());
    Label7.set(Text13.text());
    Label6.set(Text14.text());

    // Only codes that type the character, each named in the tooltip.
    const QStringList codes = shownCodes(trimBlanks(Text11.text()), Label8.text());
    setCaption(Label5, wubiCodeLine(codes));
    setCaption(Label10, Label5->text());
    Label10->setToolTip(wubiCodeTip(codes));

    // The character's picture in every slot that shows a root: the sharp one where the
    // screen's device pixel ratio is above 1.
    Picture1[0]->surface().setPicture(loadSlotPicture(
        programDir_, Text11.text(), pictureScaleFor(Picture1[0]->devicePixelRatioF())));
    prepareSlots({&Picture1[0]->surface(), &Picture1[1]->surface(), &Picture1[2]->surface(),
                  &Picture1[3]->surface()},
                 Text19.text(), Text20.text(), Text14.text());

    fillSlotFromSeedList(Picture1[0]->surface(), Text17.text());
    fillSlotFromSeedList(Picture1[1]->surface(), Text18.text());

    if (isIdentificationMark(Text19.text())) {
        showIdentificationCode(Picture1[2], letterAt(Text12.text(), 2));
        captionSlots();
        return;
    }
    fillSlotFromSeedList(Picture1[2]->surface(), Text19.text());

    if (isIdentificationMark(Text20.text())) {
        showIdentificationCode(Picture1[3], letterAt(Text12.text(), 3));
        captionSlots();
        return;
    }
    // The one character whose fourth root stays white fills its fourth slot from a
    // blank seed list.
    fillSlotFromSeedList(Picture1[3]->surface(),
                         leavesFourthRootUnfilled(Text11.text())
                             ? QString(CharacterRecord::FillPointsWidth, u' ')
                             : Text20.text());
    captionSlots();

    Text23.set(QString());
}

void Form11::presentMiss() {
    Label4.set(QString());
    Label8.set(QString());
    Label7.set(QString());
    Label6.set(QString());
    for (PictureBox* slot : Picture1) {
        slot->surface().clearPicture();
    }
    captionSlots();
    Picture2->show();
    setCaption(Label10, QString());
    setCaption(Label5, QString());
    Text23.set(QString());
}

void Form11::captionSlots() {
    const auto found = roots_.constFind(trimBlanks(Text11.text()).toString());
    const RootEntry* entry = found == roots_.constEnd() ? nullptr : &found.value();
    for (int k = 0; k < 4; ++k) {
        PictureBox* slot = Picture1[k];
        const SlotCaption caption =
            slot->surface().hasPicture()
                ? slotCaption(k, Text12.text(), Text19.text(), Text20.text(), entry)
                : SlotCaption{};
        slot->setCornerLetter(caption.key);
        slot->setToolTip(caption.toolTip);
        slot->setAccessibleName(caption.toolTip);
    }
}

} // namespace zilvaro
