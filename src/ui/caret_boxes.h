#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>

namespace zilvaro {

// Text boxes that report a click after the toolkit has placed the caret (or made the
// selection by dragging), and a key release after the key's own effect, so that the
// handlers read the caret where the user left it.
//
// Selection start and length are counted in characters (code points), so a character
// outside the Basic Multilingual Plane is never split into half surrogates.
//
// The box is one line: text pasted or dropped into it keeps its first line without the
// line break (a line copied from another program ends in one), as the platform's line
// edits do when told to.
class CaretLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CaretLineEdit(QWidget* parent = nullptr);

    int SelStart() const;
    int SelLength() const;
    QString SelText() const;
    // Selects length characters from start; clamped to the text, as a text box does.
    void setSelection(int start, int length);

signals:
    void clicked();
    void keyReleased();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
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
class CaretTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CaretTextEdit(QWidget* parent = nullptr);

    int SelStart() const;
    int SelLength() const;
    QString SelText() const;
    void setSelection(int start, int length);

signals:
    void clicked();
    void keyReleased();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace zilvaro
