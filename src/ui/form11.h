#pragma once

#include "core/failure.h"
#include "core/watched_text.h"
#include "data/character_record.h"
#include "data/record_file.h"

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
struct TableHit;

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

    // ---- Start-up and shut-down ----
    // Start-up steps after the single-instance test, before the window is first shown.
    // Failures propagate to the caller.
    void Form_Load();
    void Form_Unload();
    QString programDir() const { return programDir_; }

    // ---- Record state and the lookup ----
    void display();
    void Command6_Click();
    std::int16_t CurrentRecordNumber = 0;
    CharacterRecord CurrentRecord;
    std::int16_t LookupFound = 0;

    // ---- Table search ----
    void TextSearch(const QString& segment, const QString& needle);
    void TextSearchf(const QString& segment, const QString& needle);
    std::int32_t TextSearchCursor = 0;
    std::int32_t TextSearchfCursor = 0;

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
    void Command41_Click() { strokeSegmentRun(1); }
    void Command42_Click() { strokeSegmentRun(2); }
    void Command43_Click() { strokeSegmentRun(3); }
    void Command44_Click() { strokeSegmentRun(4); }
    void Command45_Click() { strokeSegmentRun(5); }
    void Command8_Click();
    // The help text of the stroke finder, its line breaks LF CR as given.
    static QString strokeHelpText();

    // ---- Pinyin finder and reverse pinyin lookup ----
    void Combo6_Change();
    void Combo6_Click();
    void Text2bh_Change();
    void Command88bh1_Click() { pinyinSegmentRun(1); }
    void Command88bh2_Click() { pinyinSegmentRun(2); }
    void Command88bh3_Click() { pinyinSegmentRun(3); }
    void Command88bh4_Click() { pinyinSegmentRun(4); }
    void Command88bh5_Click() { pinyinSegmentRun(5); }
    void Command9z_Click();
    void Command9a_Click() { readingSegmentRun(1); }
    void Command9b_Click() { readingSegmentRun(2); }
    void Command9c_Click() { readingSegmentRun(3); }
    void Command9d_Click() { readingSegmentRun(4); }
    void Command9e_Click() { readingSegmentRun(5); }

    // ---- Input box, result strip and list ----
    void Text5_Change();
    void Text5_Click();
    void Text5_KeyUp();
    void Text6_Change();
    void Text6_Click();
    void Text6_KeyUp();
    void Text23_Change();
    void List1_Click();
    void Label3_Change();
    void Label4_Change();
    void Label4_Click() { Label4_Change(); }

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
    QLineEdit* Text88 = nullptr; // outside the client area: holds the focus at start

    // Writes the result strip; its change handler runs when the text changed.
    void setText6(const QString& text);
    QString text6() const;
    // The pinyin line and the code line with their white copies.
    void setCaption(QLabel* label, const QString& caption);

    // ---- Controls the user never sees ----
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildRoster();
    void connectHandlers();
    void presentHit();
    void presentMiss();
    void strokeSegmentRun(int segment);
    // Lists every row of the segment matching the query into the result strip, one write
    // of the strip to empty it and one per hit.
    void listSegmentIntoStrip(const QString& segment, const WatchedText& query);
    void reportTableHit(const TableHit& hit);
    void pinyinSegmentRun(int segment);
    void readingSegmentRun(int segment);
    void syllableEntry(bool click);
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
    QImage background_;
    bool closing_ = false;
};

} // namespace zilvaro
