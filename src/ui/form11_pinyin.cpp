// The pinyin finder (a syllable lists its characters) and the reverse pinyin lookup
// (a character shows its reading), which share the pinyin query box Text2bh.
#include "ui/form11.h"

#include "core/blank_text.h"
#include "core/gbk.h"
#include "data/character_tables.h"
#include "finders/reading_search.h"
#include "finders/segment_choice.h"
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
    if (!query || pinyinSegmentOf(*query) == 0) {
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
        static constexpr SegmentRuns runs = {
            &Form11::Command88bh1_Click, &Form11::Command88bh2_Click, &Form11::Command88bh3_Click,
            &Form11::Command88bh4_Click, &Form11::Command88bh5_Click};
        runSegment(runs, pinyinSegmentOf(Text2bh.text()));
        return;
    }
    if (isDoubleByte(Text2bh.text())) {
        Command9z_Click();
    } else {
        setCaption(Label24, QString());
        setCaption(Label25, QString());
    }
}

void Form11::Command9z_Click() {
    // One run per segment searched (Command9a .. Command9e): the pinyin line emptied,
    // then each reading found written into it, so the last one stays.
    const std::vector<QStringList> runs = readingSearch(Text1bh, Text2bh.text(), TextSearchfCursor);
    for (const QStringList& readings : runs) {
        setCaption(Label24, QString());
        setCaption(Label25, QString());
        for (const QString& reading : readings) {
            reportTableHit(reading);
            setCaption(Label24, Label2bh.text());
            setCaption(Label25, Label24->text());
        }
        reportTableMiss();
    }
    // The line shows every reading with its tone mark, the most frequent first.
    if (!Label24->text().isEmpty()) {
        if (const QStringList toned = tonedReadings(Text2bh.text()); !toned.isEmpty()) {
            showReadings(toned);
        }
    }
}

void Form11::showReadings(const QStringList& readings) {
    // Room up to the frame's right edge (where the white copy behind, white on white,
    // may lose its last column).
    const int room = Label24->parentWidget()->width() - Label24->x();
    const QFontMetrics metrics(Label24->font());
    const QString line = fittingReadingLine(
        readings, [&](const QString& text) { return metrics.horizontalAdvance(text) <= room; });
    setCaption(Label24, line);
    setCaption(Label25, Label24->text());
    if (line != readingLine(readings)) {
        Label24->setToolTip(readingLine(readings));
    }
}

} // namespace zilvaro
