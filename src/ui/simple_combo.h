#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QKeyEvent;
class QListWidget;

namespace zilvaro {

// A combo box whose list is always open: an edit field over a list. Typing in the edit
// field is a change (changed), and the list follows it: the first row that starts with
// the typed text is selected and scrolled to the top, without a click. The arrow keys,
// Page Up, Page Down, Home and End, in the list or in the edit field, move through the
// list; the edit field takes the text of each row they reach, which is a change too,
// and the focus stays where it is. Choosing a row with the mouse, or Return on the row
// the keys reached, puts the row's text into the edit field and is a click (clicked).
// The prompt is a placeholder, shown while the edit field is empty. Appending items
// runs nothing.
class SimpleCombo : public QWidget {
    Q_OBJECT

public:
    explicit SimpleCombo(QWidget* parent = nullptr);

    QString text() const;
    // Sets the edit field's text without reporting a change.
    void setText(const QString& text);
    // The prompt the empty edit field shows; it is no text of the field.
    void setPlaceholderText(const QString& prompt);
    void addItem(const QString& text);
    int count() const;
    QString itemText(int row) const;
    // Chooses a row as the user would: the edit field takes its text, then clicked.
    void chooseRow(int row);

    // How typed text is read before it is matched against the rows (the rows are taken
    // as they are); by default the text with its leading and trailing blanks removed.
    void setMatchKey(std::function<QString(const QString&)> key);

    QLineEdit* editField() const { return edit_; }
    QListWidget* list() const { return list_; }

signals:
    void changed();
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rowChosen(int row);
    void rowReached(int row);
    // The keys that move through the list, and Return, from the edit field or the list.
    bool listKey(QKeyEvent* key);
    void followTypedText();

    QLineEdit* edit_;
    QListWidget* list_;
    std::function<QString(const QString&)> matchKey_;
};

} // namespace zilvaro
