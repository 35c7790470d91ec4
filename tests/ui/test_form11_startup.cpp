#include "form11_fixture.h"
#include "glyph_images.h"

#include "ui/caret_boxes.h"
#include "ui/form_controls.h"
#include "ui/picture_box.h"
#include "ui/simple_combo.h"
#include "ui/single_instance.h"
#include "zilvaro_version.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace zilvaro;
using namespace zilvaro::test;

using StartUp = Form11Test;

namespace {
// Whether code outside the window reaches a member by its name.
template <class Window>
concept reachesText23 = requires(Window& w) {
    w.Text23;
};
template <class Window>
concept reachesLabel20 = requires(Window& w) {
    w.Label20;
};
template <class Window>
concept reachesCommand6 = requires(Window& w) {
    w.Command6_Click();
};
template <class Window>
concept reachesText5 = requires(Window& w) {
    w.Text5;
};
} // namespace

// Controls, state and handlers are private: only the probe reaches them.
static_assert(!reachesText23<Form11> && !reachesLabel20<Form11> && !reachesCommand6<Form11> &&
              !reachesText5<Form11>);
static_assert(reachesText23<Form11Probe> && reachesLabel20<Form11Probe> &&
              reachesCommand6<Form11Probe> && reachesText5<Form11Probe>);

TEST_F(StartUp, EveryWidgetIsAControlTheUserSeesAndTheHiddenOnesAreNoWidgets) {
    // The controls the user never sees are values, not hidden widgets: each widget of the
    // window is one of the controls the user sees, shown inside the window, but for the
    // no-entry notice (hidden until a miss) and the focus holder (outside the window).
    const QSet<QWidget*> roster = {
        form->Command2, form->Combo1,      form->Combo2,      form->Combo3,      form->Combo4,
        form->Combo5,   form->Command8,    form->Combo6,      form->Text5,       form->Text6,
        form->Picture2, form->Picture1[0], form->Picture1[1], form->Picture1[2], form->Picture1[3],
        form->Frame1,   form->Line2,       form->Label22,     form->Label15,     form->Text88};
    const QList<QWidget*> widgets = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(QSet<QWidget*>(widgets.begin(), widgets.end()), roster);
    for (QWidget* widget : widgets) {
        SCOPED_TRACE(widget->metaObject()->className());
        const bool inside = form->rect().contains(widget->geometry());
        if (widget == form->Picture2) {
            EXPECT_TRUE(widget->isHidden());
        } else if (widget == form->Text88) {
            EXPECT_TRUE(widget->isVisible());
            EXPECT_FALSE(form->rect().intersects(widget->geometry()));
            EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
        } else {
            EXPECT_TRUE(widget->isVisible());
            EXPECT_TRUE(inside);
        }
    }
    // The code line and the pinyin line with their white copies, in the frame.
    for (QWidget* label :
         {form->Label9, form->Label10, form->Label23, form->Label24, form->Label5, form->Label25}) {
        EXPECT_EQ(label->parentWidget(), form->Frame1);
        EXPECT_TRUE(label->isVisible());
    }
}

TEST_F(StartUp, TheWindowHasItsFixedSizeAndCaption) {
    EXPECT_EQ(form->size(), QSize(614, 339));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Zilvaro " ZILVARO_VERSION));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(StartUp, VisibleControlsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(form->Command2->geometry(), QRect(12, 6, 45, 21));
    EXPECT_EQ(form->Combo1->geometry(), QRect(254, 44, 57, 20));
    EXPECT_EQ(form->Combo5->geometry(), QRect(498, 44, 57, 20));
    EXPECT_EQ(form->Command8->geometry(), QRect(568, 43, 29, 20));
    EXPECT_EQ(form->Combo6->geometry(), QRect(20, 46, 97, 276));
    EXPECT_EQ(form->Text5->geometry(), QRect(68, 7, 199, 20));
    EXPECT_EQ(form->Text6->geometry(), QRect(146, 66, 449, 103));
    EXPECT_EQ(form->Picture2->geometry(), QRect(180, 200, 386, 72));
    const int slotLeft[] = {148, 259, 371, 483};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(form->Picture1[k]->geometry(), QRect(slotLeft[k], 174, 112, 113)) << k;
    }
    EXPECT_EQ(form->Frame1->geometry(), QRect(146, 170, 451, 149));
    // The white copies lie one pixel (20 twips) right of and below their blue lines.
    EXPECT_EQ(form->Label10->pos(), QPoint(64, 125));
    EXPECT_EQ(form->Label5->pos(), QPoint(65, 126));
    EXPECT_EQ(form->Label24->pos(), QPoint(296, 125));
    EXPECT_EQ(form->Label25->pos(), QPoint(297, 126));
    // The widest code line (同: m  mg  mgk  mgkd) ends before the pinyin heading.
    form->Text23.set(QStringLiteral("同"));
    EXPECT_EQ(form->Label10->text(), QStringLiteral("m  mg  mgk  mgkd"));
    EXPECT_LT(form->Label5->geometry().right(), form->Label23->x());
    // The focus holder lies outside the client area.
    EXPECT_FALSE(form->rect().intersects(form->Text88->geometry()));
}

