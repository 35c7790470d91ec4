#include "form11_fixture.h"

#include "core/gbk.h"
#include "lookup/picture_surface.h"
#include "lookup/seed_list.h"
#include "ui/assets.h"
#include "ui/caret_boxes.h"
#include "ui/picture_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <stdexcept>
#include <sys/inotify.h>
#include <unistd.h>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {

// A picture with four separate square areas, one per root, each closed by a black
// outline; seeds at their centres (in twips).
QImage fourAreas() {
    QImage image(108, 109, QImage::Format_Mono);
    image.setColor(0, qRgb(0, 0, 0));
    image.setColor(1, qRgb(255, 255, 255));
    image.fill(1);
    for (int area = 0; area < 4; ++area) {
        const int left = 4 + (area % 2) * 52, top = 4 + (area / 2) * 52;
        for (int i = 0; i <= 46; ++i) {
            image.setPixel(left + i, top, 0);
            image.setPixel(left + i, top + 46, 0);
            image.setPixel(left, top + i, 0);
            image.setPixel(left + 46, top + i, 0);
        }
    }
    return image;
}

QString seedAt(int area) {
    const int x = (4 + (area % 2) * 52 + 23) * TwipsPerPixel;
    const int y = (4 + (area / 2) * 52 + 23) * TwipsPerPixel;
    return formatSeedList({{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)}}).value();
}

bool isBlack(const PictureBox* box, int area) {
    const int x = 4 + (area % 2) * 52 + 23, y = 4 + (area / 2) * 52 + 23;
    return (box->surface().surface().pixel(x, y) & 0xFFFFFF) == 0;
}

bool isEmpty(const PictureBox* box) {
    const QImage& s = box->surface().surface();
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if ((s.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                return false;
            }
        }
    }
    return true;
}

bool showsIdentificationCode(const PictureBox* box, int index) {
    const QImage expected = assets::identificationCode(index).convertToFormat(QImage::Format_RGB32);
    const QImage& s = box->surface().surface();
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if ((s.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF)) {
                return false;
            }
        }
    }
    return true;
}

// The files of a folder opened while it is watched, by name, in the order of opening: the
// pictures the lookups read.
class Openings {
public:
    explicit Openings(const QString& folder) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        // Closes are watched too: the system merges an event into the one before it when
        // they are alike, and an open then close then open again are never alike.
        if (fd_ < 0 || ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(),
                                           IN_OPEN | IN_CLOSE_NOWRITE) < 0) {
            throw std::runtime_error("cannot watch " + folder.toStdString());
        }
    }
    Openings(const Openings&) = delete;
    Openings& operator=(const Openings&) = delete;
    ~Openings() { ::close(fd_); }

    // The names opened since the last call.
    QStringList take() {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if ((event->mask & IN_OPEN) && event->len > 0) {
                    names.append(QFile::decodeName(event->name));
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return names;
    }

private:
    int fd_;
};

