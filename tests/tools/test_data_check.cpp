// The check of the generated character data in the program's folder: wwbb11.dat and
// bmp/, replayed record by record with the program's own slot filling and flood fill.

#include "core/gbk.h"
#include "data/record_file.h"
#include "data_builder.h"
#include "decomposition.h"
#include "lookup/code_line.h"
#include "lookup/decomposition_picture.h"
#include "lookup/identification_code.h"
#include "lookup/picture_surface.h"
#include "lookup/root_fill.h"
#include "lookup/seed_list.h"
#include "lookup/slot_rules.h"
#include "outline_picture.h"
#include "record_builder.h"
#include "seed_points.h"
#include "stroke_outlines.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

using namespace zilvaro;

namespace {

const QString ProgramDir = QStringLiteral(ZILVARO_PROGRAM_DIR);
const QString TablePath = QStringLiteral(ZILVARO_SOURCE_DIR "/data/decomposition.tsv");
const QString StrokeFolder = QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/hanzi-writer-data");

QString trimmed(const QString& text) {
    return text.trimmed();
}

class DataCheck : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QFileInfo::exists(TablePath)) {
            return;
        }
        QFile file(recordFilePath(ProgramDir));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the record file was not built";
        bytes_ = new QByteArray(file.readAll());
        records_ = new std::vector<CharacterRecord>;
        for (qsizetype at = 0; at + CharacterRecord::Size <= bytes_->size();
             at += CharacterRecord::Size) {
            records_->push_back(
                CharacterRecord::decode(QByteArrayView(*bytes_).sliced(at, CharacterRecord::Size)));
        }
        table_ = new QHash<QString, build::Decomposition>;
        for (build::Decomposition& entry : build::readDecompositionTable(TablePath)) {
            table_->insert(entry.character, std::move(entry));
        }
    }
    static void TearDownTestSuite() {
        delete bytes_;
        delete records_;
        delete table_;
    }
    void SetUp() override {
        if (!QFileInfo::exists(TablePath)) {
            GTEST_SKIP() << "data/decomposition.tsv does not exist yet, so no character data "
                            "is built and there is nothing to check";
        }
        ASSERT_NE(records_, nullptr);
    }

    static inline QByteArray* bytes_ = nullptr;
    static inline std::vector<CharacterRecord>* records_ = nullptr;
    static inline QHash<QString, build::Decomposition>* table_ = nullptr;
};

} // namespace

TEST_F(DataCheck, TheRecordFileHoldsEveryGb2312CharacterOnceInKeyOrder) {
    EXPECT_EQ(bytes_->size() % CharacterRecord::Size, 0);
    int previous = -32769;
    QSet<QString> present;
    for (const CharacterRecord& record : *records_) {
        const int key = characterKey(record.Character);
        EXPECT_GT(key, previous) << record.Character.toStdString() << " is out of order";
        previous = key;
        present.insert(firstCharacter(record.Character));
    }
    // Characters the decomposer has not decided yet are listed, with the reason, in
    // data/decomposition-undecided.tsv and have no record. Any other missing character
    // is a fault, and so is a listed character that has a record.
    QSet<QString> undecided;
    QFile list(QStringLiteral(ZILVARO_SOURCE_DIR "/data/decomposition-undecided.tsv"));
    if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray& line : list.readAll().split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#')) {
                undecided.insert(firstCharacter(QString::fromUtf8(line)));
            }
        }
    }
    QString missing;
    int missingCount = 0;
    for (const QString& c : test::gb2312Characters()) {
        if (!present.remove(c) && !undecided.contains(c)) {
            missing += missingCount++ < 40 ? c : QString();
        }
    }
    EXPECT_EQ(missingCount, 0) << "GB2312 characters without a record: " << missing.toStdString()
                               << (missingCount > 40 ? "..." : "");
    EXPECT_TRUE(present.isEmpty()) << "records of characters outside GB2312";
    for (const CharacterRecord& record : *records_) {
        EXPECT_FALSE(undecided.contains(firstCharacter(record.Character)))
            << record.Character.toStdString() << " is listed as undecided but has a record";
    }
    EXPECT_EQ(records_->size() + undecided.size(), 6763u);
    if (!undecided.isEmpty()) {
        GTEST_SKIP() << undecided.size()
                     << " characters are not decomposed yet (data/decomposition-undecided.tsv)"
                        " and have no record";
    }
}

