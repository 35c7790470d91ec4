#include "ui/simple_combo.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {

// A shown combo of 60 rows "r00" .. "r59" behind "b" and "ba" rows, about 20 rows high,
// the focus in its edit field.
class SimpleComboKeys : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* row : {"a", "ai", "an", "ba", "bai", "ban"}) {
            combo.addItem(QString::fromLatin1(row));
        }
        for (int i = 0; i < 60; ++i) {
            combo.addItem(QStringLiteral("r%1").arg(i, 2, 10, QLatin1Char('0')));
        }
        combo.resize(97, 276);
        combo.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
        edit()->setFocus();
    }

    QLineEdit* edit() const { return combo.editField(); }
    int current() const { return combo.list()->currentRow(); }
    int topRow() const { return combo.list()->indexAt(QPoint(2, 2)).row(); }
    bool selected(int row) const { return combo.list()->item(row)->isSelected(); }

    SimpleCombo combo;
    QSignalSpy clicked{&combo, &SimpleCombo::clicked};
    QSignalSpy changed{&combo, &SimpleCombo::changed};
};

} // namespace

TEST_F(SimpleComboKeys, ArrowKeysInTheEditFieldMoveThroughTheListAndKeepTheFocus) {
    combo.setPlaceholderText(QStringLiteral("输入拼音"));
    EXPECT_EQ(combo.text(), QString()); // the prompt is no text of the field
    EXPECT_EQ(edit()->placeholderText(), QStringLiteral("输入拼音"));
    QTest::keyClick(edit(), Qt::Key_Down); // from no row: the first
    EXPECT_EQ(current(), 0);
    EXPECT_TRUE(selected(0));
    EXPECT_EQ(combo.text(), QStringLiteral("a"));
    EXPECT_EQ(changed.count(), 1);
    QTest::keyClick(edit(), Qt::Key_Down);
    QTest::keyClick(edit(), Qt::Key_Down);
    EXPECT_EQ(combo.text(), QStringLiteral("an"));
    EXPECT_EQ(changed.count(), 3);
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(combo.text(), QStringLiteral("ai"));
    EXPECT_EQ(changed.count(), 4);
    // Each row reached is a change of the edit field, not a click: the focus stays.
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_TRUE(edit()->hasFocus());
    // Return chooses the row reached, as a click on it would.
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(combo.text(), QStringLiteral("ai"));
}

TEST_F(SimpleComboKeys, TheListTakesTheFocusFromTheFieldWithTabAndMovesTheSameWay) {
    QTest::keyClick(edit(), Qt::Key_Tab);
    ASSERT_TRUE(combo.list()->hasFocus());
    QTest::keyClick(combo.list(), Qt::Key_Down);
    QTest::keyClick(combo.list(), Qt::Key_Down);
    EXPECT_EQ(combo.text(), QStringLiteral("ai"));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_TRUE(combo.list()->hasFocus());
    QTest::keyClick(combo.list(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(SimpleComboKeys, ReturnWithNoRowReachedChoosesNothing) {
    QTest::keyClicks(edit(), QStringLiteral("x"));
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(SimpleComboKeys, TheEndsOfTheListReachNothingMore) {
    QTest::keyClick(edit(), Qt::Key_Home);
    EXPECT_EQ(combo.text(), QStringLiteral("a"));
    const int afterHome = changed.count();
    EXPECT_EQ(afterHome, 1);
    QTest::keyClick(edit(), Qt::Key_Up); // already at the top
    QTest::keyClick(edit(), Qt::Key_Home);
    EXPECT_EQ(changed.count(), afterHome);
    QTest::keyClick(edit(), Qt::Key_End);
    EXPECT_EQ(combo.text(), QStringLiteral("r59"));
    EXPECT_EQ(current(), combo.count() - 1);
    EXPECT_EQ(changed.count(), afterHome + 1);
    EXPECT_GT(topRow(), 6); // scrolled down to it
    QTest::keyClick(edit(), Qt::Key_Down);
    EXPECT_EQ(changed.count(), afterHome + 1);
}

TEST_F(SimpleComboKeys, EndFromNoRowReachesTheLastRow) {
    QTest::keyClick(edit(), Qt::Key_End);
    EXPECT_EQ(combo.text(), QStringLiteral("r59"));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(SimpleComboKeys, PageKeysMoveByAPage) {
    QTest::keyClick(edit(), Qt::Key_Home);
    QTest::keyClick(edit(), Qt::Key_PageDown);
    const int page = current();
    EXPECT_GT(page, 5); // more than a few rows
    EXPECT_LT(page, 40);
    EXPECT_EQ(combo.text(), combo.itemText(page));
    EXPECT_EQ(changed.count(), 2);
    QTest::keyClick(edit(), Qt::Key_PageUp);
    EXPECT_EQ(current(), 0);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(SimpleComboKeys, KeysWithModifiersStayInTheEditField) {
    combo.setText(QStringLiteral("bai"));
    edit()->end(false);
    QTest::keyClick(edit(), Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(edit()->selectedText(), QStringLiteral("bai"));
    EXPECT_EQ(current(), -1);
    EXPECT_EQ(changed.count(), 0);
    QTest::keyClick(edit(), Qt::Key_End); // the caret alone would not choose anything
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(SimpleComboKeys, TheListFollowsTypingWithoutAClick) {
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("r4"));
    EXPECT_EQ(combo.text(), QStringLiteral("r4"));
    EXPECT_EQ(current(), 6 + 40);
    EXPECT_TRUE(selected(6 + 40));
    EXPECT_EQ(topRow(), 6 + 40); // scrolled to the top of the list
    EXPECT_EQ(changed.count(), 2);
    // The next row down is reached from there.
    QTest::keyClick(edit(), Qt::Key_Down);
    EXPECT_EQ(combo.text(), QStringLiteral("r41"));
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(SimpleComboKeys, TheFirstRowStartingWithTheTextIsTaken) {
    edit()->clear();
    QTest::keyClick(edit(), Qt::Key_B);
    EXPECT_EQ(current(), 3); // "ba", not "bai" or "ban"
    QTest::keyClick(edit(), Qt::Key_A);
    EXPECT_EQ(current(), 3);
    QTest::keyClick(edit(), Qt::Key_N);
    EXPECT_EQ(current(), 5);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(SimpleComboKeys, TextNoRowStartsWithLeavesNoRowSelected) {
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("ba"));
    ASSERT_EQ(current(), 3);
    QTest::keyClick(edit(), Qt::Key_X);
    EXPECT_EQ(current(), -1);
    EXPECT_TRUE(combo.list()->selectedItems().isEmpty());
    QTest::keyClick(edit(), Qt::Key_Backspace);
    EXPECT_EQ(current(), 3);
    edit()->selectAll();
    QTest::keyClick(edit(), Qt::Key_Space); // blanks alone match nothing
    EXPECT_EQ(current(), -1);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(SimpleComboKeys, TypedTextIsReadThroughTheMatchKey) {
    combo.setMatchKey([](const QString& typed) { return typed.trimmed().toLower(); });
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral(" BA"));
    EXPECT_EQ(current(), 3);
    EXPECT_EQ(combo.text(), QStringLiteral(" BA")); // the field keeps what was typed
}

TEST_F(SimpleComboKeys, AppendingAndSettingTheTextRunNothing) {
    combo.addItem(QStringLiteral("zz"));
    combo.setText(QStringLiteral("ba"));
    EXPECT_EQ(current(), -1);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(changed.count(), 0);
}
