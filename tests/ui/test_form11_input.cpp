#include "form11_fixture.h"

#include "ui/caret_boxes.h"
#include "ui/field_limits.h"
#include "ui/picture_box.h"
#include "ui/simple_combo.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextDocument>

using namespace zilvaro;
using namespace zilvaro::test;

using InputBox = Form11Test;

TEST_F(InputBox, TypingACharacterLooksItUpAndShowsItsReading) {
    typeText(form->Text5, QStringLiteral("字"));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("字"));
    EXPECT_EQ(form->Text11.text(), QStringLiteral("字 "));
    EXPECT_EQ(form->Label20.text(), QStringLiteral("1"));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("zi    "));
    EXPECT_EQ(form->Text23.text(), QString());
    EXPECT_TRUE(form->Picture2->isHidden());
}

TEST_F(InputBox, APasteWithAKeyCombinationLooksUpTheCharacterBeforeTheCaret) {
    QGuiApplication::clipboard()->setText(QStringLiteral("中国"));
    form->Text5->setFocus();
    QTest::keyClick(form->Text5, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(form->Text5->text(), QStringLiteral("中国"));
    // The change looked up 中; the key release then looked up 国, before the caret.
    EXPECT_EQ(form->Label4.text(), QStringLiteral("国"));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("guo   "));
}

TEST_F(InputBox, APastedLineTakesItsTextWithoutTheLineBreak) {
    // A line copied from another program ends in a line break.
    for (const QString& clip :
         {QStringLiteral("字\n"), QStringLiteral("字\r\n"), QStringLiteral("\n字\n第二行")}) {
        form->Text5->clear();
        QGuiApplication::clipboard()->setText(clip);
        form->Text5->setFocus();
        QTest::keyClick(form->Text5, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(form->Text5->text(), QStringLiteral("字"));
        EXPECT_EQ(form->Label4.text(), QStringLiteral("字"));
        EXPECT_EQ(form->Label24->text(), QStringLiteral("zi    "));
        EXPECT_TRUE(form->Picture2->isHidden());
    }
    // Into the middle of the text, through the context menu's paste: only the insertion
    // is cut, the text around it stays.
    form->Text5->setText(QStringLiteral("中国"));
    form->Text5->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("字\n"));
    form->Text5->paste();
    EXPECT_EQ(form->Text5->text(), QStringLiteral("中字国"));
    EXPECT_EQ(form->Text5->cursorPosition(), 2);
}

TEST_F(InputBox, AMegabytePasteIsCutToWhatEachFieldTakes) {
    // 1 MB of text: a character the input box looks up, a syllable, a stroke, each
    // followed by more than any field takes.
    const auto megabyte = [](const QString& head) {
        QString text = head;
        while (text.size() < 512 * 1024) {
            text += QStringLiteral("字zhuang一");
        }
        return text;
    };
    QGuiApplication::clipboard()->setText(megabyte(QStringLiteral("字")));
    form->Text5->clear();
    form->Text5->paste();
    EXPECT_EQ(form->Text5->text(), megabyte(QStringLiteral("字")).left(InputFieldLength));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("字"));

    // The syllable field takes a syllable's worth, the longest of them whole, and the
    // syllable's search runs on it.
    EXPECT_EQ(syllableFieldLength(), 6);
    QGuiApplication::clipboard()->setText(megabyte(QStringLiteral("zhuang")));
    QLineEdit* syllable = form->Combo6->editField();
    syllable->selectAll();
    syllable->paste();
    EXPECT_EQ(syllable->text(), QStringLiteral("zhuang"));

    // A picker takes a stroke's worth: a paste of more is no stroke, and the pattern says so.
    for (QComboBox* picker :
         {form->Combo1, form->Combo2, form->Combo3, form->Combo4, form->Combo5}) {
        QGuiApplication::clipboard()->setText(megabyte(QStringLiteral("一")));
        picker->lineEdit()->selectAll();
        picker->lineEdit()->paste();
        EXPECT_EQ(picker->currentText(), QStringLiteral("一字"));
    }
    EXPECT_EQ(form->Text2bhw.text(), QStringLiteral("00000"));
}

