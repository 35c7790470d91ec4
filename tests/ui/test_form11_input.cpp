#include "form11_fixture.h"

#include "ui/caret_boxes.h"
#include "ui/field_limits.h"
#include "ui/picture_box.h"
#include "ui/simple_combo.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <functional>
#include <utility>

using namespace zilvaro;
using namespace zilvaro::test;

using InputBox = Form11Test;

TEST_F(InputBox, TypingACharacterLooksItUpAndShowsItsReading) {
    typeText(form->Text5, QStringLiteral("字"));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("字"));
    EXPECT_EQ(form->Text11.text(), QStringLiteral("字 "));
    EXPECT_EQ(form->Label20.text(), QStringLiteral("1"));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("zì"));
    EXPECT_EQ(form->Text23.text(), QString());
    EXPECT_TRUE(form->Picture2->isHidden());
}

TEST_F(InputBox, EveryPasteLooksUpTheFirstChineseCharacterOfWhatWasPasted) {
    // The keys of a paste (press Ctrl, press V, release V, release Ctrl): none of the
    // releases looks up the character before the caret.
    auto ctrlV = [this] {
        QTest::keyPress(form->Text5, Qt::Key_Control);
        QTest::keyClick(form->Text5, Qt::Key_V, Qt::ControlModifier);
        QTest::keyRelease(form->Text5, Qt::Key_Control);
    };
    auto shiftInsert = [this] { QTest::keyClick(form->Text5, Qt::Key_Insert, Qt::ShiftModifier); };
    // Paste in the box's own context menu, as the user picks it.
    auto menuPaste = [this] {
        bool triggered = false;
        QTimer::singleShot(0, this->form.get(), [&triggered] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(QLatin1String("&Paste"))) {
                    action->trigger();
                    triggered = true;
                }
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                form->Text5->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(form->Text5, &event);
        QTRY_VERIFY(triggered);
    };
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Ctrl+V", ctrlV}, {"Shift+Insert", shiftInsert}, {"context menu", menuPaste}};
    for (const auto& [way, paste] : ways) {
        SCOPED_TRACE(way);
        // A sentence ending in 。: its first character, and no notice.
        form->Text5->clear();
        form->Text5->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("中国。"));
        paste();
        EXPECT_EQ(form->Text5->text(), QStringLiteral("中国。"));
        EXPECT_EQ(form->Label4.text(), QStringLiteral("中"));
        EXPECT_EQ(form->Label24->text(), QStringLiteral("zhōng  zhòng"));
        EXPECT_TRUE(form->Picture2->isHidden());
        // The caret stays after what was pasted.
        EXPECT_EQ(form->Text5->cursorPosition(), 3);
        // Into text that is there already, with punctuation and blanks in front: what was
        // pasted counts, not the box's first character.
        form->Text5->setText(QStringLiteral("国字"));
        form->Text5->setCursorPosition(1);
        QGuiApplication::clipboard()->setText(QStringLiteral(" “五笔”，"));
        paste();
        EXPECT_EQ(form->Text5->text(), QStringLiteral("国 “五笔”，字"));
        EXPECT_EQ(form->Label4.text(), QStringLiteral("五"));
        EXPECT_EQ(form->Label24->text(), QStringLiteral("wǔ"));
        EXPECT_EQ(form->Text5->cursorPosition(), 7);
        // Over a selection that begins like the paste: the whole paste counts.
        form->Text5->setText(QStringLiteral("中国"));
        form->Text5->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("中文"));
        paste();
        EXPECT_EQ(form->Text5->text(), QStringLiteral("中文"));
        EXPECT_EQ(form->Label4.text(), QStringLiteral("中"));
    }
    // After a paste, the next key is the user's again: Left then releases onto 中.
    form->Text5->setText(QStringLiteral("中国"));
    form->Text5->setCursorPosition(2);
    QTest::keyClick(form->Text5, Qt::Key_Left);
    EXPECT_EQ(form->Label4.text(), QStringLiteral("中"));
}

TEST_F(InputBox, AMiddleButtonPasteLooksUpTheFirstChineseCharacterPasted) {
    if (!QGuiApplication::clipboard()->supportsSelection()) {
        GTEST_SKIP() << "this platform has no selection to paste with the middle button";
    }
    form->Text5->setText(QStringLiteral("国"));
    QGuiApplication::clipboard()->setText(QStringLiteral("。字"), QClipboard::Selection);
    QTest::mouseClick(form->Text5, Qt::MiddleButton, {}, QPoint(2, form->Text5->height() / 2));
    EXPECT_EQ(form->Text5->text(), QStringLiteral("。字国"));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("字"));
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
        EXPECT_EQ(form->Label24->text(), QStringLiteral("zì"));
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
    // A paste that begins with the character after the caret loses none of the text.
    form->Text5->setText(QStringLiteral("中"));
    form->Text5->setCursorPosition(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("中国\n"));
    form->Text5->paste();
    EXPECT_EQ(form->Text5->text(), QStringLiteral("中国中"));
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
    EXPECT_EQ(form->Label24->text(), QStringLiteral("a  ā  á  ǎ  à"));
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
    EXPECT_EQ(form->Label24->text(), QStringLiteral("ā  ē"));
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
