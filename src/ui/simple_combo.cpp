#include "ui/simple_combo.h"

#include "core/blank_text.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace zilvaro {

SimpleCombo::SimpleCombo(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), list_(new QListWidget(this)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFocusPolicy(Qt::ClickFocus); // the Tab key goes to the edit field only
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusProxy(edit_);
    edit_->installEventFilter(this);
    setMatchKey({});
    connect(edit_, &QLineEdit::textEdited, this, [this] {
        followTypedText();
        emit changed();
    });
    // A click on a row chooses it, also when it is the current row already; the arrow
    // keys choose the row they move to.
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { rowChosen(list_->row(item)); });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && QGuiApplication::mouseButtons() == Qt::NoButton) {
            rowChosen(row);
        }
    });
}

QString SimpleCombo::text() const {
    return edit_->text();
}

void SimpleCombo::setText(const QString& text) {
    edit_->setText(text);
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

bool SimpleCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            if (modifiers == Qt::NoModifier) {
                // The list moves its selection as if it had the focus; the row it moves
                // to is chosen (currentRowChanged), as with the arrow keys in the list.
                // From no row at all the list goes to the first row; End goes to the last.
                if (key->key() == Qt::Key_End && list_->currentRow() < 0) {
                    list_->setCurrentRow(list_->count() - 1);
                    return true;
                }
                QKeyEvent forwarded(QEvent::KeyPress, key->key(), key->modifiers(), key->text(),
                                    key->isAutoRepeat(), key->count());
                QCoreApplication::sendEvent(list_, &forwarded);
                return true;
            }
            break;
        default:
            break;
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