class Presentation : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<CharacterRecord> records = {
            // first in the file, with sound codes as the start-up check asks
            {QStringLiteral("啊"), QStringLiteral("kbsk"), QStringLiteral("kb"),
             QStringLiteral("kbsk"), seedAt(0), seedAt(1), seedAt(2), seedAt(3)},
            // four roots, codes by rule 4: S, R
            {QStringLiteral("话"), QStringLiteral("ytdg"), QStringLiteral("yt"),
             QStringLiteral("ytdg"), seedAt(0), seedAt(1), seedAt(2), seedAt(3)},
            // three roots and an identification code y
            {QStringLiteral("字"), QStringLiteral("pbfy"), QStringLiteral("pb"),
             QStringLiteral("pbf"), seedAt(0), seedAt(1), seedAt(2), QStringLiteral("0")},
            // four roots, but no seed list for the fourth slot: step 6 leaves it alone
            {QStringLiteral("想"), QStringLiteral("shnu"), QStringLiteral("sh"),
             QStringLiteral("shnu"), seedAt(0), seedAt(1), seedAt(2), QString()},
            // two roots: the third slot shows the identification code u
            {QStringLiteral("只"), QStringLiteral("kwu"), QStringLiteral("kw"),
             QStringLiteral("kw"), seedAt(0), seedAt(1), QStringLiteral("0"), QString()},
            // an upper-case letter in a code: a damaged record
            {QStringLiteral("叭"), QStringLiteral("kWY"), QString(), QStringLiteral("kw"),
             seedAt(0), seedAt(1), QStringLiteral("0"), QString()},
            // full code R alone: S empty, R = F
            {QStringLiteral("王"), QStringLiteral("gggg"), QString(), QStringLiteral("gggg"),
             seedAt(0), seedAt(0), seedAt(0), seedAt(0)},
            // no rule holds: |R| = |S| < |F|
            {QStringLiteral("机"), QStringLiteral("smn"), QStringLiteral("sm"),
             QStringLiteral("sm"), seedAt(0), seedAt(1), QStringLiteral("0"), QString()},
            {QStringLiteral("倔"), QStringLiteral("wnbm"), QStringLiteral("wnb"),
             QStringLiteral("wnbm"), seedAt(0), seedAt(1), seedAt(2), seedAt(3)},
        };
        std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) {
            return characterKey(a.Character) < characterKey(b.Character);
        });
        QStringList characters;
        for (const auto& r : records) {
            characters.append(r.Character);
        }
        folder.writeRecords(records);
        writePictures(folder, characters, fourAreas());
        guard = std::make_unique<FailureGuard>(reporter);
        form = std::make_unique<Form11Probe>(folder.path(), *guard, opener);
        form->Form_Load();
    }
    void lookUp(const QString& character) {
        guard->run([&] { form->Text23.set(character); });
    }
    PictureBox* slot(int k) { return form->Picture1[k]; }

    ProgramFolder folder;
    RecordingReporter reporter;
    std::unique_ptr<FailureGuard> guard;
    RecordingOpener opener;
    std::unique_ptr<Form11Probe> form;
};

} // namespace

TEST_F(Presentation, FourRootsEachBlackInItsOwnSlot) {
    lookUp(QStringLiteral("话"));
    for (int k = 0; k < 4; ++k) {
        for (int area = 0; area < 4; ++area) {
            EXPECT_EQ(isBlack(slot(k), area), area == k) << "slot " << k << " area " << area;
        }
    }
    // The code line lists the codes that type 话, not the record's short code yt.
    EXPECT_EQ(form->Label5->text(), QStringLiteral("ytd  ytdg"));
    EXPECT_EQ(form->Label10->text(), QStringLiteral("ytd  ytdg"));
    EXPECT_EQ(form->Label10->toolTip(), QStringLiteral("ytd：三级简码\nytdg：全码"));
    EXPECT_EQ(form->Label8.text(), QStringLiteral("ytdg"));
    EXPECT_EQ(form->Label7.text(), QStringLiteral("yt  "));
    EXPECT_EQ(form->Label4.text(), QStringLiteral("话"));
    EXPECT_EQ(form->Text23.text(), QString());
    EXPECT_TRUE(form->Picture2->isHidden());
}

TEST_F(Presentation, AFourthSlotMarkedZeroShowsTheIdentificationCodeAndEndsTheLookup) {
    lookUp(QStringLiteral("话"));
    lookUp(QStringLiteral("字"));
    EXPECT_TRUE(isBlack(slot(2), 2));
    EXPECT_FALSE(isBlack(slot(2), 1));
    // R has three letters: slot 3 was emptied, then the identification code y
    // (index 9) was put in it.
    EXPECT_TRUE(showsIdentificationCode(slot(3), 9));
    EXPECT_EQ(form->Label5->text(), QStringLiteral("pb  pbf"));
    EXPECT_EQ(form->Text23.text(), QStringLiteral("字")); // the lookup ended early
}

