#include "glyph_images.h"
#include "ui/fonts.h"
#include "ui/form16.h"
#include "zilvaro_version.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace zilvaro::test {

// The About dialog with what the tests drive and check made reachable: its controls and
// handlers, under the names the dialog gives them.
class Form16Probe : public Form16 {
public:
    using Form16::Form16;

    using Form16::Command1, Form16::Image1, Form16::Label1, Form16::Label2, Form16::Label3,
        Form16::Label4, Form16::Label5, Form16::Label6, Form16::Label7, Form16::Label8,
        Form16::Line1;
    using Form16::Label6_Click;
};

} // namespace zilvaro::test

using namespace zilvaro;
using namespace zilvaro::test;

namespace {
// Whether code outside the dialog reaches a member by its name.
template <class Dialog>
concept reachesCommand1 = requires(Dialog& d) {
    d.Command1;
};
template <class Dialog>
concept reachesLabel6Click = requires(Dialog& d) {
    d.Label6_Click();
};
} // namespace

// Like the main window's, the dialog's controls and handlers are private: only the probe
// reaches them.
static_assert(!reachesCommand1<Form16> && !reachesLabel6Click<Form16>);
static_assert(reachesCommand1<Form16Probe> && reachesLabel6Click<Form16Probe>);

namespace {

// A control of the dialog showModal made, which no test holds a probe of, found by its
// control name: every control carries it as its object name.
template <class Control> Control* control(Form16& dialog, const char* name) {
    auto* found = dialog.findChild<Control*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class RecordingOpener : public UrlOpener {
public:
    void open(const QString& target) override { targets.append(target); }
    QStringList targets;
};

// Runs inspect while showModal's event loop runs, then closes the dialog if inspect left
// it open. Returns whether inspect ran.
bool whileOpen(QWidget* parent, UrlOpener& opener, const std::function<void(Form16&)>& inspect) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Form16*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal About dialog while showModal runs";
            return;
        }
        ran = true;
        inspect(*dialog);
        if (QApplication::activeModalWidget() == dialog) {
            dialog->close();
        }
    });
    Form16::showModal(parent, opener);
    return ran;
}

void expectSizedToText(const QLabel& label) {
    const QFontMetrics metrics(label.font());
    EXPECT_EQ(label.width(), metrics.horizontalAdvance(label.text()))
        << label.objectName().toStdString();
    EXPECT_GE(label.height(), metrics.height()) << label.objectName().toStdString();
    EXPECT_LE(label.height(), metrics.height() + 2) << label.objectName().toStdString();
}

} // namespace

TEST(Form16, ShowsEveryControlWithItsCaptionAndPlace) {
    RecordingOpener opener;
    Form16Probe dialog(opener);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" 关于"));
    EXPECT_EQ(dialog.size(), QSize(399, 279));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog.windowIcon().isNull());

    EXPECT_EQ(dialog.Command1->text(), QStringLiteral("确   定"));
    EXPECT_EQ(dialog.Command1->geometry(), QRect(160, 244, 91, 23));

    // The banner keeps its own size and runs past the right edge of the dialog.
    EXPECT_EQ(dialog.Image1->pixmap().size(), QSize(407, 71));
    EXPECT_EQ(dialog.Image1->geometry(), QRect(0, 0, 407, 71));

    struct Expected {
        QLabel* label;
        QString caption;
        QPoint place;
    };
    const Expected labels[] = {
        {dialog.Label1, QStringLiteral("软件名称： Zilvaro " ZILVARO_VERSION), {88, 90}},
        {dialog.Label2, QStringLiteral("使用说明： "), {88, 112}},
        {dialog.Label6, QStringLiteral("README.zh-CN.md"), {154, 112}},
        {dialog.Label3, QStringLiteral("英文说明： "), {88, 133}},
        {dialog.Label5, QStringLiteral("README.md"), {154, 133}},
        {dialog.Label4, QStringLiteral("五笔码表： rime-data-wubi（Debian）"), {88, 155}},
        {dialog.Label8, QStringLiteral("许可证书： "), {88, 177}},
        {dialog.Label7, QStringLiteral("LICENCES.txt"), {154, 178}},
    };
    for (const Expected& e : labels) {
        SCOPED_TRACE(e.caption.toStdString());
        EXPECT_EQ(e.label->text(), e.caption);
        EXPECT_EQ(e.label->pos(), e.place);
        expectSizedToText(*e.label);
    }

    // The etched rule above the button: a grey line over a white one two pixels wide.
    EXPECT_EQ(dialog.Line1[1]->geometry(), QRect(QPoint(22, 230), QPoint(386, 230)));
    EXPECT_EQ(dialog.Line1[1]->colour(), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(dialog.Line1[0]->geometry(), QRect(QPoint(22, 231), QPoint(385, 232)));
    EXPECT_EQ(dialog.Line1[0]->colour(), QColor(Qt::white));
}

