#include "form11_fixture.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace zilvaro;
using namespace zilvaro::test;

TEST(Form11Lookup, StartUpShowsRecordOneInTheDetailBoxes) {
    ProgramFolder folder;
    auto records = recordsFor(gb2312Characters(3));
    records[0].fillPoints1 = QStringLiteral(" 300 450");
    folder.writeRecords(records);
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    RecordingOpener opener;
    Form11 form(folder.path(), guard, opener);
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
    Form11 form(folder.path(), guard, opener);
    EXPECT_FALSE(guard.run([&] { form.Form_Load(); }));
    ASSERT_EQ(reporter.messages.size(), 1);
    EXPECT_TRUE(reporter.messages[0].contains(folder.recordFilePath()));
    EXPECT_FALSE(QFile::exists(folder.recordFilePath()));
}

TEST(Form11Lookup, AnEmptyRecordFileFailsOnRecordOne) {
    ProgramFolder folder;
    folder.writeBytes({});
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    RecordingOpener opener;
    Form11 form(folder.path(), guard, opener);
    EXPECT_FALSE(guard.run([&] { form.Form_Load(); }));
    ASSERT_EQ(reporter.messages.size(), 1);
    EXPECT_TRUE(reporter.messages[0].contains(QStringLiteral("record number 1")));
}

TEST(Form11Lookup, WritingTheQueryBoxLooksTheCharacterUp) {
    ProgramFolder folder;
    folder.writeRecords(recordsFor(gb2312Characters(6)));
    writePictures(folder, gb2312Characters(6));
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    RecordingOpener opener;
    Form11 form(folder.path(), guard, opener);
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
    Form11 form(folder.path(), guard, opener);
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