TEST_F(DataCheck, EveryRecordIsBlankFilledTextOfLettersDigitsAndBlanks) {
    for (qsizetype at = 0; at < bytes_->size(); at += CharacterRecord::Size) {
        const QByteArray record = bytes_->mid(at, CharacterRecord::Size);
        const QString where =
            fromGbk(record.mid(CharacterRecord::CharacterOffset, CharacterRecord::CharacterWidth));
        for (qsizetype i = CharacterRecord::FullCodeOffset; i < record.size(); ++i) {
            const char c = record[i];
            const bool code = i < CharacterRecord::fillPointsOffset(0);
            const bool allowed =
                c == ' ' || (code ? (c >= 'a' && c <= 'y') : (c >= '0' && c <= '9'));
            ASSERT_TRUE(allowed) << where.toStdString() << ": byte " << i << " is " << int(c);
        }
        // Codes are left-aligned: no letter after a blank.
        for (int field = 0; field < 3; ++field) {
            const QByteArray code =
                record.mid(CharacterRecord::FullCodeOffset + CharacterRecord::CodeWidth * field,
                           CharacterRecord::CodeWidth);
            ASSERT_EQ(code.trimmed(), code.left(code.trimmed().size())) << where.toStdString();
        }
    }
}

TEST_F(DataCheck, CodesAndMarksAgreeWithTheDecompositionTable) {
    using build::CharacterKind;
    for (const CharacterRecord& r : *records_) {
        const QString c = firstCharacter(r.Character);
        SCOPED_TRACE(c.toStdString());
        ASSERT_TRUE(table_->contains(c));
        const build::Decomposition& e = table_->value(c);
        const QString f = trimmed(r.FullCode), s = trimmed(r.ShortCode), root = trimmed(r.RootCode);
        EXPECT_EQ(f, e.fullCode);
        EXPECT_EQ(s, e.shortCode);
        EXPECT_EQ(root, e.rootCode);
        EXPECT_TRUE(codeLineHasRule(f, s, root))
            << "F " << f.toStdString() << ", S " << s.toStdString() << ", R " << root.toStdString();

        const bool mark3 = isIdentificationMark(r.FillPoints3);
        const bool mark4 = isIdentificationMark(r.FillPoints4);
        EXPECT_TRUE(carriesRoot(r.FillPoints1));
        // Marks: after two roots or a single stroke in slot 2, after three roots in slot 3.
        const bool twoRoots = e.kind == CharacterKind::Compound && e.roots.size() == 2;
        const bool threeRoots = e.kind == CharacterKind::Compound && e.roots.size() == 3;
        EXPECT_EQ(mark3, twoRoots || e.kind == CharacterKind::Stroke);
        EXPECT_EQ(mark4, threeRoots);
        if (mark3) {
            EXPECT_TRUE(identificationPictureIndex(r.FullCode[2]).has_value());
        }
        if (mark4) {
            EXPECT_TRUE(identificationPictureIndex(r.FullCode[3]).has_value());
        }
        // A slot the root code empties receives no seeds: they would flood the empty slot.
        if (root.size() == 2) {
            EXPECT_FALSE(carriesRoot(r.FillPoints3));
            EXPECT_TRUE(r.FillPoints4.trimmed().isEmpty());
        } else if (root.size() == 3) {
            EXPECT_FALSE(carriesRoot(r.FillPoints4));
            EXPECT_TRUE(carriesRoot(r.FillPoints3));
        } else {
            EXPECT_EQ(root.size(), 4);
            EXPECT_TRUE(carriesRoot(r.FillPoints3));
            EXPECT_TRUE(carriesRoot(r.FillPoints4));
        }
        EXPECT_TRUE(carriesRoot(r.FillPoints2));
    }
}

