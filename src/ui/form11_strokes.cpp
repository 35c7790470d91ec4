// The stroke finder: five stroke pickers build a five-digit stroke code, whose
// segment of the stroke table is listed into the result strip.
#include "ui/form11.h"

#include "core/gbk.h"
#include "finders/segment_choice.h"
#include "finders/stroke_code.h"
#include "ui/caret_boxes.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>

namespace zilvaro {

namespace {
// The help text's line breaks are LF CR; the message box shows each as one break.
QString helpTextForDisplay(QString text) {
    return text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}
} // namespace

void Form11::bian() {
    std::array<QString, 5> pickerTexts;
    for (std::size_t k = 0; k < pickerTexts.size(); ++k) {
        pickerTexts[k] = strokePickers[k]->currentText();
    }
    Text4.set(strokeCodeOf(pickerTexts));
    Text2bhw.set(Text4.text());
    const QString strip = text6();
    if (!strip.isEmpty()) {
        Label20.set(QStringLiteral("1"));
        Text2bh.set(firstCharacter(strip));
        Text23.set(firstCharacter(text6()));
        Command6_Click();
        Text6->setFocus();
        Text6->setSelection(1, 0);
    } else {
        setCaption(Label24, QString());
        setCaption(Label25, QString());
        // The pinyin query box forgets the character whose reading the line showed, so
        // that looking that character up again, which writes the same character into
        // it, runs the reverse lookup and shows the reading again. A blank query box
        // starts nothing.
        Text2bh.set(QString());
    }
}

void Form11::Text2bhw_Change() {
    static constexpr SegmentRuns runs = {&Form11::Command41_Click, &Form11::Command42_Click,
                                         &Form11::Command43_Click, &Form11::Command44_Click,
                                         &Form11::Command45_Click};
    runSegment(runs, strokeSegmentOf(Text2bhw.text()));
}

QString Form11::strokeHelpText() {
    const QString lineBreak = QStringLiteral("\n\r");
    return QStringLiteral(
               "笔画输入方法是：汉字第一笔画＋第二笔画＋第三笔画＋第四笔画＋最后一笔画；") +
           lineBreak + lineBreak +
           QStringLiteral("例如，你要输入“峰”字，用鼠标选择输入“丨”“乙”“丨”“丿”“丨”") + lineBreak +
           lineBreak + QStringLiteral("注意，乙笔画代表所有的“折”笔画！") + lineBreak;
}

void Form11::Command8_Click() {
    Text5->setFocus();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("笔画输入提示！"),
                    helpTextForDisplay(strokeHelpText()), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace zilvaro
