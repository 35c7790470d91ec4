#include "ui/caret_boxes.h"

#include "ui/form_controls.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>

#include <algorithm>

namespace zilvaro {

// ---- SingleLineValidator ----

QValidator::State SingleLineValidator::validate(QString& input, int& position) const {
    auto isBreak = [](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    };
    if (std::none_of(input.cbegin(), input.cend(), isBreak)) {
        accepted_ = input;
        return Acceptable;
    }
    // The inserted text ends at the caret, which an insertion leaves after it; what
    // follows the caret followed the insertion point in the text accepted last. It
    // starts where the part in common with that text at the front ends. (Where the caret
    // says otherwise, as for a text set whole, the parts in common at both ends.)
    const qsizetype shorter = std::min(input.size(), accepted_.size());
    qsizetype back = input.size() - position;
    if (back < 0 || back > shorter ||
        QStringView(input).right(back) != QStringView(accepted_).right(back)) {
        back = 0;
        while (back < shorter &&
               input[input.size() - 1 - back] == accepted_[accepted_.size() - 1 - back]) {
            ++back;
        }
    }
    qsizetype front = 0;
    while (front < shorter - back && input[front] == accepted_[front]) {
        ++front;
    }
    QString inserted = input.mid(front, input.size() - front - back);
    const auto start = std::find_if_not(inserted.cbegin(), inserted.cend(), isBreak);
    inserted.remove(0, start - inserted.cbegin());
    const auto end = std::find_if(inserted.cbegin(), inserted.cend(), isBreak);
    inserted.truncate(end - inserted.cbegin());
    // Breaks outside the insertion (text set with them) go as well.
    QString before = input.left(front);
    QString after = input.right(back);
    before.removeIf(isBreak);
    after.removeIf(isBreak);
    input = before + inserted + after;
    position = static_cast<int>(before.size() + inserted.size());
    accepted_ = input;
    return Acceptable;
}

// ---- CaretLineEdit ----

CaretLineEdit::CaretLineEdit(QWidget* parent) : CaretBox<QLineEdit>(parent) {
    setValidator(new SingleLineValidator(this));
}

std::pair<int, int> CaretLineEdit::unitSelection() const {
    if (!hasSelectedText()) {
        return {cursorPosition(), cursorPosition()};
    }
    return {selectionStart(), selectionEnd()};
}

void CaretLineEdit::selectUnits(int from, int to) {
    if (to > from) {
        QLineEdit::setSelection(from, to - from);
    } else {
        deselect();
        setCursorPosition(from);
    }
}

bool CaretLineEdit::reportPaste(const std::function<void()>& paste) {
    const QString before = text();
    const qsizetype replacedFrom = hasSelectedText() ? selectionStart() : cursorPosition();
    paste();
    const QString after = text();
    if (after == before) {
        return false;
    }
    // A paste leaves the caret after what it inserted, and the text after the caret as
    // it was; the insertion starts where the selection it replaced started (or the
    // caret stood), and never before the part both texts begin with ends.
    const qsizetype end = cursorPosition();
    const qsizetype tail = after.size() - end;
    qsizetype start = 0;
    while (start < end && start < before.size() && after[start] == before[start]) {
        ++start;
    }
    start = std::clamp<qsizetype>(std::min({start, before.size() - tail, replacedFrom}), 0, end);
    emit signals_.pasted(after.mid(start, end - start));
    return true;
}

void CaretLineEdit::keyPressEvent(QKeyEvent* event) {
    afterPasteKey_ = event->matches(QKeySequence::Paste);
    if (afterPasteKey_) {
        reportPaste([&] { QLineEdit::keyPressEvent(event); });
    } else {
        QLineEdit::keyPressEvent(event);
    }
}

void CaretLineEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (!afterPasteKey_) {
        emit signals_.keyReleased();
    }
}

void CaretLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // Where the platform has a selection to paste, the middle button's release pastes it.
    if (event->button() == Qt::MiddleButton &&
        reportPaste([&] { QLineEdit::mouseReleaseEvent(event); })) {
        return;
    }
    if (event->button() == Qt::MiddleButton) {
        emit signals_.clicked(); // released already: nothing was pasted
        return;
    }
    CaretBox<QLineEdit>::mouseReleaseEvent(event);
}

void CaretLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (!menu) {
        return;
    }
    // The menu's Paste pastes as the box's own paste does, and reports what it inserted.
    // It is known by its text, which the toolkit translates under the line edit's name.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text() == pasteText || action->text().startsWith(pasteText + u'\t')) {
            action->disconnect(this);
            connect(action, &QAction::triggered, this,
                    [this] { reportPaste([this] { paste(); }); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// ---- CaretTextEdit ----

CaretTextEdit::CaretTextEdit(QWidget* parent) : CaretBox<QPlainTextEdit>(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAnywhere);
    setReadOnly(true);
    // Read-only, but the caret shows and moves with the keys and the mouse.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
}

std::pair<int, int> CaretTextEdit::unitSelection() const {
    const QTextCursor c = textCursor();
    return {c.selectionStart(), c.selectionEnd()};
}

void CaretTextEdit::selectUnits(int from, int to) {
    QTextCursor c = textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void CaretTextEdit::paintEvent(QPaintEvent* event) {
    CaretBox<QPlainTextEdit>::paintEvent(event);
    if (hasFocus()) {
        drawFocusMark(*viewport());
    }
}

void CaretTextEdit::focusInEvent(QFocusEvent* event) {
    CaretBox<QPlainTextEdit>::focusInEvent(event);
    viewport()->update();
}

void CaretTextEdit::focusOutEvent(QFocusEvent* event) {
    CaretBox<QPlainTextEdit>::focusOutEvent(event);
    viewport()->update();
}

} // namespace zilvaro