TEST_F(StartUp, EveryFontOfTheWindowDrawsLOneAndCapitalIApart) {
    form->Picture2->show(); // the no-entry notice and its link, hidden at start
    const QList<QFont> fonts = fontsShownBy(form.get(), {form->Text6});
    EXPECT_GE(fonts.size(), 5); // 9 pt, 9 pt underlined, 10.5 pt bold, 12 pt and 12 pt bold
    for (const QFont& font : fonts) {
        QString why;
        EXPECT_TRUE(tellsLOneAndCapitalIApart(font, &why)) << why.toStdString();
    }
    // The strip holds only characters and blanks, each blank half a character wide.
    const QFontMetricsF strip(form->Text6->font());
    EXPECT_DOUBLE_EQ(strip.horizontalAdvance(QStringLiteral("啊 ")),
                     1.5 * strip.horizontalAdvance(QStringLiteral("啊")));
}

TEST_F(StartUp, FrontToBackOrderPutsTheNoticeOverTheSlots) {
    const QObjectList& children = form->children();
    auto index = [&](QObject* o) { return children.indexOf(o); };
    // Later children are drawn in front of earlier ones.
    EXPECT_GT(index(form->Picture2), index(form->Picture1[0]));
    EXPECT_GT(index(form->Picture1[0]), index(form->Frame1));
    const QObjectList& frame = form->Frame1->children();
    EXPECT_GT(frame.indexOf(form->Label10), frame.indexOf(form->Label5));
    EXPECT_GT(frame.indexOf(form->Label24), frame.indexOf(form->Label25));
}

TEST_F(StartUp, TextsTooltipsAndPickerItems) {
    EXPECT_EQ(form->Command2->text(), QStringLiteral("关于"));
    EXPECT_EQ(form->Command8->text(), QStringLiteral("?"));
    EXPECT_EQ(form->Command8->toolTip(), QStringLiteral("帮助"));
    const QString tips[] = {QStringLiteral("第一笔画"), QStringLiteral("第二笔画"),
                            QStringLiteral("第三笔画"), QStringLiteral("第四笔画"),
                            QStringLiteral("最后一笔画")};
    const QStringList strokes = {QStringLiteral("一"), QStringLiteral("丨"), QStringLiteral("丿"),
                                 QStringLiteral("丶"), QStringLiteral("乙")};
    for (int p = 0; p < 5; ++p) {
        QComboBox* picker = form->strokePickers[p];
        EXPECT_EQ(picker->toolTip(), tips[p]);
        EXPECT_EQ(picker->currentText(), QStringLiteral(" "));
        EXPECT_EQ(picker->currentIndex(), -1);
        QStringList items;
        for (int i = 0; i < picker->count(); ++i) {
            items.append(picker->itemText(i));
        }
        EXPECT_EQ(items, p == 0 ? strokes : strokes + QStringList{QStringLiteral(" ")});
    }
    // The syllable field's prompt is a placeholder, no text of the field.
    EXPECT_EQ(form->Combo6->text(), QString());
    EXPECT_EQ(form->Combo6->editField()->placeholderText(), QStringLiteral("输入拼音"));
    EXPECT_EQ(form->Label22->text(), QStringLiteral("鼠标选择笔画输入："));
    EXPECT_EQ(form->Label15->text(), QStringLiteral("<= 输入查询汉字"));
    EXPECT_EQ(form->Label9->text(), QStringLiteral("〖编码〗"));
    EXPECT_EQ(form->Label23->text(), QStringLiteral("〖拼音〗"));
    EXPECT_EQ(form->Text88->text(), QStringLiteral("焦点用和窗体大小用"));
}

TEST_F(StartUp, TheSyllablePickerHoldsThe405SyllablesInOrder) {
    ASSERT_EQ(form->Combo6->count(), 405);
    EXPECT_EQ(form->Combo6->itemText(0), QStringLiteral("a"));
    EXPECT_EQ(form->Combo6->itemText(404), QStringLiteral("zuo"));
    QStringList all;
    for (int i = 0; i < 405; ++i) {
        all.append(form->Combo6->itemText(i));
    }
    const int ng = all.indexOf(QStringLiteral("ng"));
    EXPECT_EQ(all[ng - 1], QStringLiteral("neng"));
    EXPECT_EQ(all[ng + 1], QStringLiteral("ni"));
    const int e = all.indexOf(QStringLiteral("e"));
    EXPECT_EQ(all[e - 1], QStringLiteral("duo"));
    EXPECT_EQ(all[e + 1], QStringLiteral("ei"));
    for (const char* one : {"a", "e", "m", "o", "dei", "fo", "hng", "lo", "shei"}) {
        EXPECT_TRUE(all.contains(QLatin1String(one))) << one;
    }
    EXPECT_EQ(form->Combo6->list()->currentRow(), -1);
}