TEST_F(Presentation, TypingACharacterWhoseLookupEndsEarlyLooksItUpTwice) {
    // The input box looks its character up through the query box, then once more by a
    // direct call: that call finds the query box empty after a lookup that ran to its
    // end, and the character still in it after one that ended at an identification code.
    Openings openings(folder.path() + QStringLiteral("/bmp"));
    auto type = [&](const QString& character) {
        guard->run([&] {
            form->Text5->clear();
            form->Text5->insert(character);
        });
        return openings.take();
    };
    EXPECT_EQ(type(QStringLiteral("话")), QStringList{QStringLiteral("话.bmp")});
    EXPECT_EQ(form->Text23.text(), QString());
    // Slot 3 shows the identification code: search, picture, fills, all twice.
    EXPECT_EQ(type(QStringLiteral("字")), QStringList(2, QStringLiteral("字.bmp")));
    EXPECT_EQ(form->Text23.text(), QStringLiteral("字"));
    EXPECT_TRUE(showsIdentificationCode(slot(3), 9));
    // Slot 2 likewise; and the query box still holding 只 takes nothing from a new write.
    EXPECT_EQ(type(QStringLiteral("只")), QStringList(2, QStringLiteral("只.bmp")));
    EXPECT_EQ(type(QStringLiteral("只")), QStringList{QStringLiteral("只.bmp")});
    EXPECT_EQ(type(QStringLiteral("想")), QStringList{QStringLiteral("想.bmp")});
    EXPECT_EQ(form->Text23.text(), QString());
}

TEST_F(Presentation, TwoRootsEmptyTheLastSlotsBeforeTheIdentificationCode) {
    lookUp(QStringLiteral("话"));
    lookUp(QStringLiteral("只"));
    EXPECT_TRUE(showsIdentificationCode(slot(2), 10)); // u
    EXPECT_TRUE(isEmpty(slot(3)));
    EXPECT_TRUE(isBlack(slot(0), 0));
    EXPECT_TRUE(isBlack(slot(1), 1));
    EXPECT_EQ(form->Label5->text(), QStringLiteral("kw  kwu"));
}

TEST_F(Presentation, ARecordWithAnUpperCaseLetterInItsCodeIsRefusedByName) {
    // Codes are lower-case letters: such a record is no data to show but a damaged file.
    lookUp(QStringLiteral("话"));
    lookUp(QStringLiteral("叭"));
    ASSERT_EQ(reporter.messages.size(), 1);
    EXPECT_TRUE(reporter.messages[0].contains(QStringLiteral("wwbb11.dat")));
    EXPECT_TRUE(reporter.messages[0].contains(
        QStringLiteral("has a full code field that is not lower-case letters and blanks")));
}

TEST_F(Presentation, TheCodeLineShowsOnlyCodesThatTypeTheCharacter) {
    // Whatever the record's codes, the line is the code table's: 王's root code gggg
    // alone was its full code only.
    lookUp(QStringLiteral("王"));
    EXPECT_EQ(form->Label5->text(), QStringLiteral("ggg  gggg"));
    lookUp(QStringLiteral("机"));
    EXPECT_EQ(form->Label5->text(), QStringLiteral("sm  smn"));
    EXPECT_EQ(form->Label10->text(), form->Label5->text());
    EXPECT_EQ(form->Label10->toolTip(), QStringLiteral("sm：二级简码\nsmn：全码"));
}

TEST_F(Presentation, JueShowsItsFourthSlotWithoutARootFilled) {
    lookUp(QStringLiteral("倔"));
    EXPECT_FALSE(isEmpty(slot(3)));
    for (int area = 0; area < 4; ++area) {
        EXPECT_FALSE(isBlack(slot(3), area));
    }
    EXPECT_TRUE(isBlack(slot(2), 2));
    // The record's fourth seed list is left as read: the rule is the window's, not the file's.
    EXPECT_TRUE(form->Text20.text().startsWith(seedAt(3)));
    EXPECT_EQ(form->CurrentRecord.FillPoints4, form->Text20.text());
}

