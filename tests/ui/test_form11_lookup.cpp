#include "form11_fixture.h"

#include "ui/picture_box.h"

#include <QFile>

#include <algorithm>
#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace zilvaro;
using namespace zilvaro::test;

TEST(Form11Lookup, StartUpShowsRecordOneInTheDetailBoxes) {
    ProgramFolder folder;
    auto records = recordsFor(gb2312Characters(3));
    records[0].FillPoints1 = QStringLiteral(" 300 450");
    folder.writeRecords(records);
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    RecordingOpener opener;
    Form11Probe form(folder.path(), guard, opener);
    ASSERT_TRUE(guard.run([&] { form.Form_Load(); }));
    EXPECT_EQ(form.CurrentRecordNumber, 1);
    EXPECT_EQ(form.Text11.text(), QStringLiteral("啊 "));
    EXPECT_EQ(form.Text12.text(), QStringLiteral("aaaa"));
    EXPECT_EQ(form.Text13.text(), QStringLiteral("aa  "));
    EXPECT_EQ(form.Text14.text(), QStringLiteral("aaaa"));
    EXPECT_EQ(form.Text17.text(), QStringLiteral(" 300 450") + QString(64, u' '));
    EXPECT_EQ(form.Text20.text(), QString(72, u' '));
}

TEST(Form11Lookup, AMissingRecordFileFailsAtStartUpWithItsPath) {
    ProgramFolder folder;
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    RecordingOpener opener;
    Form11Probe form(folder.path(), guard, opener);
    EXPECT_FALSE(guard.run([&] { form.Form_Load(); }));
    ASSERT_EQ(reporter.messages.size(), 1);
    EXPECT_TRUE(reporter.messages[0].contains(folder.recordFilePath()));
    EXPECT_FALSE(QFile::exists(folder.recordFilePath()));
}

TEST(Form11Lookup, AnEmptyOrScrambledRecordFileFailsAtStartUpSayingSo) {
    ProgramFolder folder;
    folder.writeBytes({});
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    RecordingOpener opener;
    Form11Probe form(folder.path(), guard, opener);
    EXPECT_FALSE(guard.run([&] { form.Form_Load(); }));
    EXPECT_EQ(reporter.messages,
              QStringList{QStringLiteral("The record file ") + folder.recordFilePath() +
                          QStringLiteral(" is empty")});

    // Shuffled records would give "no entry" for most characters without a word.
    ProgramFolder shuffled;
    auto records = recordsFor(gb2312Characters(50));
    std::reverse(records.begin(), records.end());
    shuffled.writeRecords(records);
    RecordingReporter told;
    FailureGuard second(told);
    Form11Probe other(shuffled.path(), second, opener);
    EXPECT_FALSE(second.run([&] { other.Form_Load(); }));
    ASSERT_EQ(told.messages.size(), 1);
    EXPECT_TRUE(
        told.messages[0].startsWith(QStringLiteral("The record file ") + shuffled.recordFilePath() +
                                    QStringLiteral(" is damaged: its records are not in order")))
        << told.messages[0].toStdString();
}

namespace {
// A program folder of a few characters whose pictures the test spoils, and a window over
// it that has started.
struct SpoiledPictures {
    SpoiledPictures() {
        folder.writeRecords(recordsFor(gb2312Characters(6)));
        writePictures(folder, gb2312Characters(6));
        form.Form_Load();
    }
    QString picture(const QString& character) const {
        return folder.path() + QStringLiteral("/bmp/") + character + QStringLiteral(".bmp");
    }
    // The failures a lookup of the character reported.
    QStringList lookUp(const QString& character) {
        reporter.messages.clear();
        guard.run([&] { form.Text23.set(character); });
        return reporter.messages;
    }
    ProgramFolder folder;
    RecordingReporter reporter;
    FailureGuard guard{reporter};
    RecordingOpener opener;
    Form11Probe form{folder.path(), guard, opener};
};
} // namespace

TEST(Form11Lookup, APictureThatIsANamedPipeFailsAtOnceNamingIt) {
    SpoiledPictures data;
    const QString pipe = data.picture(QStringLiteral("阿"));
    ASSERT_TRUE(QFile::remove(pipe));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(data.lookUp(QStringLiteral("阿")),
              QStringList{QStringLiteral("Cannot open the picture ") + pipe +
                          QStringLiteral(": it is a named pipe, not a regular file")});
}

TEST(Form11Lookup, ATruncatedPictureFailsAndShowsNothingOfIt) {
    SpoiledPictures data;
    const QString cut = data.picture(QStringLiteral("埃"));
    ASSERT_TRUE(QFile::resize(cut, 100));
    const QStringList messages = data.lookUp(QStringLiteral("埃"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Cannot read the picture ") + cut +
                                       QStringLiteral(": it is cut short: it holds 100 bytes")))
        << messages[0].toStdString();
    EXPECT_FALSE(data.form.Picture1[0]->surface().hasPicture());
}

TEST(Form11Lookup, WritingTheQueryBoxLooksTheCharacterUp) {
    ProgramFolder folder;
    folder.writeRecords(recordsFor(gb2312Characters(6)));
    writePictures(folder, gb2312Characters(6));
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    RecordingOpener opener;
    Form11Probe form(folder.path(), guard, opener);
    form.Form_Load();

    form.Text23.set(QStringLiteral("埃"));
    EXPECT_EQ(form.LookupFound, -1);
    EXPECT_EQ(form.CurrentRecordNumber, 3);
    EXPECT_EQ(form.Text11.text(), QStringLiteral("埃 "));
    EXPECT_EQ(form.Text23.text(), QString()); // the lookup empties its query box

    // A miss: the detail boxes keep the record of the last hit.
    form.Text23.set(QStringLiteral("中"));
    EXPECT_EQ(form.LookupFound, 0);
    EXPECT_EQ(form.Text11.text(), QStringLiteral("埃 "));
    EXPECT_EQ(form.CurrentRecordNumber, 6);
}

TEST(Form11Lookup, ABlankQueryStartsNoLookupButADirectCallDoes) {
    ProgramFolder folder;
    folder.writeRecords(recordsFor(gb2312Characters(6)));
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    RecordingOpener opener;
    Form11Probe form(folder.path(), guard, opener);
    form.Form_Load();
    form.Text23.set(QStringLiteral(" "));
    EXPECT_EQ(form.Text23.text(), QStringLiteral(" ")); // no lookup ran to empty it
    EXPECT_EQ(form.Text31.text(), QStringLiteral("Text31"));
    form.Command6_Click();
    EXPECT_EQ(form.LookupFound, 0);
    EXPECT_EQ(form.Text31.text(), QStringLiteral("啊 "));
    EXPECT_EQ(form.Text23.text(), QString());

    // An empty query box: a direct call changes nothing.
    form.CurrentRecordNumber = 4;
    form.Command6_Click();
    EXPECT_EQ(form.CurrentRecordNumber, 4);
}
