#pragma once

#include "core/code_points.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>

#include <functional>
#include <utility>

namespace zilvaro {

// What a caret box reports, after the toolkit has handled the event.
class CaretSignals : public QObject {
    Q_OBJECT

signals:
    void clicked();
    void keyReleased();
    // Text was pasted (with a key, the context menu or the middle button): what went in.
    void pasted(const QString& text);
};

// A text box (Box: QLineEdit or QPlainTextEdit) that reports a click after the toolkit
// has placed the caret (or made the selection by dragging), and a key release after the
// key's own effect, so that the handlers read the caret where the user left it.
//
// Selection start and length are counted in characters (code points), so a character
// outside the Basic Multilingual Plane is never split into half surrogates. A box says
// where its selection lies in UTF-16 units; the counting in characters is done here.
template <class Box> class CaretBox : public Box {
public:
    explicit CaretBox(QWidget* parent = nullptr) : Box(parent) {}

    const CaretSignals* caretSignals() const { return &signals_; }

    int SelStart() const { return characterIndexOf(boxText(), unitSelection().first); }
    int SelLength() const {
        const QString text = boxText();
        const auto [start, end] = unitSelection();
        return characterIndexOf(text, end) - characterIndexOf(text, start);
    }
    virtual QString SelText() const = 0;
    // Selects length characters from start; clamped to the text, as a text box does.
    void setSelection(int start, int length) {
        const QString text = boxText();
        selectUnits(unitPositionOf(text, start), unitPositionOf(text, start + length));
    }

protected:
    virtual QString boxText() const = 0;
    // The selection's start and end in UTF-16 units; both the caret without one.
    virtual std::pair<int, int> unitSelection() const = 0;
    virtual void selectUnits(int from, int to) = 0;

    void mouseReleaseEvent(QMouseEvent* event) override {
        Box::mouseReleaseEvent(event);
        emit signals_.clicked();
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        Box::keyReleaseEvent(event);
        emit signals_.keyReleased();
    }

    CaretSignals signals_;
};

// The character input box. It is one line: text pasted or dropped into it keeps its
// first line without the line break (a line copied from another program ends in one),
// as the platform's line edits do when told to.
//
// A paste, however made (the platform's paste keys, Ctrl+V and Shift+Insert; Paste in
// the context menu; the middle button, which pastes the selection), reports the text it
// inserted (pasted) after the box's own change. The key releases that end a paste key
// (V, then Ctrl) report nothing, and a middle-button paste is no click: the paste
// alone says what to look up.
class CaretLineEdit : public CaretBox<QLineEdit> {
public:
    explicit CaretLineEdit(QWidget* parent = nullptr);
    QString SelText() const override { return selectedText(); }

protected:
    QString boxText() const override { return text(); }
    std::pair<int, int> unitSelection() const override;
    void selectUnits(int from, int to) override;

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Runs a paste and reports what it inserted; false when it changed nothing.
    bool reportPaste(const std::function<void()>& paste);

    // The last key pressed was a paste key: the releases up to the next press are its.
    bool afterPasteKey_ = false;
};

// Cuts what was inserted into a line edit at its first line break (after dropping the
// breaks it starts with); the text around the insertion stays. It tells the insertion
// from the text it accepted last.
class SingleLineValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;

private:
    mutable QString accepted_;
};

// The result strip: a multi-line box with a vertical scroll bar. The user reads and
// selects in it but does not type into it; only the finders write it.
class CaretTextEdit : public CaretBox<QPlainTextEdit> {
public:
    explicit CaretTextEdit(QWidget* parent = nullptr);
    // The strip holds no paragraph breaks, so the selected text is plain.
    QString SelText() const override { return textCursor().selectedText(); }

protected:
    QString boxText() const override { return toPlainText(); }
    std::pair<int, int> unitSelection() const override;
    void selectUnits(int from, int to) override;
    // With the focus, the strip draws a focus mark, since its caret alone blinks.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace zilvaro
