#include "form11_fixture.h"

#include "finders/syllable_query.h"
#include "ui/caret_boxes.h"
#include "ui/simple_combo.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace zilvaro;
using namespace zilvaro::test;

using PinyinFinder = Form11Test;

namespace {
int rowOf(const SimpleCombo* combo, const QString& syllable) {
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) == syllable) {
            return i;
        }
    }
    return -1;
}
} // namespace

TEST_F(PinyinFinder, PickingASyllableListsItsCharactersAndLooksUpTheFirst) {
    form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("a")));
    EXPECT_EQ(form->Label20.text(), QStringLiteral("2"));
    EXPECT_EQ(form->Text2bh.text(), QStringLiteral("a     "));
    EXPECT_TRUE(form->text6().startsWith(QStringLiteral("啊 阿 ")));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("a"));
    EXPECT_EQ(form->Label25->text(), QStringLiteral("a"));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("啊"));
    EXPECT_EQ(form->Text23.text(), QString());
    EXPECT_TRUE(form->Text6->hasFocus());
    EXPECT_EQ(form->Text6->SelStart(), 1);
}

TEST_F(PinyinFinder, ASixLetterSyllableIsNotPadded) {
    form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("zhuang")));
    EXPECT_EQ(form->Text2bh.text(), QStringLiteral("zhuang"));
    EXPECT_TRUE(stripCharacters().contains(QStringLiteral("庄")));
    EXPECT_TRUE(stripCharacters().contains(QStringLiteral("装")));
}

TEST_F(PinyinFinder, TypingSearchesAfterEveryLetterAndKeepsTheFocus) {
    QLineEdit* edit = form->Combo6->editField();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Z);
    EXPECT_EQ(form->Text2bh.text(), QStringLiteral("z     "));
    EXPECT_EQ(form->text6(), QString());
    QTest::keyClick(edit, Qt::Key_H);
    EXPECT_EQ(form->text6(), QString());
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(form->Text2bh.text(), QStringLiteral("zha   "));
    EXPECT_TRUE(stripCharacters().contains(QStringLiteral("扎")));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("zha"));
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(PinyinFinder, CapitalsFindWhatLowerCaseFinds) {
    form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("zhong")));
    const QString zhong = form->text6();
    ASSERT_TRUE(stripCharacters().contains(QStringLiteral("中")));
    QLineEdit* edit = form->Combo6->editField();
    for (const QString& typed : {QStringLiteral("ZHONG"), QStringLiteral("Zhong")}) {
        form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("a"))); // another strip
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        EXPECT_EQ(form->Text2bh.text(), QStringLiteral("zhong ")) << typed.toStdString();
        EXPECT_EQ(form->text6(), zhong) << typed.toStdString();
        // The pinyin line names the reading of the character looked up, as the table
        // writes it.
        EXPECT_EQ(form->Label24->text(), QStringLiteral("zhong")) << typed.toStdString();
        EXPECT_EQ(form->Label25->text(), QStringLiteral("zhong")) << typed.toStdString();
        EXPECT_EQ(form->Label4.text(), zhong.left(1)) << typed.toStdString();
        EXPECT_EQ(edit->text(), typed); // the field keeps what was typed
    }
}

TEST_F(PinyinFinder, TheWaysOfTypingUmlautUFindTheTablesU) {
    form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("lu")));
    const QString lu = form->text6();
    for (const QString& character :
         {QStringLiteral("驴"), QStringLiteral("吕"), QStringLiteral("绿"), QStringLiteral("路")}) {
        EXPECT_TRUE(stripCharacters().contains(character)) << character.toStdString();
    }
    form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("nue")));
    const QString nue = form->text6();
    ASSERT_TRUE(stripCharacters().contains(QStringLiteral("虐")));
    struct Case {
        QString typed;
        QString syllable;
        const QString& strip;
    };
    const Case cases[] = {{QStringLiteral("lv"), QStringLiteral("lu"), lu},
                          {QStringLiteral("LV"), QStringLiteral("lu"), lu},
                          {QStringLiteral("lü"), QStringLiteral("lu"), lu},
                          {QStringLiteral("nve"), QStringLiteral("nue"), nue},
                          {QStringLiteral("nüe"), QStringLiteral("nue"), nue}};
    QLineEdit* edit = form->Combo6->editField();
    for (const Case& c : cases) {
        form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("a")));
        edit->setFocus();
        edit->selectAll();
        typeText(edit, c.typed);
        EXPECT_EQ(form->text6(), c.strip) << c.typed.toStdString();
        EXPECT_EQ(form->Label24->text(), c.syllable) << c.typed.toStdString();
        EXPECT_EQ(form->Label4.text(), c.strip.left(1)) << c.typed.toStdString();
    }
}