// Both sets of pictures: the decomposition pictures and the sharp ones of high-DPI
// screens, each with the seed points of the one record.
TEST_F(DataCheck, FillsColourEveryShownRootAndNothingElseInBothPictures) {
    for (const int scale : {1, build::SharpScale}) {
        SCOPED_TRACE(scale == 1 ? "bmp/<character>.bmp" : "bmp@2x.pack");
        const QSize size = scale == 1 ? DecompositionPictureSize : SharpPictureSize;
        std::vector<std::pair<double, QString>> coverage;
        int failures = 0;
        for (const CharacterRecord& r : *records_) {
            const QString c = firstCharacter(r.Character);
            SCOPED_TRACE(c.toStdString());
            // Every character has both pictures: the slot never falls back to the 1x one.
            const QImage picture = loadSlotPicture(ProgramDir, c, scale);
            ASSERT_EQ(picture.size(), size);
            ASSERT_EQ(picture.depth(), 1);

            // Which pixels belong to which slot's root, and which lie inside the character.
            const build::Decomposition& e = table_->value(c);
            const build::StrokeOutlines strokes = build::loadStrokeOutlines(StrokeFolder, c);
            const build::PixelStates states = build::rasterise(
                strokes, build::layoutSlots(e, int(strokes.size())).strokeSlots, scale);

            const QImage pictureRows = picture.convertToFormat(QImage::Format_RGB32);
            const QString lists[4] = {r.FillPoints1, r.FillPoints2, r.FillPoints3, r.FillPoints4};
            double least = 1.0;
            for (int k = 0; k < 4; ++k) {
                if (!carriesRoot(lists[k])) {
                    continue;
                }
                PictureSurface slot;
                slot.setPicture(picture);
                ASSERT_EQ(slot.scale(), scale);
                fillSlotFromSeedList(slot, lists[k]);
                const QImage& filled = slot.surface();
                int rootPixels = 0, black = 0, strays = 0;
                for (int y = 0; y < slot.heightPixels(); ++y) {
                    const auto* filledRow = reinterpret_cast<const QRgb*>(filled.constScanLine(y));
                    const auto* pictureRow =
                        y < picture.height()
                            ? reinterpret_cast<const QRgb*>(pictureRows.constScanLine(y))
                            : nullptr;
                    for (int x = 0; x < slot.widthPixels(); ++x) {
                        const bool isBlack = (filledRow[x] & 0xFFFFFF) == 0;
                        const bool inPicture = pictureRow && x < picture.width();
                        const bool wasBlack = inPicture && (pictureRow[x] & 0xFFFFFF) == 0;
                        const bool onBorder = !inPicture || x == 0 || y == 0 ||
                                              x == picture.width() - 1 || y == picture.height() - 1;
                        const std::uint8_t state = inPicture ? states.at(x, y) : 0;
                        if (isBlack && !wasBlack && (onBorder || !(state & (1 << k)))) {
                            ++strays; // a fill beyond the root: the background or another root
                        }
                        if (state & (1 << k)) {
                            ++rootPixels;
                            black += isBlack;
                        }
                    }
                }
                EXPECT_EQ(strays, 0) << "slot " << k;
                ASSERT_GT(rootPixels, 0) << "slot " << k;
                least = std::min(least, double(black) / rootPixels);
            }
            coverage.emplace_back(least, c);
            if (least < build::MinCoverage) {
                ++failures;
            }
        }
        std::sort(coverage.begin(), coverage.end());
        QStringList worst;
        for (size_t i = 0; i < coverage.size() && i < 10; ++i) {
            worst << QStringLiteral("%1 %2%")
                         .arg(coverage[i].second)
                         .arg(coverage[i].first * 100, 0, 'f', 1);
        }
        std::printf("Least covered roots at scale %d: %s\n", scale,
                    qPrintable(worst.join(QStringLiteral(", "))));
        EXPECT_EQ(failures, 0) << "characters with a root less than 97% covered";
    }
}