TEST(Form16, FontsAndLookOfTheLinks) {
    RecordingOpener opener;
    Form16Probe dialog(opener);
    EXPECT_EQ(dialog.font().families(), songFamilies());
    EXPECT_DOUBLE_EQ(dialog.font().pointSizeF(), 9.0);
    EXPECT_FALSE(dialog.Label1->font().underline());
    for (LinkLabel* link : {dialog.Label5, dialog.Label6, dialog.Label7}) {
        SCOPED_TRACE(link->objectName().toStdString());
        EXPECT_TRUE(link->font().underline());
        EXPECT_DOUBLE_EQ(link->font().pointSizeF(), 9.0);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xFF));
        EXPECT_FALSE(link->autoFillBackground());
        EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(link->cursor().hotSpot(), QPoint(5, 0));
    }
    EXPECT_NE(dialog.Label4->cursor().shape(), Qt::BitmapCursor); // the code table is no link
}

TEST(Form16, EveryFontOfTheDialogDrawsLOneAndCapitalIApart) {
    RecordingOpener opener;
    Form16 dialog(opener);
    const QList<QFont> fonts = fontsShownBy(&dialog);
    EXPECT_GE(fonts.size(), 2); // the text and the underlined links
    for (const QFont& font : fonts) {
        QString why;
        EXPECT_TRUE(tellsLOneAndCapitalIApart(font, &why)) << why.toStdString();
    }
}

TEST(Form16, ControlsLieFrontToBackInTheListedOrder) {
    RecordingOpener opener;
    Form16Probe dialog(opener);
    // Later children are drawn over earlier ones.
    QList<QWidget*> order;
    for (QObject* child : dialog.children()) {
        if (auto* widget = qobject_cast<QWidget*>(child)) {
            order.prepend(widget);
        }
    }
    const QList<QWidget*> expected = {dialog.Command1, dialog.Image1,   dialog.Label1,
                                      dialog.Label2,   dialog.Label6,   dialog.Label3,
                                      dialog.Label5,   dialog.Label4,   dialog.Label8,
                                      dialog.Label7,   dialog.Line1[1], dialog.Line1[0]};
    EXPECT_EQ(order, expected);
    // Each carries its control name, by which a dialog without a probe is searched.
    const QStringList names = {
        QStringLiteral("Command1"), QStringLiteral("Image1"),  QStringLiteral("Label1"),
        QStringLiteral("Label2"),   QStringLiteral("Label6"),  QStringLiteral("Label3"),
        QStringLiteral("Label5"),   QStringLiteral("Label4"),  QStringLiteral("Label8"),
        QStringLiteral("Label7"),   QStringLiteral("Line1_1"), QStringLiteral("Line1_0")};
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i]->objectName(), names[i]);
    }
}

TEST(Form16, LinksOpenTheDocumentsInstalledWithTheProgramAndLeaveTheDialogOpen) {
    RecordingOpener opener;
    QWidget parent;
    parent.resize(614, 339);
    parent.show();
    // The build folder holds the program and the documents, as the installed folder does.
    const QString folder = QStringLiteral(ZILVARO_PROGRAM_DIR);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Form16*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ran = true;
        auto* chinese = control<LinkLabel>(*dialog, "Label6");
        auto* licences = control<LinkLabel>(*dialog, "Label7");
        QTest::mouseClick(chinese, Qt::LeftButton);
        QTest::mouseClick(control<LinkLabel>(*dialog, "Label5"), Qt::LeftButton);
        QTest::mouseClick(licences, Qt::LeftButton);
        QTest::mouseClick(licences, Qt::LeftButton);                           // again: opens again
        QTest::mouseClick(control<QLabel>(*dialog, "Label4"), Qt::LeftButton); // not a link
        QTest::mouseClick(chinese, Qt::RightButton);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        QTest::mouseClick(control<QPushButton>(*dialog, "Command1"), Qt::LeftButton);
    });
    Form16::showModal(&parent, opener, folder);
    EXPECT_TRUE(ran);
    ASSERT_EQ(opener.targets.size(), 4);
    const QStringList documents = {QStringLiteral("README.zh-CN.md"), QStringLiteral("README.md"),
                                   QStringLiteral("LICENCES.txt"), QStringLiteral("LICENCES.txt")};
    for (int i = 0; i < 4; ++i) {
        const QUrl target(opener.targets[i]);
        EXPECT_TRUE(target.isLocalFile()) << opener.targets[i].toStdString();
        EXPECT_EQ(target.toLocalFile(), folder + u'/' + documents[i]);
        // Each leads to a document that is there, and not empty.
        EXPECT_GT(QFileInfo(target.toLocalFile()).size(), 1000) << opener.targets[i].toStdString();
    }
    // Without a folder given, the running program's own.
    Form16Probe dialog(opener);
    dialog.Label6_Click();
    EXPECT_EQ(QUrl(opener.targets.last()).toLocalFile(),
              QCoreApplication::applicationDirPath() + QStringLiteral("/README.zh-CN.md"));
}