TEST_F(Presentation, AMissEmptiesEverythingAndAHitHidesTheNoticeAgain) {
    lookUp(QStringLiteral("话"));
    lookUp(QStringLiteral("中"));
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(isEmpty(slot(k)));
    }
    EXPECT_FALSE(form->Picture2->isHidden());
    EXPECT_EQ(form->Label5->text(), QString());
    EXPECT_EQ(form->Label10->text(), QString());
    EXPECT_EQ(form->Label10->toolTip(), QString());
    EXPECT_EQ(form->Label4.text(), QString());
    EXPECT_EQ(form->Text11.text(), QStringLiteral("话 "));

    lookUp(QStringLiteral("只"));
    EXPECT_TRUE(form->Picture2->isHidden());
}

TEST_F(Presentation, ASlotTheHitDoesNotSetKeepsWhatItShowed) {
    lookUp(QStringLiteral("话"));
    lookUp(QStringLiteral("想"));
    EXPECT_TRUE(isBlack(slot(3), 3)); // still 话's fourth root
    EXPECT_TRUE(isBlack(slot(2), 2));
    EXPECT_FALSE(isBlack(slot(2), 3));
}

TEST_F(Presentation, AMissingPictureIsAFailureNamingItsPath) {
    QFile::remove(folder.path() + QStringLiteral("/bmp/话.bmp"));
    lookUp(QStringLiteral("话"));
    ASSERT_EQ(reporter.messages.size(), 1);
    EXPECT_TRUE(reporter.messages[0].contains(QStringLiteral("bmp/话.bmp")));
}

TEST_F(Presentation, EachSlotSaysWhichRootItShowsByItsKeyAndTooltip) {
    folder.writeRoots({{QStringLiteral("字"),
                        QStringLiteral("compound"),
                        393,
                        u'y',
                        {{u'p', QStringLiteral("宀")},
                         {u'b', QStringLiteral("子")},
                         {u'f', QStringLiteral("二")}}}});
    form = std::make_unique<Form11Probe>(folder.path(), *guard, opener);
    form->Form_Load();
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(slot(k)->cornerLetter().isNull()) << "slot " << k << " before any lookup";
    }

    lookUp(QStringLiteral("字"));
    const QString tips[] = {QStringLiteral("宀 · P"), QStringLiteral("子 · B"),
                            QStringLiteral("二 · F"), QStringLiteral("识别码 Y：左右型，末笔为捺")};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(slot(k)->toolTip(), tips[k]) << "slot " << k;
        EXPECT_EQ(slot(k)->accessibleName(), tips[k]) << "slot " << k;
        EXPECT_EQ(slot(k)->cornerLetter(), QStringLiteral("PBFY")[k]) << "slot " << k;
    }

    // A character the roots file lacks: the keys alone; an emptied slot says nothing.
    lookUp(QStringLiteral("只"));
    EXPECT_EQ(slot(0)->toolTip(), QStringLiteral("K"));
    EXPECT_EQ(slot(2)->toolTip(), QStringLiteral("识别码 U：上下型，末笔为捺"));
    EXPECT_TRUE(slot(3)->cornerLetter().isNull());
    EXPECT_EQ(slot(3)->toolTip(), QString());

    // A miss takes every caption away with the pictures.
    lookUp(QStringLiteral("中"));
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(slot(k)->cornerLetter().isNull()) << "slot " << k;
        EXPECT_EQ(slot(k)->toolTip(), QString()) << "slot " << k;
    }
}

TEST_F(Presentation, AMissingOrDamagedRootsFileIsAFailureNamingIt) {
    QFile::remove(folder.rootFilePath());
    form = std::make_unique<Form11Probe>(folder.path(), *guard, opener);
    EXPECT_FALSE(guard->run([&] { form->Form_Load(); }));
    ASSERT_EQ(reporter.messages.size(), 1);
    EXPECT_TRUE(reporter.messages[0].contains(QStringLiteral("roots.tsv")));

    QFile damaged(folder.rootFilePath());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a roots file\n");
    damaged.close();
    RecordingReporter second;
    FailureGuard secondGuard(second);
    form = std::make_unique<Form11Probe>(folder.path(), secondGuard, opener);
    EXPECT_FALSE(secondGuard.run([&] { form->Form_Load(); }));
    ASSERT_EQ(second.messages.size(), 1);
    EXPECT_TRUE(second.messages[0].contains(QStringLiteral("roots.tsv")));
    form.reset(); // before the guard it runs through
}