TEST_F(InputBox, ALatinLetterShowsTheNoEntryNoticeAndEmptiesThePinyinLine) {
    typeText(form->Text5, QStringLiteral("字"));
    typeText(form->Text5, QStringLiteral("a"));
    // The release of a looks up the character before the caret: a.
    EXPECT_FALSE(form->Picture2->isHidden());
    EXPECT_EQ(form->Label4.text(), QString());
    EXPECT_EQ(form->Label24->text(), QString());
    EXPECT_EQ(form->Text11.text(), QStringLiteral("字 ")); // the detail boxes stay
}

TEST_F(InputBox, ALeadingBlankLooksUpNothing) {
    typeIntoInputBox(QStringLiteral(" 字"));
    EXPECT_EQ(form->Label20.text(), QStringLiteral("1"));
    EXPECT_EQ(form->Text2bh.text(), QStringLiteral(" "));
    // Only the direct lookup call ran, on the blank in the query box: not found.
    EXPECT_FALSE(form->Picture2->isHidden());
    EXPECT_EQ(form->Label4.text(), QString());
    EXPECT_EQ(form->Text23.text(), QString());
}

TEST_F(InputBox, AnEmojiIsOneCharacterAndFindsNoRecord) {
    typeIntoInputBox(QStringLiteral("😀"));
    EXPECT_FALSE(form->Picture2->isHidden());
    EXPECT_EQ(form->Label24->text(), QString());
    form->Text5->setCursorPosition(0);
    form->Text5_Click();
    EXPECT_EQ(form->Text5->SelText(), QStringLiteral("😀")); // not half of it
    EXPECT_EQ(form->Text5->SelLength(), 1);
}

TEST_F(InputBox, ClickingSelectsTheCharacterRightOfTheCaret) {
    typeIntoInputBox(QStringLiteral("中国人"));
    form->Text5->setCursorPosition(1);
    form->Text5_Click();
    EXPECT_EQ(form->Text5->SelText(), QStringLiteral("国"));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("国"));
    form->Text5->setCursorPosition(3); // at the end nothing can be selected
    form->Text5_Click();
    EXPECT_EQ(form->Text5->SelLength(), 0);
    EXPECT_EQ(form->Text2bh.text(), QString());
    EXPECT_EQ(form->Label4.text(), QStringLiteral("国"));
}

using ResultStrip = Form11Test;

TEST_F(ResultStrip, TheCaretTablePicksTheCharacterOfEachColumn) {
    form->setText6(QStringLiteral("啊 阿 吖 "));
    const QString expected[] = {QStringLiteral("啊"), QStringLiteral("啊"), QStringLiteral("阿"),
                                QStringLiteral("阿"), QStringLiteral("吖"), QStringLiteral("吖")};
    for (int k = 0; k < 6; ++k) {
        form->Text6->setSelection(k, 0);
        form->Text6_Click();
        EXPECT_EQ(form->Label4.text(), expected[k]) << "caret " << k;
        EXPECT_EQ(form->Text2bh.text(), expected[k]);
    }
    form->Label4.set(QStringLiteral("x"));
    form->Text6->setSelection(6, 0);
    form->Text6_Click();
    EXPECT_EQ(form->Label4.text(), QStringLiteral("x")); // nothing looked up
    EXPECT_EQ(form->Text2bh.text(), QString());
}

TEST_F(ResultStrip, ARealClickOnACharacterLooksItUp) {
    form->setText6(QStringLiteral("啊 阿 吖 "));
    QTextCursor cursor = form->Text6->textCursor();
    cursor.setPosition(2);
    const QRect left = form->Text6->cursorRect(cursor);
    cursor.setPosition(3);
    const QRect right = form->Text6->cursorRect(cursor);
    const QPoint onAh((left.left() + right.left()) / 2 - 1, left.center().y());
    QTest::mouseClick(form->Text6->viewport(), Qt::LeftButton, {}, onAh);
    EXPECT_EQ(form->Label4.text(), QStringLiteral("阿"));
}