TEST_F(PinyinFinder, TextThatIsNoSyllableLeavesTheLookupAndThePinyinLine) {
    form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("zha")));
    const QString strip = form->text6();
    ASSERT_FALSE(strip.isEmpty());
    QLineEdit* edit = form->Combo6->editField();
    for (const QString& typed : {QStringLiteral("1"), QStringLiteral("字"), QStringLiteral("ü")}) {
        typeIntoInputBox(QStringLiteral("字")); // another character, with its own reading
        const QString reading = form->Label24->text();
        ASSERT_FALSE(reading.isEmpty());
        edit->setFocus();
        edit->selectAll();
        typeText(edit, typed);
        EXPECT_EQ(form->Label20.text(), QStringLiteral("2")) << typed.toStdString();
        EXPECT_EQ(form->text6(), strip) << typed.toStdString();
        EXPECT_EQ(form->Label24->text(), reading) << typed.toStdString();
        EXPECT_EQ(form->Label4.text(), QStringLiteral("字")) << typed.toStdString();
    }
}

TEST_F(PinyinFinder, ThePromptGoesWithTheFirstKeyAndTypingAnSearchesAn) {
    QLineEdit* edit = form->Combo6->editField();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyClicks(edit, QStringLiteral("an"));
    EXPECT_EQ(edit->text(), QStringLiteral("an"));
    EXPECT_EQ(form->Text2bh.text(), QStringLiteral("an    "));
    EXPECT_TRUE(stripCharacters().contains(QStringLiteral("安")));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("an"));
}

TEST_F(PinyinFinder, UpAndDownInTheSyllableFieldMoveThroughTheListEachTime) {
    QLineEdit* edit = form->Combo6->editField();
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("an"));
    // The list follows the typing without a click: the focus stays in the field.
    EXPECT_EQ(form->Combo6->list()->currentRow(), rowOf(form->Combo6, QStringLiteral("an")));
    const struct {
        Qt::Key key;
        const char* syllable;
        const char* character;
    } steps[] = {
        {Qt::Key_Down, "ang", "昂"}, {Qt::Key_Down, "ao", "奥"}, {Qt::Key_Up, "ang", "昂"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.syllable);
        QTest::keyClick(edit, step.key);
        const QString syllable = QLatin1String(step.syllable);
        EXPECT_EQ(form->Combo6->list()->currentRow(), rowOf(form->Combo6, syllable));
        EXPECT_EQ(edit->text(), syllable);
        EXPECT_EQ(form->Text2bh.text(), paddedSyllable(syllable).value_or(QString()));
        EXPECT_TRUE(stripCharacters().contains(QString::fromUtf8(step.character)));
        EXPECT_EQ(form->Label24->text(), syllable);
        EXPECT_EQ(form->Label4.text(), form->text6().left(1));
        EXPECT_TRUE(edit->hasFocus());
    }
    // Return takes the syllable as a click on its row would: the focus goes to the strip,
    // after its first character.
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(form->Text6->hasFocus());
    EXPECT_EQ(form->Text6->SelStart(), 1);
}

TEST_F(PinyinFinder, ASyllableWithNoCharacterSaysSoInTheEmptyStrip) {
    form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("a")));
    const QImage found = form->Text6->viewport()->grab().toImage();
    EXPECT_EQ(form->Text6->placeholderText(), QString());
    QLineEdit* edit = form->Combo6->editField();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("zz"));
    EXPECT_EQ(form->text6(), QString()); // the words are no text of the strip
    EXPECT_EQ(form->Text6->placeholderText(), QStringLiteral("没有找到汉字"));
    EXPECT_EQ(form->Text6->toolTip(), QString());
    // The strip shows them: its empty viewport is not blank.
    QImage shown = form->Text6->viewport()->grab().toImage();
    QImage blank(shown.size(), shown.format());
    blank.fill(shown.pixel(shown.width() - 1, shown.height() - 1));
    EXPECT_NE(shown, blank);
    EXPECT_NE(shown, found);
    // The old character stays looked up, its mailboxes as they were.
    EXPECT_EQ(form->Label4.text(), QStringLiteral("啊"));
    EXPECT_EQ(form->List1.items.first(), QStringLiteral("啊"));
    // The next search that finds characters takes the words away.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_FALSE(form->text6().isEmpty());
    EXPECT_EQ(form->Text6->placeholderText(), QString());
}

TEST_F(PinyinFinder, TheListFollowsCapitalsAndUmlautSpellings) {
    QLineEdit* edit = form->Combo6->editField();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("ZH"));
    EXPECT_EQ(form->Combo6->list()->currentRow(), rowOf(form->Combo6, QStringLiteral("zha")));
    edit->selectAll();
    typeText(edit, QStringLiteral("nü"));
    EXPECT_EQ(form->Combo6->list()->currentRow(), rowOf(form->Combo6, QStringLiteral("nu")));
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(PinyinFinder, BlanksOnlyChangeNothing) {
    QLineEdit* edit = form->Combo6->editField();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("   "));
    EXPECT_EQ(form->Label20.text(), QStringLiteral("Label20"));
    EXPECT_EQ(form->Text2bh.text(), QString());
}

