// The handlers that carry a character from the user to the lookup: the character input
// box, the result strip, the character list and the looked-up character's label.
#include "ui/form11.h"

#include "core/blank_text.h"
#include "core/gbk.h"
#include "core/pasted_character.h"
#include "lookup/slot_rules.h"
#include "ui/caret_boxes.h"
#include "ui/picture_box.h"

#include <QLabel>

namespace zilvaro {

namespace {
constexpr auto StripTip = "点击汉字得到五笔编码，并反查拼音。";

// The k-th character of a text, counted from 1.
QString characterNumber(const QString& text, int k) {
    const QStringList all = characters(text);
    return k >= 1 && k <= all.size() ? all[k - 1] : QString();
}
} // namespace

void Form11::Text5_Change() {
    if (trimBlanks(Text5->text()).isEmpty()) {
        return;
    }
    Text23.set(firstCharacter(Text5->text()));
    Label20.set(QStringLiteral("1"));
    Text2bh.set(firstCharacter(Text5->text()));
    Command6_Click();
}

void Form11::Text5_Click() {
    if (Text5->text().isEmpty()) {
        return;
    }
    if (Text5->SelLength() == 0) {
        Text5->setSelection(Text5->SelStart(), 1);
    }
    if (Text5->SelLength() == 1) {
        Text23.set(Text5->SelText());
    }
    Label20.set(QStringLiteral("1"));
    Text2bh.set(Text5->SelText());
}

void Form11::Text5_KeyUp() {
    if (Text5->text().isEmpty()) {
        return;
    }
    const int k = Text5->SelStart();
    if (k == 0) {
        return;
    }
    const QString character = characterNumber(Text5->text(), k);
    Text23.set(character);
    Label20.set(QStringLiteral("1"));
    Text2bh.set(character);
}

void Form11::lookUpPastedText(const QString& pasted) {
    // The box's change has looked up its own first character; what the user meant is
    // the first character of the paste, whatever the box held around it.
    const QString character = characterToLookUpIn(pasted);
    if (character.isEmpty()) {
        return;
    }
    Text23.set(character);
    Label20.set(QStringLiteral("1"));
    Text2bh.set(character);
}

void Form11::Text6_Change() {
    const QString strip = text6();
    Text6->setToolTip(strip.isEmpty() ? QString() : QString::fromUtf8(StripTip));
    if (strip.isEmpty()) {
        return;
    }
    QString copy = strip;
    copy.remove(u' ');
    Text1a.set(copy);
    List1.items.clear();
    List1.ListIndex = -1;
    const QStringList rows = characters(Text1a.text());
    for (const QString& row : rows) {
        List1.items.append(row);
    }
}

void Form11::Text6_Click() {
    if (text6().isEmpty()) {
        return;
    }
    if (Text6->SelLength() == 0) {
        Text6->setSelection(Text6->SelStart(), 1);
    }
    if (Text6->SelText() == QLatin1String(" ")) {
        Text6->setSelection(Text6->SelStart() - 1, 1);
    }
    if (Text6->SelLength() == 1) {
        Text23.set(Text6->SelText());
    }
    Label20.set(QStringLiteral("1"));
    Text2bh.set(Text6->SelText());
}

void Form11::Text6_KeyUp() {
    if (text6().isEmpty()) {
        return;
    }
    const int k = Text6->SelStart();
    if (k == 0) {
        return;
    }
    const QString character = characterNumber(text6(), k);
    Text23.set(character);
    Label20.set(QStringLiteral("1"));
    Text2bh.set(character);
}

void Form11::Text23_Change() {
    if (!trimBlanks(Text23.text()).isEmpty()) {
        Command6_Click();
    }
}

void Form11::List1_Click() {
    if (List1.ListIndex >= 0 && List1.ListIndex < List1.items.size()) {
        Label3.set(List1.items[List1.ListIndex]);
    }
}

void Form11::Label3_Change() {
    if (Label3.text().isEmpty() || !isDoubleByte(Label3.text())) {
        return;
    }
    Text23.set(Label3.text());
    Label20.set(QStringLiteral("1"));
    Text2bh.set(Label3.text());
}

void Form11::Label4_Change() {
    if (leavesFourthRootUnfilled(Label4.text())) {
        Picture1[3]->surface().clearDrawing();
        Picture1[3]->update();
    }
}

} // namespace zilvaro
