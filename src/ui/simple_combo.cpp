#include "ui/simple_combo.h"

#include "core/blank_text.h"
#include "ui/form_controls.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace zilvaro {

namespace {

// The list of the combo box. Taking the focus, a list view makes its first row the
// current one when none is; here no row is reached until a key moves to one, so that
// tabbing into the list searches nothing and Down then goes to the first row. With the
// focus it draws a focus mark, which the style does not for a list without a current row.
class SyllableList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override {
        const bool noRow = currentRow() < 0;
        {
            const QSignalBlocker blocker(this);
            QListWidget::focusInEvent(event);
            if (noRow) {
                selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
            }
        }
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QListWidget::focusOutEvent(event);
        viewport()->update();
    }
    void paintEvent(QPaintEvent* event) override {
        QListWidget::paintEvent(event);
        if (hasFocus()) {
            drawFocusMark(*viewport());
        }
    }
};

} // namespace

SimpleCombo::SimpleCombo(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), list_(new SyllableList(this)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFocusPolicy(Qt::StrongFocus); // the Tab key goes from the edit field to it
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No focus proxy: the edit field and the list are the tab stops, the box itself none.
    edit_->installEventFilter(this);
    list_->installEventFilter(this);
    setMatchKey({});
    connect(edit_, &QLineEdit::textEdited, this, [this] {
        followTypedText();
        emit changed();
    });
    // A click on a row chooses it, also when it is the current row already; the keys
    // reach the row they move to.
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { rowChosen(list_->row(item)); });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && QGuiApplication::mouseButtons() == Qt::NoButton) {
            rowReached(row);
        }
    });
}

QString SimpleCombo::text() const {
    return edit_->text();
}

void SimpleCombo::setText(const QString& text) {
    edit_->setText(text);
}

void SimpleCombo::setPlaceholderText(const QString& prompt) {
    edit_->setPlaceholderText(prompt);
}

void SimpleCombo::addItem(const QString& text) {
    list_->addItem(text);
}

int SimpleCombo::count() const {
    return list_->count();
}

QString SimpleCombo::itemText(int row) const {
    const QListWidgetItem* item = list_->item(row);
    return item ? item->text() : QString();
}

void SimpleCombo::setMatchKey(std::function<QString(const QString&)> key) {
    if (!key) {
        key = [](const QString& text) { return trimBlanks(text).toString(); };
    }
    matchKey_ = std::move(key);
}

void SimpleCombo::chooseRow(int row) {
    if (row < 0 || row >= list_->count()) {
        return;
    }
    {
        const QSignalBlocker blocker(list_);
        list_->setCurrentRow(row);
    }
    rowChosen(row);
}

void SimpleCombo::rowChosen(int row) {
    edit_->setText(itemText(row));
    emit clicked();
}

void SimpleCombo::rowReached(int row) {
    edit_->setText(itemText(row));
    emit changed();
}

void SimpleCombo::followTypedText() {
    const QString key = matchKey_(edit_->text());
    int match = -1;
    if (!key.isEmpty()) {
        for (int row = 0; row < list_->count(); ++row) {
            if (list_->item(row)->text().startsWith(key)) {
                match = row;
                break;
            }
        }
    }
    // Only the list moves: following the typed text chooses nothing.
    const QSignalBlocker blocker(list_);
    if (match < 0) {
        list_->setCurrentRow(-1);
        list_->clearSelection();
        return;
    }
    list_->setCurrentRow(match);
    list_->scrollToItem(list_->item(match), QAbstractItemView::PositionAtTop);
}

bool SimpleCombo::listKey(QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) {
        return false;
    }
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Return chooses the row the keys or the typing reached, as a click on it would.
        if (list_->currentRow() >= 0) {
            rowChosen(list_->currentRow());
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        // From no row at all the list goes to the first row; End goes to the last.
        if (key->key() == Qt::Key_End && list_->currentRow() < 0) {
            list_->setCurrentRow(list_->count() - 1);
        }
        return false;
    default:
        return false;
    }
}

bool SimpleCombo::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == edit_ || watched == list_) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (listKey(key)) {
            return true;
        }
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (watched == edit_ && plain &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
             key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown ||
             key->key() == Qt::Key_Home || key->key() == Qt::Key_End)) {
            // The list moves its selection as if it had the focus; the row it moves to is
            // reached (currentRowChanged), as with the keys in the list.
            QKeyEvent forwarded(QEvent::KeyPress, key->key(), key->modifiers(), key->text(),
                                key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(list_, &forwarded);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SimpleCombo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int editHeight = edit_->sizeHint().height();
    edit_->setGeometry(0, 0, width(), editHeight);
    list_->setGeometry(0, editHeight, width(), height() - editHeight);
}

} // namespace zilvaro
