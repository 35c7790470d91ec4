// The main window: its controls, start-up and shut-down.
#include "ui/form11.h"

#include "core/blank_text.h"
#include "data/reference_tables.h"
#include "data/single_strokes.h"
#include "data/syllables.h"
#include "finders/syllable_query.h"
#include "lookup/decomposition_picture.h"
#include "ui/assets.h"
#include "ui/caret_boxes.h"
#include "ui/field_limits.h"
#include "ui/fonts.h"
#include "ui/form_controls.h"
#include "ui/picture_box.h"
#include "ui/program_documents.h"
#include "ui/simple_combo.h"
#include "zilvaro_version.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

namespace zilvaro {

namespace {

const QColor Blue(0x00, 0x00, 0xFF);
const QColor White(0xFF, 0xFF, 0xFF);

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
}

// A label sized to its caption in its font. Its caption is plain text, never markup:
// the pinyin line shows what the user typed.
QLabel* textLabel(QWidget* parent, const QString& caption, const QFont& font, int left, int top) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setFont(font);
    label->setMargin(0);
    label->setIndent(0);
    label->move(twipsPoint(left, top));
    sizeToText(*label);
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setWhiteBackground(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, White);
    palette.setColor(QPalette::Base, White);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

LineControl* line(QWidget* parent, QPoint from, QPoint to, const QColor& colour) {
    return new LineControl(parent, twipsPoint(from.x(), from.y()), twipsPoint(to.x(), to.y()),
                           colour);
}

// Stacks the controls of one container front to back, in the order given.
void stackFrontToBack(std::initializer_list<QWidget*> frontToBack) {
    std::vector<QWidget*> order(frontToBack);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        (*it)->raise();
    }
}

QComboBox* strokePicker(QWidget* parent, int left, const QString& tip) {
    auto* combo = new QComboBox(parent);
    // The font first, so the edit field is made and laid out once, in its own font.
    combo->setFont(songFont(9));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setToolTip(tip);
    place(combo, left, 660, 855, 300);
    combo->setEditText(QStringLiteral(" "));
    // The picker's Click is choosing an item from its list. The edit field's end (the
    // focus leaving it, Return) would report its text as a choice where an item bears
    // it, and the blank is one: Tab through the pickers would search and move the focus.
    QObject::disconnect(combo->lineEdit(), SIGNAL(editingFinished()), combo, nullptr);
    // A stroke's worth: a longer paste is cut at once.
    combo->lineEdit()->setMaxLength(StrokeFieldLength);
    return combo;
}

} // namespace

Form11::Form11(const QString& programDir, FailureGuard& guard, UrlOpener& opener, QWidget* parent)
    : QWidget(parent), programDir_(programDir), guard_(guard), opener_(opener) {
    for (int i = 0; i < 5; ++i) {
        Text1bh[i] = pinyinSegment(i + 1);
        Text1bhw[i] = strokeSegment(i + 1);
    }
    buildRoster();
    connectHandlers();
    setUpCopying();
}

