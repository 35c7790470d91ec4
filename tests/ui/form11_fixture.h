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

// The main window with what the tests drive and check made reachable: its controls,
// state and handlers, under the names the window gives them.
class Form11Probe : public Form11 {
public:
    using Form11::Form11;

    using Form11::Command2, Form11::Command8, Form11::Combo1, Form11::Combo2, Form11::Combo3,
        Form11::Combo4, Form11::Combo5, Form11::Combo6, Form11::strokePickers, Form11::Text5,
        Form11::Text6, Form11::Text88, Form11::Picture1, Form11::Picture2, Form11::Frame1,
        Form11::Line2;
    using Form11::CurrentRecordNumber, Form11::CurrentRecord, Form11::LookupFound;
    using Form11::Label5, Form11::Label9, Form11::Label10, Form11::Label15, Form11::Label22,
        Form11::Label23, Form11::Label24, Form11::Label25, Form11::Label27, Form11::Label28;
    using Form11::setText6, Form11::text6, Form11::setCaption;
    using Form11::Text23, Form11::Text31, Form11::Text11, Form11::Text12, Form11::Text13,
        Form11::Text14, Form11::Text17, Form11::Text20, Form11::Text1a, Form11::Text4,
        Form11::Text2bhw, Form11::Text2bh, Form11::List1, Form11::Label3, Form11::Label4,
        Form11::Label6, Form11::Label7, Form11::Label8, Form11::Label20, Form11::Label1bh,
        Form11::Label2bh;
    using Form11::Text5_Click, Form11::Text6_Click, Form11::Text6_KeyUp, Form11::List1_Click,
        Form11::Command6_Click, Form11::Command8_Click, Form11::Label28_Click,
        Form11::strokeHelpText;
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
    std::unique_ptr<Form11Probe> form;
};

} // namespace zilvaro::test
