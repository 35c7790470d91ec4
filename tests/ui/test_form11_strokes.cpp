#include "form11_fixture.h"

#include "ui/caret_boxes.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {
// Rows of the stroke pickers' lists: 一 丨 丿 丶 乙, then the blank (Combo2..Combo5).
enum Row { Heng = 0, Shu = 1, Pie = 2, Dian = 3, Zhe = 4, Blank = 5 };

QSet<QString> asSet(const QString& characters) {
    QSet<QString> set;
    for (QChar c : characters) {
        set.insert(QString(c));
    }
    return set;
}
} // namespace

using StrokeFinder = Form11Test;

TEST_F(StrokeFinder, OneStrokeAloneFindsYi) {
    chooseInPicker(1, Heng);
    EXPECT_EQ(form->Text4.text(), QStringLiteral("10000"));
    EXPECT_EQ(form->Text2bhw.text(), QStringLiteral("10000"));
    EXPECT_EQ(form->text6(), QStringLiteral("一 "));
    EXPECT_EQ(form->Text11.text(), QStringLiteral("一 ")); // looked up
    EXPECT_EQ(form->Label20.text(), QStringLiteral("1"));
    EXPECT_EQ(form->Text23.text(), QString());
    EXPECT_TRUE(form->Text6->hasFocus());
    EXPECT_EQ(form->Text6->SelStart(), 1);
    EXPECT_EQ(form->Label24->text(), QStringLiteral("yī"));
    EXPECT_EQ(form->Label25->text(), form->Label24->text());
}

TEST_F(StrokeFinder, ThreeHorizontalsAndAVerticalFindFeng) {
    chooseInPicker(1, Heng);
    chooseInPicker(2, Heng);
    chooseInPicker(3, Heng);
    chooseInPicker(4, Shu);
    EXPECT_EQ(form->Text2bhw.text(), QStringLiteral("11120"));
    EXPECT_EQ(form->text6(), QStringLiteral("丰 "));
}

TEST_F(StrokeFinder, TheHelpExampleListsFengFirstWithTheCaretAfterIt) {
    chooseInPicker(1, Shu);
    chooseInPicker(2, Zhe);
    chooseInPicker(3, Shu);
    chooseInPicker(4, Pie);
    chooseInPicker(5, Shu);
    EXPECT_EQ(form->Text2bhw.text(), QStringLiteral("25232"));
    const QString strip = form->text6();
    EXPECT_EQ(asSet(stripCharacters()), asSet(QStringLiteral("峰刿峁峤峥嵛")));
    EXPECT_EQ(strip.size(), 12);
    for (int i = 1; i < strip.size(); i += 2) {
        EXPECT_EQ(strip[i], u' ');
    }
    EXPECT_TRUE(strip.startsWith(QStringLiteral("峰 ")));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("峰"));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("fēng"));
    EXPECT_EQ(form->Text6->SelStart(), 1);
    EXPECT_EQ(form->Text1a.text(), stripCharacters());
    EXPECT_EQ(form->List1.items.size(), 6);
}

TEST_F(StrokeFinder, ACodeNoCharacterHasEmptiesTheStripAndThePinyinLine) {
    chooseInPicker(1, Shu);
    chooseInPicker(2, Zhe);
    chooseInPicker(3, Shu);
    const QString shown = form->Text11.text();
    const QString copy = form->Text1a.text();
    const QString reading = form->Label24->text();
    ASSERT_FALSE(reading.isEmpty());
    chooseInPicker(4, Pie);
    EXPECT_EQ(form->Text2bhw.text(), QStringLiteral("25230"));
    EXPECT_EQ(form->text6(), QString());
    EXPECT_EQ(form->Label24->text(), QString());
    EXPECT_EQ(form->Label25->text(), QString());
    EXPECT_EQ(form->Text11.text(), shown); // the character on display stays
    EXPECT_EQ(form->Text1a.text(), copy);  // so do the strip copy and the list
    EXPECT_EQ(form->Text6->toolTip(), QString());
    // The empty strip says that nothing was found, in words that are none of its text.
    EXPECT_EQ(form->Text6->placeholderText(), QStringLiteral("没有找到汉字"));

    // Looking the character on display up again shows its reading again, although every
    // query box it writes may still hold it.
    typeIntoInputBox(form->Label4.text());
    EXPECT_EQ(form->Text11.text(), shown);
    EXPECT_EQ(form->Label24->text(), reading);
    EXPECT_EQ(form->Label25->text(), reading);

    chooseInPicker(4, Blank); // 25200 finds 山 and more again
    EXPECT_FALSE(form->text6().isEmpty());
    EXPECT_EQ(form->Text6->placeholderText(), QString());
}

