// The lookup of one character: the binary search of the record file, then the
// presentation of what it found (code line, picture slots, no-entry notice).
#include "ui/form11.h"

#include "core/gbk.h"
#include "lookup/binary_search.h"
#include "lookup/code_line.h"
#include "lookup/identification_code.h"
#include "lookup/seed_list.h"
#include "ui/assets.h"
#include "ui/picture_box.h"

#include <QDir>
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

QString Form11::decompositionPicturePath(const QString& character) const {
    return QDir(programDir_).filePath(QStringLiteral("bmp/") + character +
                                      QStringLiteral(".bmp"));
}

namespace {

QImage loadPicture(const QString& path) {
    QImage picture(path);
    if (picture.isNull()) {
        throw Failure(QStringLiteral("Cannot load the picture %1").arg(path));
    }
    return picture;
}

// Shows the identification-code picture of a key letter in a slot; a letter that
// names no picture leaves the slot as it is.
void showIdentificationCode(PictureBox* slot, QChar letter) {
    if (const std::optional<int> index = identificationPictureIndex(letter)) {
        slot->surface().setPicture(identificationPicture(*index));
        slot->update();
    }
}

QChar letterAt(const QString& text, int position) {
    return position < text.size() ? text[position] : QChar();
}

} // namespace

void Form11::presentHit() {
    Picture2->hide();
    display();
    Label4.set(Text23.text());
    Label8.set(Text12.text());
    Label7.set(Text13.text());
    Label6.set(Text14.text());

    const QString line = codeLine(Label8.text().trimmed(), Label7.text().trimmed(),
                                  Label6.text().trimmed(), Label5->text());
    setCaption(Label5, line);
    setCaption(Label10, Label5->text());

    // Slot preparation: the character's picture in every slot that shows a root.
    const QString character = firstCharacter(Text11.text());
    PictureSurface& slot0 = Picture1[0]->surface();
    slot0.setPicture(loadPicture(decompositionPicturePath(character)));
    Picture1[1]->surface().copyPictureFrom(slot0);
    const QString mark3 = Text19.text().trimmed();
    const QString mark4 = Text20.text().trimmed();
    if (!mark3.isEmpty() && mark3 != QLatin1String("0")) {
        Picture1[2]->surface().copyPictureFrom(slot0);
    }
    if (!mark4.isEmpty() && mark4 != QLatin1String("0")) {
        Picture1[3]->surface().copyPictureFrom(slot0);
    }
    const qsizetype rootLetters = Text14.text().trimmed().size();
    if (rootLetters == 2) {
        Picture1[2]->surface().clearPicture();
        Picture1[3]->surface().clearPicture();
    }
    if (rootLetters == 3) {
        Picture1[3]->surface().clearPicture();
    }

    fillSlotFromSeedList(Picture1[0]->surface(), CurrentRecord.FillPoints1);
    fillSlotFromSeedList(Picture1[1]->surface(), CurrentRecord.FillPoints2);
    for (PictureBox* slot : Picture1) {
        slot->update();
    }

    if (Text19.text().trimmed() == QLatin1String("0")) {
        showIdentificationCode(Picture1[2], letterAt(Text12.text(), 2));
        return;
    }
    fillSlotFromSeedList(Picture1[2]->surface(), CurrentRecord.FillPoints3);
    Picture1[2]->update();

    if (Text20.text().trimmed() == QLatin1String("0")) {
        showIdentificationCode(Picture1[3], letterAt(Text12.text(), 3));
        return;
    }
    if (Text11.text().trimmed() == QStringLiteral("倔")) {
        CurrentRecord.FillPoints4 = QString(CharacterRecord::FillPointsWidth, u' ');
    }
    fillSlotFromSeedList(Picture1[3]->surface(), CurrentRecord.FillPoints4);
    Picture1[3]->update();

    Text23.set(QString());
}

void Form11::presentMiss() {
    Label4.set(QString());
    Label8.set(QString());
    Label7.set(QString());
    Label6.set(QString());
    for (PictureBox* slot : Picture1) {
        slot->surface().clearPicture();
        slot->update();
    }
    Picture2->show();
    setCaption(Label10, QString());
    setCaption(Label5, QString());
    Text23.set(QString());
}

} // namespace zilvaro
