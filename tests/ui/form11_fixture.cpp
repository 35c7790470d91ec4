#include "form11_fixture.h"

#include "core/gbk.h"
#include "data/root_file.h"

#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include "ui/caret_boxes.h"

namespace zilvaro::test {

QString Form11Test::folder_;

void typeText(QWidget* widget, const QString& text) {
    for (const QString& character : characters(text)) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &release);
    }
}

QImage plainPicture() {
    QImage image(108, 109, QImage::Format_Mono);
    image.setColor(0, qRgb(0, 0, 0));
    image.setColor(1, qRgb(255, 255, 255));
    image.fill(1);
    for (int i = 10; i < 98; ++i) {
        image.setPixel(i, 10, 0);
        image.setPixel(i, 97, 0);
        image.setPixel(10, i, 0);
        image.setPixel(97, i, 0);
    }
    return image;
}

void writePictures(const ProgramFolder& folder, const QStringList& characters,
                   const QImage& picture) {
    QDir(folder.path()).mkpath(QStringLiteral("bmp"));
    for (const QString& c : characters) {
        const QString path = folder.path() + QStringLiteral("/bmp/") + c + QStringLiteral(".bmp");
        if (!picture.save(path, "BMP")) {
            throw std::runtime_error("cannot write a test picture");
        }
    }
}

void Form11Test::SetUpTestSuite() {
    // Made once for all test programs of the build (every test runs in a process of its
    // own): written into a temporary folder, then renamed into place. Its name carries a
    // fingerprint of the file formats it holds, so a build folder that kept a folder of
    // older formats makes a new one.
    const QByteArray formats =
        formatRootFile({}) + encodeRecord(recordsFor({QStringLiteral("啊")}).front());
    folder_ = QStringLiteral(ZILVARO_TEST_DATA_DIR "/all-characters-") +
              QString::fromLatin1(
                  QCryptographicHash::hash(formats, QCryptographicHash::Sha1).toHex().left(12));
    if (QFileInfo::exists(folder_)) {
        return;
    }
    ProgramFolder fresh;
    fresh.setAutoRemove(false);
    const QStringList all = gb2312Characters();
    fresh.writeRecords(recordsFor(all));
    writePictures(fresh, all);
    QDir().mkpath(QStringLiteral(ZILVARO_TEST_DATA_DIR));
    if (!QDir().rename(fresh.path(), folder_)) {
        QDir(fresh.path()).removeRecursively(); // another test program was faster
    }
}

void Form11Test::SetUp() {
    guard = std::make_unique<FailureGuard>(reporter);
    form = std::make_unique<Form11Probe>(folder_, *guard, opener);
    form->activateWindow();
    ASSERT_TRUE(guard->run([this] { form->Form_Load(); }));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void Form11Test::TearDown() {
    EXPECT_TRUE(reporter.messages.isEmpty()) << reporter.messages.join('\n').toStdString();
    form.reset();
}

void Form11Test::typeIntoInputBox(const QString& text) {
    form->Text5->setFocus();
    form->Text5->insert(text);
}

void Form11Test::typeIntoPicker(int picker, const QString& text) {
    QLineEdit* edit = form->strokePickers[picker - 1]->lineEdit();
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        typeText(edit, text);
    }
}

void Form11Test::chooseInPicker(int picker, int row) {
    QComboBox* combo = form->strokePickers[picker - 1];
    combo->setFocus(); // as a click on the picker's arrow gives it
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

QString Form11Test::stripCharacters() const {
    QString strip = form->text6();
    return strip.remove(u' ');
}

} // namespace zilvaro::test