TEST(Form16, PressingOnALinkAndReleasingElsewhereOpensNothing) {
    RecordingOpener opener;
    Form16Probe dialog(opener);
    dialog.show();
    QTest::mousePress(dialog.Label6, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(dialog.Label6, Qt::LeftButton, {}, QPoint(2, 40));
    EXPECT_TRUE(opener.targets.isEmpty());
}

TEST(Form16, IsModalCentredOverItsParentWithTheFocusOnTheButton) {
    RecordingOpener opener;
    QWidget parent;
    parent.setGeometry(100, 80, 614, 339);
    auto* edit = new QLineEdit(&parent);
    parent.show();
    edit->setFocus();
    const bool ran = whileOpen(&parent, opener, [&](Form16& dialog) {
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.parentWidget(), &parent);
        const QPoint offset =
            dialog.frameGeometry().center() - parent.window()->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2);
        auto* button = control<QPushButton>(dialog, "Command1");
        EXPECT_EQ(dialog.focusWidget(), button);
        EXPECT_TRUE(button->isDefault());
    });
    EXPECT_TRUE(ran);
    // showModal returned: the dialog is gone.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(parent.findChildren<Form16*>().isEmpty());
}

TEST(Form16, TheParentWindowTakesNoInputWhileTheDialogIsOpen) {
    RecordingOpener opener;
    QWidget parent;
    parent.setGeometry(100, 80, 614, 339);
    auto* button = new QPushButton(QStringLiteral("关于"), &parent);
    button->setGeometry(12, 6, 45, 21);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    // Clicks go through the window system, as a user's would.
    const QPoint inButton = button->geometry().center();
    QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, inButton);
    ASSERT_EQ(clicks, 1);
    EXPECT_TRUE(whileOpen(&parent, opener, [&](Form16&) {
        QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, inButton);
        QTest::keyClick(parent.windowHandle(), Qt::Key_Space);
    }));
    EXPECT_EQ(clicks, 1);
}

TEST(Form16, EveryOpeningShowsAFreshDialog) {
    RecordingOpener opener;
    QWidget parent;
    parent.show();
    QPointer<Form16> first;
    EXPECT_TRUE(whileOpen(&parent, opener, [&](Form16& dialog) {
        first = &dialog;
        control<QLabel>(dialog, "Label1")->setText(QStringLiteral("changed"));
        control<QPushButton>(dialog, "Command1")->move(0, 0);
        dialog.close(); // the title bar's close box
    }));
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(whileOpen(&parent, opener, [&](Form16& dialog) {
        EXPECT_EQ(control<QLabel>(dialog, "Label1")->text(),
                  QStringLiteral("软件名称： Zilvaro " ZILVARO_VERSION));
        auto* button = control<QPushButton>(dialog, "Command1");
        EXPECT_EQ(button->pos(), QPoint(160, 244));
        EXPECT_EQ(dialog.focusWidget(), button);
    }));
}

TEST(Form16, TheButtonClosesTheDialog) {
    RecordingOpener opener;
    QWidget parent;
    parent.show();
    bool stillOpen = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Form16*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(control<QPushButton>(*dialog, "Command1"), Qt::LeftButton);
        stillOpen = dialog->isVisible();
    });
    // Guard against a button that does not close: end the loop anyway, later.
    QTimer::singleShot(2000, [] {
        if (auto* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    Form16::showModal(&parent, opener);
    EXPECT_FALSE(stillOpen);
    EXPECT_TRUE(opener.targets.isEmpty());
}

TEST(Form16, EveryLabelShowsItsTextAsItStands) {
    RecordingOpener opener;
    Form16 dialog(opener);
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 9);
    for (QLabel* label : labels) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
}