TEST_F(StartUp, TheFirstDisplayShowsNothingLookedUpAndRanNoHandler) {
    EXPECT_EQ(form->text6(), QString());
    EXPECT_EQ(form->Label5->text(), QString());
    EXPECT_EQ(form->Label10->text(), QString());
    EXPECT_EQ(form->Label24->text(), QString());
    EXPECT_EQ(form->Label25->text(), QString());
    EXPECT_TRUE(form->Picture2->isHidden());
    for (PictureBox* slot : form->Picture1) {
        EXPECT_FALSE(slot->surface().hasPicture());
    }
    // No picker handler ran while the pickers were filled.
    EXPECT_EQ(form->Text2bhw.text(), QString());
    EXPECT_EQ(form->Text4.text(), QString());
    EXPECT_EQ(form->Label20.text(), QStringLiteral("Label20"));
    EXPECT_EQ(form->Text2bh.text(), QString());
    EXPECT_EQ(form->Text1a.text(), QStringLiteral("Text1"));
    EXPECT_EQ(form->Label3.text(), QStringLiteral("何"));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("单字："));
    EXPECT_EQ(form->Label1bh.text(), QStringLiteral("0"));
    EXPECT_EQ(form->Label2bh.text(), QStringLiteral("Label2"));
    EXPECT_EQ(form->Text11.text(), QStringLiteral("啊 ")); // record 1
    EXPECT_EQ(form->text6(), QString());
    EXPECT_EQ(form->Text6->placeholderText(), QString()); // nothing searched yet
    EXPECT_EQ(form->Text6->viewport()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form->Label28->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(StartUp, TheWindowOpensWithTheFocusInTheInputBoxSoTypingLooksUp) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(form->Text5->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    EXPECT_EQ(form->Text5->text(), QStringLiteral("a"));
    typeText(QApplication::focusWidget(), QStringLiteral("字"));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("字"));
}

TEST_F(StartUp, TabGoesThroughEveryVisibleControlInLayoutOrderAndBack) {
    const QList<QWidget*> expected = {form->Text5,          form->Combo6->editField(),
                                      form->Combo6->list(), form->Combo1,
                                      form->Combo2,         form->Combo3,
                                      form->Combo4,         form->Combo5,
                                      form->Command8,       form->Text6,
                                      form->Command2,       form->Text5};
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // Press Tab round the window, naming each focus by the control that holds it; every
    // stop is a control the user sees, and passing one starts nothing.
    auto tabRound = [&] {
        const QString strip = form->text6();
        const QString looked = form->Label4.text();
        QList<QWidget*> seen;
        for (int presses = 0; presses < expected.size(); ++presses) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus) {
                break;
            }
            const QRect area(focus->mapTo(form.get(), QPoint()), focus->size());
            EXPECT_TRUE(focus->isVisible() && form->rect().contains(area))
                << focus->metaObject()->className();
            QWidget* named = focus;
            for (QWidget* control : expected) {
                if (focus == control || control->isAncestorOf(focus)) {
                    named = control;
                }
            }
            seen.append(named);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(form->text6(), strip);
        EXPECT_EQ(form->Label4.text(), looked);
    };
    {
        SCOPED_TRACE("at start");
        tabRound();
    }
    {
        // With candidates in the strip and blanks in the pickers, which are items of
        // their lists: leaving a picker is no choice from its list.
        SCOPED_TRACE("after a search");
        form->Combo6->chooseRow(0);
        ASSERT_FALSE(form->text6().isEmpty());
        form->Text5->setFocus();
        tabRound();
    }
    // Shift+Tab goes the same way back: the last Tab left the focus in the syllable field.
    ASSERT_TRUE(form->Combo6->editField()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(form->Text5->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(form->Command2->hasFocus());
}

TEST_F(StartUp, TheNoticeSaysWhatIsCoveredAndLinksToTheGuide) {
    EXPECT_EQ(form->Label27->text(),
              QStringLiteral("本程序只收录 GB2312 的 6763 个汉字，详见使用说明："));
    EXPECT_EQ(form->Label28->text(), QStringLiteral("README.zh-CN.md"));
    // Both lines fit the notice.
    form->Picture2->show();
    for (QLabel* line : {form->Label27, form->Label28}) {
        EXPECT_TRUE(form->Picture2->rect().contains(line->geometry()))
            << line->text().toStdString();
    }
    form->Label28_Click();
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(QUrl(opener.opened[0]).toLocalFile(), folder_ + QStringLiteral("/README.zh-CN.md"));
}

TEST(SingleInstance, ASecondStartEndsAtOnceWhileTheFirstRuns) {
    // The real program, copied into a program folder of its own with a record file.
    ProgramFolder folder;
    folder.writeRecords(recordsFor(gb2312Characters(3)));
    const QString program = folder.path() + QStringLiteral("/zilvaro");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZILVARO_PROGRAM_DIR "/zilvaro"), program));
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    const QString lock = runtime.filePath(QStringLiteral("zilvaro.lock"));
    for (int i = 0; i < 100 && !QFile::exists(lock); ++i) {
        QTest::qWait(50);
    }
    ASSERT_TRUE(QFile::exists(lock));

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();

    // A lock left by the killed instance is stale: the next start takes it over.
    SingleInstance next(runtime.path());
    EXPECT_TRUE(next.acquired());
}
