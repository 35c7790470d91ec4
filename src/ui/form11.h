#pragma once

#include "core/failure.h"
#include "core/watched_text.h"
#include "data/character_record.h"
#include "data/record_file.h"
#include "data/root_file.h"

#include <QHash>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zilvaro {

class CaretLineEdit;
class LineControl;
class CaretTextEdit;
class PictureBox;
class SimpleCombo;
class UrlOpener;
namespace test {
class Form11Probe;
}

// A list box the user never sees: its rows and the row last chosen.
struct HiddenList {
    QStringList items;
    int ListIndex = -1;
};

// The main window. It carries every control the user sees and, as plain values
// (WatchedText), the controls the user never sees: the detail boxes of the current
// record, flags and query boxes through which the handlers pass values to each other.
// A write to such a value runs its change handler at once, nested inside the write.
//
// docs/ARCHITECTURE.md lists every such value with what it holds and who writes and
// reads it.
//
// Handlers keep their control_event names. Handlers the toolkit starts run through the
// failure guard; handlers called by other handlers run directly.
class Form11 : public QWidget {
    Q_OBJECT

public:
    // programDir is the folder that holds wwbb11.dat and bmp/. Failures raised by a
    // handler the toolkit runs go to guard; links open through opener.
    Form11(const QString& programDir, FailureGuard& guard, UrlOpener& opener,
           QWidget* parent = nullptr);
    ~Form11() override;

    // Start-up steps after the single-instance test, before the window is first shown.
    // Failures propagate to the caller.
    void Form_Load();
    // Shut-down: closes the record file.
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The tests drive and check the window through this subclass.
    friend class test::Form11Probe;

    // A handler or procedure of the window, named as control_event.
    using Handler = void (Form11::*)();
    // The five segment runs of one table, segment 1 to 5.
    using SegmentRuns = std::array<Handler, 5>;

    // ---- Record state and the lookup ----
    // Reads record CurrentRecordNumber into CurrentRecord and the detail boxes
    // (Text11..Text14, Text17..Text20). It shows nothing on screen by itself.
    void display();
    void Command6_Click();
    void presentHit();
    void presentMiss();
    // Gives each slot that shows a picture the key letter and tooltip of what it shows
    // (the roots file names the roots), and takes them from the slots that show none.
    void captionSlots();
    std::int16_t CurrentRecordNumber = 0;
    CharacterRecord CurrentRecord;
    std::int16_t LookupFound = 0;

    // ---- Table search ----
    // Where each of the two table searches goes on from (textSearch for the finders,
    // textSearchF for the reverse pinyin lookup); 0 whenever no enumeration runs.
    std::int32_t TextSearchCursor = 0;
    std::int32_t TextSearchfCursor = 0;
    // The found flag Label1bh and the hit text Label2bh after a hit, and after the miss
    // that ends every enumeration (the hit text keeps the last hit).
    void reportTableHit(const QString& hit);
    void reportTableMiss();
    // Runs the handler of the segment (1..5) among runs; 0 runs none.
    void runSegment(const SegmentRuns& runs, int segment);
    // Lists every row of the segment matching the query into the result strip: one
    // write of the strip to empty it, then one per hit with the flag and hit text set.
    void listSegmentIntoStrip(const QString& segment, const WatchedText& query);

    // ---- Stroke finder ----
    void bian();
    void Combo1_Change() { bian(); }
    void Combo1_Click() { bian(); }
    void Combo2_Change() { bian(); }
    void Combo2_Click() { bian(); }
    void Combo3_Change() { bian(); }
    void Combo3_Click() { bian(); }
    void Combo4_Change() { bian(); }
    void Combo4_Click() { bian(); }
    void Combo5_Change() { bian(); }
    void Combo5_Click() { bian(); }
    void Text2bhw_Change();
    // Command41_Click .. Command45_Click list stroke segment 1..5.
    void Command41_Click() { listSegmentIntoStrip(Text1bhw[0], Text2bhw); }
    void Command42_Click() { listSegmentIntoStrip(Text1bhw[1], Text2bhw); }
    void Command43_Click() { listSegmentIntoStrip(Text1bhw[2], Text2bhw); }
    void Command44_Click() { listSegmentIntoStrip(Text1bhw[3], Text2bhw); }
    void Command45_Click() { listSegmentIntoStrip(Text1bhw[4], Text2bhw); }
    void Command8_Click();
    // The help text of the stroke finder, its line breaks LF CR as given.
    static QString strokeHelpText();