TEST_F(StrokeFinder, TurningThenVerticalFindsFourCharacters) {
    chooseInPicker(1, Zhe);
    EXPECT_EQ(form->text6(), QStringLiteral("乙 "));
    chooseInPicker(2, Shu);
    EXPECT_EQ(form->Text2bhw.text(), QStringLiteral("52000"));
    EXPECT_EQ(asSet(stripCharacters()), asSet(QStringLiteral("了卩阝凵")));
}

TEST_F(StrokeFinder, WithoutAFirstStrokeNothingIsSearched) {
    chooseInPicker(2, Heng);
    EXPECT_EQ(form->Text2bhw.text(), QStringLiteral("01000"));
    EXPECT_EQ(form->text6(), QString());
    EXPECT_EQ(form->Text6->placeholderText(), QString()); // no search, so no "not found"
    EXPECT_EQ(form->Label24->text(), QString());

    // With a strip from before, its first character is looked up again.
    chooseInPicker(1, Heng);
    chooseInPicker(2, Heng); // 11000: 二 and more
    const QString strip = form->text6();
    ASSERT_FALSE(strip.isEmpty());
    typeIntoPicker(1, QStringLiteral("x")); // not a stroke: a blank
    EXPECT_EQ(form->Text2bhw.text(), QStringLiteral("01000"));
    EXPECT_EQ(form->text6(), strip);
    EXPECT_EQ(form->Label4.text(), strip.left(1));
}

TEST_F(StrokeFinder, TypedTextCountsOnlyWhenItIsExactlyOneStroke) {
    typeIntoPicker(1, QStringLiteral("一丨"));
    EXPECT_EQ(form->Text2bhw.text(), QStringLiteral("00000"));
    typeIntoPicker(1, QStringLiteral("一"));
    EXPECT_EQ(form->Text2bhw.text(), QStringLiteral("10000"));
    EXPECT_EQ(form->text6(), QStringLiteral("一 "));
}

TEST_F(StrokeFinder, TheHelpMessageShowsThreeLines) {
    const QString text = Form11Probe::strokeHelpText();
    EXPECT_EQ(text.count(QStringLiteral("\n\r")), 5);
    EXPECT_TRUE(text.endsWith(QStringLiteral("！\n\r")));
    QString shownText, shownTitle;
    bool hadIcon = true;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        shownTitle = box->windowTitle();
        hadIcon = box->icon() != QMessageBox::NoIcon;
        buttons = box->buttons().size();
        box->accept();
    });
    form->Command8_Click();
    EXPECT_EQ(shownTitle, QStringLiteral("笔画输入提示！"));
    EXPECT_FALSE(hadIcon);
    EXPECT_EQ(buttons, 1);
    const QStringList lines = shownText.split(u'\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("笔画输入方法是：")));
    EXPECT_EQ(lines[1], QString());
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("例如")));
    EXPECT_EQ(lines[3], QString());
    EXPECT_EQ(lines[4], QStringLiteral("注意，乙笔画代表所有的“折”笔画！"));
    EXPECT_EQ(form->focusWidget(), form->Text5);
}

TEST_F(StrokeFinder, LeavingAPickerIsNoChoiceFromItsList) {
    // An editable combo box reports the end of its edit field (the focus leaving it, also
    // when the window goes) as a choice where an item bears its text, and the blank is
    // an item. That would run the picker's Click: a search on Tab, and once bian() on a
    // half-destroyed window (AddressSanitizer and UndefinedBehaviorSanitizer saw it).
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    chooseInPicker(1, Heng);
    const QString strip = form->text6();
    form->Combo2->lineEdit()->setFocus();
    ASSERT_TRUE(form->Combo2->lineEdit()->hasFocus());
    int activations = 0;
    QObject::connect(form->Combo2, &QComboBox::activated, [&activations] { ++activations; });
    QTest::keyClick(form->Combo2->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(activations, 0);
    EXPECT_EQ(form->text6(), strip);
    EXPECT_TRUE(form->Combo3->hasFocus());
    form->Combo3->lineEdit()->setFocus();
    QObject::connect(form->Combo3, &QComboBox::activated, [&activations] { ++activations; });
    form.reset();
    EXPECT_EQ(activations, 0);
    EXPECT_TRUE(reporter.messages.isEmpty()) << reporter.messages.join('\n').toStdString();
}
