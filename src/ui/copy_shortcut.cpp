#include "ui/copy_shortcut.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zilvaro {

namespace {

bool hasSelection(QObject* box) {
    if (const auto* line = qobject_cast<QLineEdit*>(box)) {
        return line->hasSelectedText();
    }
    if (const auto* text = qobject_cast<QTextEdit*>(box)) {
        return text->textCursor().hasSelection();
    }
    if (const auto* text = qobject_cast<QPlainTextEdit*>(box)) {
        return text->textCursor().hasSelection();
    }
    return true;
}

} // namespace

void SelectionFreeCopy::installOnTextBoxesOf(QWidget* window) {
    auto* filter = new SelectionFreeCopy(window);
    for (QLineEdit* line : window->findChildren<QLineEdit*>()) {
        line->installEventFilter(filter);
    }
    for (QTextEdit* text : window->findChildren<QTextEdit*>()) {
        text->installEventFilter(filter);
    }
    for (QPlainTextEdit* text : window->findChildren<QPlainTextEdit*>()) {
        text->installEventFilter(filter);
    }
}

bool SelectionFreeCopy::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !hasSelection(watched)) {
        // Not taken by the box: the shortcut map goes on to the window's shortcut.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zilvaro