Form11::~Form11() {
    // The controls go after this body, and going can make them emit: a stroke picker
    // with the focus reports an activation when its edit field loses it. No handler may
    // run on a window that is no longer whole.
    closing_ = true;
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

void Form11::buildRoster() {
    setWindowTitle(QStringLiteral(" Zilvaro " ZILVARO_VERSION));
    setWindowIcon(assets::icon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(9210), twipsToPixels(5085));
    setFont(songFont(12));
    // The window's pictures at the scale of its screen (sharp where its device pixel
    // ratio is above 1), drawn at the window's logical size.
    const int scale = pictureScaleFor(devicePixelRatioF());
    background_ = assets::picture(assets::kBackground, scale);

    // Outside the client area; the user cannot see it, so it takes no focus.
    Text88 = new QLineEdit(QStringLiteral("焦点用和窗体大小用"), this);
    Text88->setFocusPolicy(Qt::NoFocus);
    place(Text88, 0, -1000, 1215, 285);

    Command2 = new QPushButton(QStringLiteral("关于"), this);
    Command2->setFont(songFont(9));
    place(Command2, 180, 95, 675, 315);

    Combo5 = strokePicker(this, 7470, QStringLiteral("最后一笔画"));
    Combo4 = strokePicker(this, 6555, QStringLiteral("第四笔画"));
    Combo3 = strokePicker(this, 5640, QStringLiteral("第三笔画"));
    Combo2 = strokePicker(this, 4725, QStringLiteral("第二笔画"));
    Combo1 = strokePicker(this, 3810, QStringLiteral("第一笔画"));

    Command8 = new QPushButton(QStringLiteral("?"), this);
    Command8->setFont(songFont(9));
    Command8->setToolTip(QStringLiteral("帮助"));
    place(Command8, 8520, 650, 435, 300);

    Combo6 = new SimpleCombo(this);
    Combo6->setFont(songFont(9));
    place(Combo6, 300, 690, 1455, 4140);
    // The prompt is no text of the field: it goes with the first key.
    Combo6->setPlaceholderText(QStringLiteral("输入拼音"));
    // The list follows a typed syllable in the spelling its rows have (ZH and lv find
    // zha and lu).
    Combo6->setMatchKey(
        [](const QString& typed) { return trimBlanks(foldedSyllable(typed)).toString(); });
    // A syllable's worth: every search of a typed text then stays as small as a syllable's,
    // whatever is pasted.
    Combo6->editField()->setMaxLength(syllableFieldLength());

    Text5 = new CaretLineEdit(this);
    Text5->setFont(songFont(9));
    Text5->setMaxLength(InputFieldLength);
    place(Text5, 1020, 112, 2985, 300);

    Text6 = new CaretTextEdit(this);
    // The window font, without the Latin face: the strip holds only Chinese characters
    // and blanks, and keeps the Song font's half-width blank and line height.
    Text6->setFont(chineseOnlySongFont(12));
    setWhiteBackground(Text6);
    place(Text6, 2190, 990, 6735, 1545);

    Picture2 = new QLabel(this);
    Picture2->setTextFormat(Qt::PlainText);
    setWhiteBackground(Picture2);
    Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture2->setPixmap(QPixmap::fromImage(assets::picture(assets::kNoEntry, scale)));
    place(Picture2, 2700, 3000, 5790, 1080);
    // What the notice covers and where to read more: the guide installed with the
    // program (there is no author to write to).
    Label27 =
        textLabel(Picture2, QStringLiteral("本程序只收录 GB2312 的 6763 个汉字，详见使用说明："),
                  songFont(9), 420, 570);
    auto* link = new LinkLabel(Picture2);
    link->setText(documents::chineseGuide());
    link->setFont(songFont(9, false, true));
    link->move(twipsPoint(1860, 810));
    sizeToText(*link);
    setTextColour(link, Blue);
    connect(link, &LinkLabel::clicked, this, [this] { entry([this] { Label28_Click(); }); });
    Label28 = link;
    Picture2->hide();

    const int slotLeft[] = {2220, 3885, 5565, 7245};
    for (int k = 3; k >= 0; --k) {
        Picture1[k] = new PictureBox(this); // shows, takes no input and no focus
        place(Picture1[k], slotLeft[k], 2610, 1680, 1695);
    }

    Frame1 = new QWidget(this);
    setWhiteBackground(Frame1);
    place(Frame1, 2190, 2550, 6765, 2235);
    Line1 = line(Frame1, {120, 1770}, {6630, 1770}, QColor(0xC0, 0xC0, 0xC0));
    Label9 = textLabel(Frame1, QStringLiteral("〖编码〗"), songFont(10.5, true), 15, 1905);
    setWhiteBackground(Label9);
    Label10 = textLabel(Frame1, QString(), songFont(12, true), 960, 1875);
    setTextColour(Label10, Blue);
    // The pinyin heading and line stand as far left as the widest code line allows
    // (同: m  mg  mgk  mgkd), so that three readings with tone marks fit.
    Label23 = textLabel(Frame1, QStringLiteral("〖拼音〗"), songFont(10.5, true), 3540, 1905);
    setWhiteBackground(Label23);
    Label24 = textLabel(Frame1, QString(), songFont(12, true), 4440, 1875);
    setTextColour(Label24, Blue);
    Label5 = textLabel(Frame1, QString(), songFont(12, true), 960, 1875);
    setTextColour(Label5, White);
    Label25 = textLabel(Frame1, QString(), songFont(12, true), 4440, 1875);
    setTextColour(Label25, White);
    stackFrontToBack({Line1, Label9, Label10, Label23, Label24, Label5, Label25});

    Line2 = line(this, {8940, 990}, {8940, 2530}, QColor(0, 0, 0));
    Label22 = textLabel(this, QStringLiteral("鼠标选择笔画输入："), songFont(9), 2190, 720);
    Label15 = textLabel(this, QStringLiteral("<= 输入查询汉字"), songFont(9), 4170, 165);

    stackFrontToBack({Command2, Combo5, Combo4, Combo3, Combo2, Combo1, Command8, Combo6, Text5,
                      Text6, Picture2, Picture1[3], Picture1[2], Picture1[1], Picture1[0], Frame1,
                      Line2, Label22, Label15});

    // Tab order: the layout read from the input box, round to it again. Only visible
    // controls take the focus, and the window opens with it in the input box, so typing
    // looks a character up at once.
    QWidget* tabOrder[] = {Text5,          Combo6->editField(),
                           Combo6->list(), Combo1,
                           Combo2,         Combo3,
                           Combo4,         Combo5,
                           Command8,       Text6,
                           Command2};
    for (size_t i = 0; i + 1 < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
    }
    Text5->setFocus();
}

void Form11::connectHandlers() {
    Text23.onChange([this] { Text23_Change(); });
    Text2bhw.onChange([this] { Text2bhw_Change(); });
    Text2bh.onChange([this] { Text2bh_Change(); });
    Label3.onChange([this] { Label3_Change(); });
    Label4.onChange([this] { Label4_Change(); });

    connect(Command2, &QPushButton::clicked, this, [this] { entry([this] { Command2_Click(); }); });
    connect(Command8, &QPushButton::clicked, this, [this] { entry([this] { Command8_Click(); }); });
    // A picker's Change is the user typing into its edit field; its Click is choosing an
    // item from its list.
    const Handler changes[] = {&Form11::Combo1_Change, &Form11::Combo2_Change,
                               &Form11::Combo3_Change, &Form11::Combo4_Change,
                               &Form11::Combo5_Change};
    const Handler clicks[] = {&Form11::Combo1_Click, &Form11::Combo2_Click, &Form11::Combo3_Click,
                              &Form11::Combo4_Click, &Form11::Combo5_Click};
    for (std::size_t k = 0; k < strokePickers.size(); ++k) {
        connect(strokePickers[k]->lineEdit(), &QLineEdit::textEdited, this,
                [this, change = changes[k]] { entry([this, change] { (this->*change)(); }); });
        connect(strokePickers[k], &QComboBox::activated, this,
                [this, click = clicks[k]] { entry([this, click] { (this->*click)(); }); });
    }
    connect(Combo6, &SimpleCombo::changed, this, [this] { entry([this] { Combo6_Change(); }); });
    connect(Combo6, &SimpleCombo::clicked, this, [this] { entry([this] { Combo6_Click(); }); });
    connect(Text5, &QLineEdit::textChanged, this, [this] { entry([this] { Text5_Change(); }); });
    connect(Text5->caretSignals(), &CaretSignals::clicked, this,
            [this] { entry([this] { Text5_Click(); }); });
    connect(Text5->caretSignals(), &CaretSignals::keyReleased, this,
            [this] { entry([this] { Text5_KeyUp(); }); });
    connect(Text5->caretSignals(), &CaretSignals::pasted, this,
            [this](const QString& pasted) { entry([this, pasted] { lookUpPastedText(pasted); }); });
    connect(Text6->caretSignals(), &CaretSignals::clicked, this,
            [this] { entry([this] { Text6_Click(); }); });
    connect(Text6->caretSignals(), &CaretSignals::keyReleased, this,
            [this] { entry([this] { Text6_KeyUp(); }); });
}

void Form11::Form_Load() {
    // The single-instance test has run before the window was created.
    Label28->setCursor(assets::handCursor());
    RecordFile_ = std::make_unique<RecordFile>(recordFilePath(programDir_));
    RecordFile_->checkLayout();
    for (RootEntry& entry :
         readRootFile(programDir_ + QStringLiteral("/") + QLatin1String(RootFileName))) {
        const QString character = entry.character;
        roots_.insert(character, std::move(entry));
    }
    CurrentRecordNumber = 1;
    display();
    for (PictureBox* slot : Picture1) {
        slot->surface().clearPicture();
        slot->update();
    }
    captionSlots();
    setCaption(Label5, QString());
    setCaption(Label10, QString());
    setCaption(Label24, QString());
    setCaption(Label25, QString());

    // Appending items runs no picker handler; no item is selected afterwards.
    for (const QChar stroke : SingleStrokes) {
        for (QComboBox* picker : strokePickers) {
            picker->addItem(QString(stroke));
        }
    }
    for (int k = 1; k < 5; ++k) {
        strokePickers[k]->addItem(QStringLiteral(" "));
    }
    for (QComboBox* picker : strokePickers) {
        picker->setCurrentIndex(-1);
        picker->setEditText(QStringLiteral(" "));
    }
    for (const QString& syllable : pinyinSyllables()) {
        Combo6->addItem(syllable);
    }

    // The white copies lie 20 twips right of and below their blue lines, behind them.
    Label5->move(Label10->pos() + twipsPoint(20, 20));
    Label25->move(Label24->pos() + twipsPoint(20, 20));
    Text6->viewport()->setCursor(assets::handCursor());
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

void Form11::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // One to one at ratios 1 and 2; the sharp background scaled down evenly at 1.5.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, background_);
}

void Form11::setCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    label->setToolTip(QString());
    sizeToText(*label);
}

void Form11::setText6(const QString& text) {
    const QString old = Text6->toPlainText();
    if (text == old) {
        return;
    }
    if (!old.isEmpty() && text.startsWith(old)) {
        // The finders grow the strip one hit at a time. Replacing the whole text would
        // lay the strip out twice per hit; appending lays out only once, and the caret,
        // the scrolling and the empty undo history end as a replacement leaves them.
        QTextDocument* document = Text6->document();
        const bool undo = document->isUndoRedoEnabled();
        document->setUndoRedoEnabled(false);
        // Inside an edit block the cursor does not lay the strip out again for its own
        // position when it moves.
        QTextCursor end(document);
        end.beginEditBlock();
        end.movePosition(QTextCursor::End);
        end.insertText(text.mid(old.size()));
        end.endEditBlock();
        document->setUndoRedoEnabled(undo);
        const QTextCursor caret = Text6->textCursor();
        if (caret.position() != 0 || caret.hasSelection()) {
            Text6->setTextCursor(QTextCursor(document));
        }
    } else {
        Text6->setPlainText(text);
    }
    Text6_Change();
}

QString Form11::text6() const {
    return Text6->toPlainText();
}

} // namespace zilvaro
