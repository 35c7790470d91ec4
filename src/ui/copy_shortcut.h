#pragma once

#include <QObject>

namespace zilvaro {

// Lets the window's copy shortcut (Ctrl+C) reach past a text box that has no text
// selected: a line edit or (plain) text edit holding the focus takes the shortcut for its
// own copy, which would copy nothing. Installed as an event filter on such boxes; with
// text selected, the box copies its selection as always.
class SelectionFreeCopy : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    // Installs one filter, owned by `window`, on every line edit and text edit in it (the
    // result strip is a plain text edit).
    static void installOnTextBoxesOf(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zilvaro