TEST(PictureBoxLetter, TheKeyLetterTakesACornerWhereItCoversNoStroke) {
    const QSize size(PictureSurface::SlotWidth, PictureSurface::SlotHeight);
    QImage surface(size, QImage::Format_RGB32);
    surface.fill(Qt::white);
    bool free = false;
    const QRect bottomRight = PictureBox::letterSquare(surface, size, &free);
    EXPECT_TRUE(free);
    EXPECT_EQ(bottomRight.bottomRight(), QPoint(size.width() - 2, size.height() - 2));

    // Ink in the bottom-right corner sends the letter to the top-right one; at scale 2
    // the same logical square is looked at.
    surface.setPixel(size.width() - 5, size.height() - 5, qRgb(0, 0, 0));
    EXPECT_EQ(PictureBox::letterSquare(surface, size, &free).topLeft(),
              QPoint(bottomRight.left(), 1));
    EXPECT_TRUE(free);
    QImage sharp = surface.scaled(size * 2);
    EXPECT_EQ(PictureBox::letterSquare(sharp, size, &free).topLeft(),
              QPoint(bottomRight.left(), 1));

    // Ink in every corner: the corner with the least, not free.
    surface.fill(Qt::black);
    surface.setPixel(3, 3, qRgb(255, 255, 255));
    EXPECT_EQ(PictureBox::letterSquare(surface, size, &free).topLeft(), QPoint(1, 1));
    EXPECT_FALSE(free);
}

namespace {

// Right-clicks the widget and returns the entries of the menu it opens, choosing the
// first; empty when no menu opens.
QStringList rightClickAndChooseFirst(QWidget* widget) {
    QStringList entries;
    QTimer::singleShot(0, [&] {
        QMenu* menu = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* m = qobject_cast<QMenu*>(top); m && m->isVisible()) {
                menu = m;
            }
        }
        if (!menu) {
            return;
        }
        for (QAction* action : menu->actions()) {
            entries.append(action->text() + (action->isEnabled() ? "" : " (disabled)"));
        }
        QAction* first = menu->actions().value(0);
        if (first && first->isEnabled()) {
            first->trigger();
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &event);
    return entries;
}

} // namespace

TEST_F(Presentation, TheCodeLinePinyinLineAndSlotsCopyTheCharactersLine) {
    lookUp(QStringLiteral("字"));
    form->Label20.set(QStringLiteral("1"));
    form->Text2bh.set(QStringLiteral("字"));
    QWidget* owners[] = {form->Label10, form->Label24, slot(0), slot(3)};
    for (QWidget* owner : owners) {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        EXPECT_EQ(rightClickAndChooseFirst(owner), QStringList{QStringLiteral("复制")});
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("字 pb pbf zì"));
    }
    // Without a character looked up the entry is there but can do nothing.
    lookUp(QStringLiteral("中"));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    EXPECT_EQ(rightClickAndChooseFirst(slot(0)), QStringList{QStringLiteral("复制 (disabled)")});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

TEST_F(Presentation, CtrlCCopiesTheLineUnlessATextBoxHasTextSelected) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    QLineEdit* input = form->Text5;
    input->setFocus();
    input->setText(QStringLiteral("机字"));
    lookUp(QStringLiteral("机"));
    input->deselect();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("机 sm smn jī"));
    // With text selected, the box copies its selection.
    input->setSelection(1, 1);
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("字"));
    // In the result strip likewise, with the focus there and nothing selected.
    form->Text6->setPlainText(QStringLiteral("机 "));
    form->Text6->setFocus();
    QTest::keyClick(form->Text6, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("机 sm smn jī"));
    // After a miss there is nothing to copy.
    lookUp(QStringLiteral("中"));
    input->setFocus();
    input->deselect();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}
