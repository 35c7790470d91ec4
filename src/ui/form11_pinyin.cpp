// The pinyin finder (a syllable lists its characters) and the reverse pinyin lookup
// (a character shows its reading), which share the pinyin query box Text2bh.
#include "ui/form11.h"

#include "core/blank_text.h"
#include "core/gbk.h"
#include "finders/syllable_query.h"
#include "ui/caret_boxes.h"
#include "ui/simple_combo.h"

#include <QLabel>

namespace zilvaro {

void Form11::Combo6_Change() {
    syllableEntry(false);
}

void Form11::Combo6_Click() {
    syllableEntry(true);
}

void Form11::syllableEntry(bool click) {
    // Typed in capitals or with v or ü, the syllable is searched, and shown, as the table
    // writes it.
    const QString entered = foldedSyllable(Combo6->text());
    const QString typed = trimBlanks(entered).toString();
    if (typed.isEmpty()) {
        return;
    }
    Label20.set(QStringLiteral("2"));
    const std::optional<QString> query = paddedSyllable(typed);
    // A text that cannot be a syllable (seven letters or more, or one that does not start
    // with a letter a to z) searches nothing; the strip, the lookup and the pinyin line
    // keep what they show, so the line never names a reading the character lacks.
    if (!query || pinyinSegmentOf(query->front()) == 0) {
        return;
    }
    Text2bh.set(*query);
    if (text6().isEmpty()) {
        return;
    }
    setCaption(Label24, entered);
    setCaption(Label25, entered);
    Text23.set(firstCharacter(text6()));
    Command6_Click();
    if (click) {
        Text6->setFocus();
        Text6->setSelection(1, 0);
    }
}

void Form11::Text2bh_Change() {
    if (trimBlanks(Text2bh.text()).isEmpty()) {
        return;
    }
    if (Label20.text() != QLatin1String("1")) {
        for (int segment = 1; segment <= 5; ++segment) {
            const QString first = Text2bh.text().left(1);
            if (pinyinSegmentOf(first[0]) == segment) {
                pinyinSegmentRun(segment);
            }
        }
        return;
    }
    if (isDoubleByte(Text2bh.text())) {
        Command9z_Click();
    } else {
        setCaption(Label24, QString());
        setCaption(Label25, QString());
    }
}

void Form11::pinyinSegmentRun(int segment) {
    listSegmentIntoStrip(Text1bh[segment - 1], Text2bh);
}

void Form11::Command9z_Click() {
    // Segments in order; the first that leaves a reading in the pinyin line ends it.
    void (Form11::*const runs[])() = {&Form11::Command9a_Click, &Form11::Command9b_Click,
                                      &Form11::Command9c_Click, &Form11::Command9d_Click,
                                      &Form11::Command9e_Click};
    for (auto run : runs) {
        (this->*run)();
        if (!Label24->text().isEmpty()) {
            return;
        }
    }
}

void Form11::readingSegmentRun(int segment) {
    setCaption(Label24, QString());
    setCaption(Label25, QString());
    for (;;) {
        TextSearchf(Text1bh[segment - 1], Text2bh.text());
        if (Label1bh.text() != QLatin1String("1")) {
            return;
        }
        setCaption(Label24, Label2bh.text());
        setCaption(Label25, Label24->text());
    }
}

} // namespace zilvaro
