#pragma once

#include "core/failure.h"
#include "core/watched_text.h"
#include "data/character_record.h"
#include "data/record_file.h"

#include <QWidget>

#include <cstdint>
#include <memory>

namespace zilvaro {

// The main window. It carries every control the user sees and, as plain values, the
// controls the user never sees: the detail boxes of the current record, flags and
// query boxes through which the handlers pass values to each other.
class Form11 : public QWidget {
    Q_OBJECT

public:
    // programDir is the folder that holds wwbb11.dat and bmp/. Failures raised by a
    // handler the toolkit runs go to guard.
    Form11(const QString& programDir, FailureGuard& guard, QWidget* parent = nullptr);
    ~Form11() override;

    // Start-up, before the window is first shown. Failures propagate to the caller.
    void Form_Load();
    // Shut-down: closes the record file.
    void Form_Unload();

    // Record state.
    void display();
    std::int16_t CurrentRecordNumber = 0;
    CharacterRecord CurrentRecord;
    std::int16_t LookupFound = 0;
    RecordSource* recordSource() { return RecordFile_.get(); }

    // The lookup: search, then presentation.
    void Command6_Click();

    // Hidden frame Frame888: lookup query box, probe boxes, detail boxes.
    WatchedText Text23;
    WatchedText Text31{QStringLiteral("Text31")};
    WatchedText Text32{QStringLiteral("Text32")};
    WatchedText Text11, Text12, Text13, Text14, Text17, Text18, Text19, Text20;

    QString programDir() const { return programDir_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void presentLookup();
    // Runs a handler entered from the toolkit through the failure treatment.
    void entry(const std::function<void()>& handler) { guard_.run(handler); }

    QString programDir_;
    FailureGuard& guard_;
    std::unique_ptr<RecordFile> RecordFile_;
};

} // namespace zilvaro
