#include "ui/caret_boxes.h"

#include "core/code_points.h"

#include <QScrollBar>
#include <QTextCursor>

namespace zilvaro {

// ---- CaretLineEdit ----

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
