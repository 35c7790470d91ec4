#include "ui/form11.h"

#include <QCloseEvent>

namespace zilvaro {

Form11::Form11(const QString& programDir, FailureGuard& guard, QWidget* parent)
    : QWidget(parent), programDir_(programDir), guard_(guard) {
    Text23.onChange([this] {
        if (!Text23.text().trimmed().isEmpty()) {
            Command6_Click();
        }
    });
}

Form11::~Form11() = default;

void Form11::Form_Load() {
    // The record file lies in the program's folder; it is opened read-only.
    RecordFile_ = std::make_unique<RecordFile>(programDir_ + QStringLiteral("/wwbb11.dat"));
    CurrentRecordNumber = 1;
    display();
}

void Form11::Form_Unload() {
    if (RecordFile_) {
        RecordFile_->close();
    }
}

void Form11::closeEvent(QCloseEvent* event) {
    entry([this] { Form_Unload(); });
    event->accept();
}

} // namespace zilvaro
