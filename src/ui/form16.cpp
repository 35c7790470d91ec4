#include "ui/form16.h"

#include "ui/assets.h"
#include "ui/fonts.h"
#include "ui/program_documents.h"
#include "zilvaro_version.h"

#include <QCoreApplication>
#include <QPalette>

namespace zilvaro {

Form16::Form16(UrlOpener& opener, QWidget* parent, const QString& programDir)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      opener_(opener),
      programDir_(programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir) {
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral(" 关于"));
    setWindowIcon(assets::icon());
    setFont(songFont(9));
    setFixedSize(twipsToPixels(5985), twipsToPixels(4185));

    // Created back to front, so that each control lies in front of those made before it.
    Line1[0] = new LineControl(this, twipsPoint(330, 3465), twipsPoint(5770, 3465),
                               QColor(0xFF, 0xFF, 0xFF), 2);
    Line1[0]->setObjectName(QStringLiteral("Line1_0"));
    Line1[1] = new LineControl(this, twipsPoint(330, 3450), twipsPoint(5785, 3450),
                               QColor(0x80, 0x80, 0x80), 1);
    Line1[1]->setObjectName(QStringLiteral("Line1_1"));

    // Zilvaro has no web site, mail address or contact number: the rows that named them
    // lead to what is installed with it instead.
    Label7 = addLink(documents::licences(), 2310, 2670);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label8 = addLabel(QStringLiteral("许可证书： "), 1320, 2655);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label4 = addLabel(QStringLiteral("五笔码表： rime-data-wubi（Debian）"), 1320, 2328);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label5 = addLink(documents::englishGuide(), 2310, 2002);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label3 = addLabel(QStringLiteral("英文说明： "), 1320, 2002);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label6 = addLink(documents::chineseGuide(), 2310, 1676);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label2 = addLabel(QStringLiteral("使用说明： "), 1320, 1676);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label1 = addLabel(QStringLiteral("软件名称： Zilvaro " ZILVARO_VERSION), 1320, 1350);
    Label1->setObjectName(QStringLiteral("Label1"));

    // The banner is wider than the dialog; its right edge is cut off.
    Image1 = new QLabel(this);
    Image1->setTextFormat(Qt::PlainText);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap::fromImage(assets::picture(assets::kBanner)));
    Image1->setGeometry(twipsRect(0, 0, 6105, 1065));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Command1 = new QPushButton(QStringLiteral("确   定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(2400, 3660, 1365, 345));
    Command1->setDefault(true);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form16::Command1_Click);
    connect(Label5, &LinkLabel::clicked, this, &Form16::Label5_Click);
    connect(Label6, &LinkLabel::clicked, this, &Form16::Label6_Click);
    connect(Label7, &LinkLabel::clicked, this, &Form16::Label7_Click);
}

void Form16::showModal(QWidget* parent, UrlOpener& opener, const QString& programDir) {
    // Made afresh every time: nothing of an earlier opening survives.
    Form16 dialog(opener, parent, programDir);
    dialog.setWindowModality(Qt::ApplicationModal);
    // A dialog with a parent is placed centred over the parent's window when shown.
    dialog.exec();
}

void Form16::Command1_Click() {
    accept();
}

void Form16::Label5_Click() {
    opener_.open(documents::target(programDir_, documents::englishGuide()));
}

void Form16::Label6_Click() {
    opener_.open(documents::target(programDir_, documents::chineseGuide()));
}

void Form16::Label7_Click() {
    opener_.open(documents::target(programDir_, documents::licences()));
}

QLabel* Form16::addLabel(const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, this);
    label->setTextFormat(Qt::PlainText);
    label->move(twipsPoint(left, top));
    sizeToText(*label);
    return label;
}

LinkLabel* Form16::addLink(const QString& caption, int left, int top) {
    auto* link = new LinkLabel(this);
    link->setText(caption);
    link->setTextFormat(Qt::PlainText);
    link->setFont(songFont(9, false, true));
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    link->setPalette(palette);
    link->setCursor(assets::handCursor());
    link->move(twipsPoint(left, top));
    sizeToText(*link);
    return link;
}

} // namespace zilvaro
