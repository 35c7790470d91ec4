#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace zilvaro {

// A combo box whose list is always open: an edit field over a list. Typing in the edit
// field is a change (changed); choosing a row with the mouse or the arrow keys puts the
// row's text into the edit field and is a click (clicked). Appending items runs nothing.
class SimpleCombo : public QWidget {
    Q_OBJECT

public:
    explicit SimpleCombo(QWidget* parent = nullptr);

    QString text() const;
    // Sets the edit field's text without reporting a change.
    void setText(const QString& text);
    void addItem(const QString& text);
    int count() const;
    QString itemText(int row) const;
    // Chooses a row as the user would: the edit field takes its text, then clicked.
    void chooseRow(int row);

    QLineEdit* editField() const { return edit_; }
    QListWidget* list() const { return list_; }

signals:
    void changed();
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rowChosen(int row);

    QLineEdit* edit_;
    QListWidget* list_;
};

} // namespace zilvaro
