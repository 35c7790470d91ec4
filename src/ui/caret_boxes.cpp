#include "ui/caret_boxes.h"

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
    // The inserted text is what lies between the part in common with the text accepted
    // last at the front and the part in common at the back.
    qsizetype front = 0;
    const qsizetype shorter = std::min(input.size(), accepted_.size());
    while (front < shorter && input[front] == accepted_[front]) {
        ++front;
    }
    qsizetype back = 0;
    while (back < shorter - front &&
           input[input.size() - 1 - back] == accepted_[accepted_.size() - 1 - back]) {
        ++back;
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

} // namespace zilvaro