TEST_F(ResultStrip, TheArrowKeysLookUpTheCharacterBeforeTheCaret) {
    form->setText6(QStringLiteral("啊 阿 吖 "));
    form->Text6->setFocus();
    form->Text6->setSelection(0, 0);
    QTest::keyClick(form->Text6, Qt::Key_Right);
    EXPECT_EQ(form->Label4.text(), QStringLiteral("啊"));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("a     "));
    form->Label4.set(QStringLiteral("x"));
    QTest::keyClick(form->Text6, Qt::Key_Right); // before the caret: a blank
    EXPECT_EQ(form->Label4.text(), QStringLiteral("x"));
    QTest::keyClick(form->Text6, Qt::Key_Right);
    EXPECT_EQ(form->Label4.text(), QStringLiteral("阿"));
}

TEST_F(ResultStrip, AnEmptyStripDoesNothingAndHasNoTooltip) {
    form->setText6(QStringLiteral("啊 "));
    EXPECT_EQ(form->Text6->toolTip(), QStringLiteral("点击汉字得到五笔编码，并反查拼音。"));
    form->setText6(QString());
    EXPECT_EQ(form->Text6->toolTip(), QString());
    EXPECT_EQ(form->Text1a.text(), QStringLiteral("啊"));
    EXPECT_EQ(form->List1.items, QStringList{QStringLiteral("啊")});
    form->Label20.set(QStringLiteral("x"));
    form->Text6_Click();
    form->Text6_KeyUp();
    EXPECT_EQ(form->Label20.text(), QStringLiteral("x"));
}

TEST_F(ResultStrip, ChoosingAListRowLooksItsCharacterUp) {
    form->setText6(QStringLiteral("啊 阿 吖 "));
    EXPECT_EQ(form->List1.items.size(), 3);
    form->List1.ListIndex = 1;
    form->List1_Click();
    EXPECT_EQ(form->Label3.text(), QStringLiteral("阿"));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("阿"));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("a     "));
}

TEST_F(ResultStrip, ASingleByteCaptionOfThePickedLabelChangesNothing) {
    form->Label3.set(QStringLiteral("a"));
    EXPECT_EQ(form->Label20.text(), QStringLiteral("Label20"));
    EXPECT_EQ(form->Text23.text(), QString());
}

TEST_F(ResultStrip, AGrowingStripEndsAsAReplacementLeavesIt) {
    // The finders append hit after hit; the strip must end as if it had been written
    // whole: same text, caret at its start, nothing to undo, the copy and list rebuilt.
    form->setText6(QStringLiteral("啊 "));
    form->Text6->setSelection(2, 0);
    form->setText6(QStringLiteral("啊 阿 "));
    form->setText6(QStringLiteral("啊 阿 埃 "));
    EXPECT_EQ(form->text6(), QStringLiteral("啊 阿 埃 "));
    EXPECT_EQ(form->Text6->textCursor().position(), 0);
    EXPECT_FALSE(form->Text6->textCursor().hasSelection());
    EXPECT_FALSE(form->Text6->document()->isUndoAvailable());
    EXPECT_EQ(form->Text1a.text(), QStringLiteral("啊阿埃"));
    EXPECT_EQ(form->List1.items,
              QStringList({QStringLiteral("啊"), QStringLiteral("阿"), QStringLiteral("埃")}));
    // A text that does not extend the strip replaces it.
    form->setText6(QStringLiteral("阿 "));
    EXPECT_EQ(form->text6(), QStringLiteral("阿 "));
    EXPECT_EQ(form->List1.items, QStringList({QStringLiteral("阿")}));
}