TEST_F(PinyinFinder, SevenLettersOrMoreSearchNothingAndShowNothingNew) {
    form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("ji")));
    const QString ji = form->text6();
    QLineEdit* edit = form->Combo6->editField();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("shuangs"));
    // shuang, the sixth letter, searched; the seventh changes nothing.
    EXPECT_EQ(form->Text2bh.text(), QStringLiteral("shuang"));
    EXPECT_NE(form->text6(), ji);
    EXPECT_TRUE(stripCharacters().contains(QStringLiteral("双")));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("shuang"));
    EXPECT_EQ(form->Label4.text(), form->text6().left(1));
}

TEST_F(PinyinFinder, JiListsAboutAHundredCharacters) {
    form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("ji")));
    EXPECT_GE(stripCharacters().size(), 90);
    EXPECT_EQ(form->List1.items.size(), stripCharacters().size());
    EXPECT_EQ(form->List1.items.join(QString()), stripCharacters());
}

using ReversePinyin = Form11Test;

TEST_F(ReversePinyin, ACharacterShowsEveryReadingWithItsToneMostFrequentFirst) {
    form->Label20.set(QStringLiteral("1"));
    form->Text2bh.set(QStringLiteral("行"));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("xíng  háng  héng"));
    EXPECT_EQ(form->Label25->text(), form->Label24->text());
    EXPECT_EQ(form->Label24->toolTip(), QString()); // nothing left out
    // The table search ran as before: the hit text holds the last row of the first
    // segment holding the character (háng and héng lie in segment 2, xíng in 4).
    EXPECT_EQ(form->Label2bh.text(), QStringLiteral("heng  "));
    EXPECT_EQ(form->Label1bh.text(), QStringLiteral("0"));
    form->Text2bh.set(QStringLiteral("长"));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("zhǎng  cháng"));
    form->Text2bh.set(QStringLiteral("字"));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("zì"));
    form->Text2bh.set(QStringLiteral("铛")); // cheng and dang, both in the first segment
    EXPECT_EQ(form->Label2bh.text(), QStringLiteral("dang  "));
    EXPECT_EQ(form->Label24->text(), QStringLiteral("chēng  dāng"));
}

TEST_F(ReversePinyin, ReadingsBeyondTheFrameAreCutAndListedInTheTooltip) {
    form->Label20.set(QStringLiteral("1"));
    // 和 has six readings; the line ends inside the frame.
    form->Text2bh.set(QStringLiteral("和"));
    const QString line = form->Label24->text();
    EXPECT_TRUE(line.startsWith(QStringLiteral("hé  huo  "))) << line.toStdString();
    EXPECT_TRUE(line.endsWith(QStringLiteral("  …"))) << line.toStdString();
    EXPECT_LE(form->Label24->geometry().right(), form->Frame1->width() - 1);
    EXPECT_EQ(form->Label24->toolTip(), QStringLiteral("hé  huo  hè  hú  huó  huò"));
    EXPECT_EQ(form->Label25->text(), line);
    // The next character's line has no tooltip left over.
    form->Text2bh.set(QStringLiteral("字"));
    EXPECT_EQ(form->Label24->toolTip(), QString());
}

TEST_F(ReversePinyin, ACharacterWithoutARowOrASingleByteOneEmptiesTheLine) {
    form->Label20.set(QStringLiteral("1"));
    form->Text2bh.set(QStringLiteral("啊"));
    form->Text2bh.set(QStringLiteral("丂")); // GBK, but not one of the GB2312 characters
    EXPECT_EQ(form->Label24->text(), QString());
    form->Text2bh.set(QStringLiteral("啊"));
    form->Text2bh.set(QStringLiteral("a"));
    EXPECT_EQ(form->Label24->text(), QString());
    EXPECT_EQ(form->Label25->text(), QString());
    form->Text2bh.set(QStringLiteral("啊阿")); // several characters match no row
    EXPECT_EQ(form->Label24->text(), QString());
}

TEST_F(PinyinFinder, MarkupTypedIntoTheSyllableFieldIsNeverRendered) {
    form->Combo6->chooseRow(rowOf(form->Combo6, QStringLiteral("zha")));
    QLineEdit* edit = form->Combo6->editField();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("<h1>zha</h1>"));
    QTest::keyClicks(edit, QStringLiteral("<img src=\"/dev/zero\">"));
    // Every label of the window shows its text as it stands.
    for (QLabel* label : form->findChildren<QLabel*>()) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    }
    // The pinyin line draws markup as the characters it is made of.
    const QString markup = QStringLiteral("<h1>zha</h1>");
    form->setCaption(form->Label24, markup);
    QLabel literal(form->Frame1);
    literal.setTextFormat(Qt::PlainText);
    literal.setText(markup);
    literal.setFont(form->Label24->font());
    literal.setPalette(form->Label24->palette());
    literal.setAlignment(form->Label24->alignment());
    literal.setMargin(0);
    literal.setIndent(0);
    literal.setGeometry(form->Label24->geometry());
    literal.show();
    EXPECT_EQ(form->Label24->size(),
              QSize(QFontMetrics(form->Label24->font()).horizontalAdvance(markup),
                    QFontMetrics(form->Label24->font()).height()));
    EXPECT_EQ(form->Label24->grab().toImage(), literal.grab().toImage());
}
