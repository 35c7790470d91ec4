#include "ui/caret_boxes.h"

#include "core/code_points.h"

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

CaretLineEdit::CaretLineEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new SingleLineValidator(this));
}

int CaretLineEdit::SelStart() const {
    const int units = hasSelectedText() ? selectionStart() : cursorPosition();
    return characterIndexOf(text(), units);
}

int CaretLineEdit::SelLength() const {
    if (!hasSelectedText()) {
        return 0;
    }
    return characterIndexOf(text(), selectionEnd()) - characterIndexOf(text(), selectionStart());
}

QString CaretLineEdit::SelText() const {
    return selectedText();
}

void CaretLineEdit::setSelection(int start, int length) {
    const QString t = text();
    const int from = unitPositionOf(t, start);
    const int to = unitPositionOf(t, start + length);
    if (to > from) {
        QLineEdit::setSelection(from, to - from);
    } else {
        deselect();
        setCursorPosition(from);
    }
}

void CaretLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    emit clicked();
}

void CaretLineEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased();
}

// ---- CaretTextEdit ----

CaretTextEdit::CaretTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAnywhere);
    setReadOnly(true);
    // Read-only, but the caret shows and moves with the keys and the mouse.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
}

int CaretTextEdit::SelStart() const {
    const QTextCursor c = textCursor();
    return characterIndexOf(toPlainText(), c.selectionStart());
}

int CaretTextEdit::SelLength() const {
    const QTextCursor c = textCursor();
    const QString t = toPlainText();
    return characterIndexOf(t, c.selectionEnd()) - characterIndexOf(t, c.selectionStart());
}

QString CaretTextEdit::SelText() const {
    // The strip holds no paragraph breaks, so the selected text is plain.
    return textCursor().selectedText();
}

void CaretTextEdit::setSelection(int start, int length) {
    const QString t = toPlainText();
    QTextCursor c = textCursor();
    c.setPosition(unitPositionOf(t, start));
    c.setPosition(unitPositionOf(t, start + length), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void CaretTextEdit::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    emit clicked();
}

void CaretTextEdit::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    emit keyReleased();
}

} // namespace zilvaro