    // ---- Pinyin finder and reverse pinyin lookup ----
    void Combo6_Change();
    void Combo6_Click();
    void syllableEntry(bool click);
    void Text2bh_Change();
    // Command88bh1_Click .. Command88bh5_Click list pinyin segment 1..5.
    void Command88bh1_Click() { listSegmentIntoStrip(Text1bh[0], Text2bh); }
    void Command88bh2_Click() { listSegmentIntoStrip(Text1bh[1], Text2bh); }
    void Command88bh3_Click() { listSegmentIntoStrip(Text1bh[2], Text2bh); }
    void Command88bh4_Click() { listSegmentIntoStrip(Text1bh[3], Text2bh); }
    void Command88bh5_Click() { listSegmentIntoStrip(Text1bh[4], Text2bh); }
    // The reverse pinyin lookup of the character in Text2bh: its reading into the
    // pinyin line.
    void Command9z_Click();

    // ---- Input box, result strip and list ----
    void Text5_Change();
    void Text5_Click();
    void Text5_KeyUp();
    // A paste into Text5: looks up the first Chinese character of what was pasted.
    void lookUpPastedText(const QString& pasted);
    void Text6_Change();
    void Text6_Click();
    void Text6_KeyUp();
    void Text23_Change();
    void List1_Click();
    void Label3_Change();
    void Label4_Change();

    // ---- Copying the character's line ----
    // The context menu of the code line, the pinyin line and the slots, and Ctrl+C.
    void setUpCopying();
    // The character looked up last, its codes and readings ("字 pb pbf zì"); empty text
    // when the last lookup found nothing.
    QString characterLine() const;
    void copyCharacter();
    void showCopyMenu(QPoint globalPosition);

    // ---- About dialog and links ----
    void Command2_Click();
    void Label28_Click();

    // ---- Visible controls ----
    QPushButton* Command2 = nullptr;
    std::array<QComboBox*, 5> strokePickers{}; // Combo1 .. Combo5
    QComboBox*& Combo1 = strokePickers[0];
    QComboBox*& Combo2 = strokePickers[1];
    QComboBox*& Combo3 = strokePickers[2];
    QComboBox*& Combo4 = strokePickers[3];
    QComboBox*& Combo5 = strokePickers[4];
    QPushButton* Command8 = nullptr;
    SimpleCombo* Combo6 = nullptr;
    CaretLineEdit* Text5 = nullptr;
    CaretTextEdit* Text6 = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Label28 = nullptr;
    std::array<PictureBox*, 4> Picture1{};
    QWidget* Frame1 = nullptr;
    LineControl* Line1 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label24 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label25 = nullptr;
    LineControl* Line2 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label15 = nullptr;
    QLineEdit* Text88 = nullptr; // outside the client area; takes no focus

    // Writes the result strip; its change handler runs when the text changed.
    void setText6(const QString& text);
    QString text6() const;
    // The pinyin line and the code line with their white copies; a caption clears the
    // label's tooltip.
    void setCaption(QLabel* label, const QString& caption);
    // The pinyin line and its white copy show the readings with tone marks, as many as
    // fit; the tooltip lists them all when some are left out.
    void showReadings(const QStringList& readings);

    // ---- Controls the user never sees (docs/ARCHITECTURE.md says what each holds) ----
    WatchedText Text23;
    WatchedText Text31{QStringLiteral("Text31")};
    WatchedText Text32{QStringLiteral("Text32")};
    WatchedText Text11, Text12, Text13, Text14, Text17, Text18, Text19, Text20;
    WatchedText Text1a{QStringLiteral("Text1")};
    HiddenList List1;
    WatchedText Label3{QStringLiteral("何")};
    WatchedText Label4{QStringLiteral("单字：")};
    WatchedText Label6{QStringLiteral("    ")};
    WatchedText Label7{QStringLiteral("    ")};
    WatchedText Label8{QStringLiteral("    ")};
    WatchedText Label20{QStringLiteral("Label20")};
    WatchedText Text4;
    WatchedText Text2bhw;
    WatchedText Text2bh;
    WatchedText Label1bh{QStringLiteral("0")};
    WatchedText Label2bh{QStringLiteral("Label2")};
    // The ten segments of the pinyin table (Text1bh1..5) and the stroke table
    // (Text1bh1w..5w), index 0..4.
    std::array<QString, 5> Text1bh;
    std::array<QString, 5> Text1bhw;

    void buildRoster();
    void connectHandlers();
    // Runs a handler entered from the toolkit through the failure treatment.
    // Nothing runs once the window is being destroyed.
    void entry(const std::function<void()>& handler) {
        if (!closing_) {
            guard_.run(handler);
        }
    }

    QString programDir_;
    FailureGuard& guard_;
    UrlOpener& opener_;
    std::unique_ptr<RecordFile> RecordFile_;
    // The roots file beside the record file: each character's roots by name.
    QHash<QString, RootEntry> roots_;
    QImage background_;
    bool closing_ = false;
};

} // namespace zilvaro
