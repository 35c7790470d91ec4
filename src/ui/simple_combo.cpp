#include "ui/simple_combo.h"

#include <QGuiApplication>
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
    connect(edit_, &QLineEdit::textEdited, this, &SimpleCombo::changed);
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

void SimpleCombo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int editHeight = edit_->sizeHint().height();
    edit_->setGeometry(0, 0, width(), editHeight);
    list_->setGeometry(0, editHeight, width(), height() - editHeight);
}

} // namespace zilvaro
