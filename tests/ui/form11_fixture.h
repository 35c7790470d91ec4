#pragma once

#include "record_builder.h"
#include "ui/form11.h"
#include "ui/url_opener.h"

#include <QImage>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace zilvaro::test {

struct RecordingReporter : FailureReporter {
    QStringList messages;
    void report(const QString& message) override { messages.append(message); }
};

struct RecordingOpener : UrlOpener {
    QStringList opened;
    void open(const QString& target) override { opened.append(target); }
};

// Types text into a widget as a keyboard would, one key press and release for each
// character (also for characters no key of the test keyboard has).
void typeText(QWidget* widget, const QString& text);

// A plain decomposition picture for tests: white, 108 x 109, with one black frame.
QImage plainPicture();
// Writes picture files for the characters into the folder's bmp/.
void writePictures(const ProgramFolder& folder, const QStringList& characters,
                   const QImage& picture = plainPicture());

// A main window over a program folder holding a record and a picture for every one of
// the 6763 GB2312 characters (made-up codes), shared by the tests of one program.
class Form11Test : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Types text into the character input box as the user would.
    void typeIntoInputBox(const QString& text);
    // Sets a stroke picker's edit text as typing would (its Change).
    void typeIntoPicker(int picker, const QString& text);
    // Chooses item row of a stroke picker from its list (its Click).
    void chooseInPicker(int picker, int row);
    // The characters of the result strip, without blanks.
    QString stripCharacters() const;

    static QString folder_;
    RecordingReporter reporter;
    std::unique_ptr<FailureGuard> guard;
    RecordingOpener opener;
    std::unique_ptr<Form11> form;
};

} // namespace zilvaro::test
