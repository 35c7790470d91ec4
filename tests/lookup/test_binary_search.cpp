#include "core/failure.h"
#include "core/gbk.h"
#include "data/record_file.h"
#include "lookup/binary_search.h"
#include "record_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {

// Counts the records read through it.
class CountingSource : public RecordSource {
public:
    explicit CountingSource(RecordSource& inner) : inner_(inner) {}
    int recordCount() const override { return inner_.recordCount(); }
    CharacterRecord read(int n) override {
        ++reads;
        return inner_.read(n);
    }
    QString path() const override { return inner_.path(); }
    int reads = 0;

private:
    RecordSource& inner_;
};

class Bisect : public ::testing::Test {
protected:
    void make(const QStringList& characters) {
        folder_ = std::make_unique<ProgramFolder>();
        folder_->writeRecords(recordsFor(characters));
        file_ = std::make_unique<RecordFile>(folder_->recordFilePath());
        counting_ = std::make_unique<CountingSource>(*file_);
    }
    SearchResult find(const QString& query) {
        counting_->reads = 0;
        return bisectRecords(*counting_, query);
    }
    int reads() const { return counting_->reads; }

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<RecordFile> file_;
    std::unique_ptr<CountingSource> counting_;
};

} // namespace

TEST_F(Bisect, OneRecord) {
    make({QStringLiteral("阿")});
    SearchResult hit = find(QStringLiteral("阿"));
    EXPECT_EQ(hit.LookupFound, -1);
    EXPECT_EQ(hit.CurrentRecordNumber, 1);
    EXPECT_EQ(reads(), 2);
    EXPECT_EQ(find(QStringLiteral("啊")).LookupFound, 0); // below
    EXPECT_EQ(find(QStringLiteral("埃")).LookupFound, 0); // above
    EXPECT_EQ(reads(), 2);
}

TEST_F(Bisect, TwoRecordsFoundAtABoundOrMissedAfterOneMiddleRead) {
    make({QStringLiteral("啊"), QStringLiteral("埃")});
    SearchResult low = find(QStringLiteral("啊"));
    EXPECT_EQ(low.LookupFound, -1);
    EXPECT_EQ(low.CurrentRecordNumber, 1);
    SearchResult high = find(QStringLiteral("埃"));
    EXPECT_EQ(high.LookupFound, -1);
    EXPECT_EQ(high.CurrentRecordNumber, 2);
    EXPECT_EQ(reads(), 2);

    SearchResult between = find(QStringLiteral("阿")); // B0A2 lies between B0A1 and B0A3
    EXPECT_EQ(between.LookupFound, 0);
    EXPECT_EQ(reads(), 3); // both bounds, then the middle: record 1
    EXPECT_EQ(between.CurrentRecordNumber, 1);
    EXPECT_EQ(between.Text31, QStringLiteral("啊 "));
    EXPECT_EQ(between.Text32, QStringLiteral("埃 "));
}

TEST_F(Bisect, ThreeRecords) {
    // 啊 B0A1, 埃 B0A3, 哎 B0A5: the middle is found by the middle read.
    make({QStringLiteral("啊"), QStringLiteral("埃"), QStringLiteral("哎")});
    EXPECT_EQ(find(QStringLiteral("埃")).CurrentRecordNumber, 2);
    EXPECT_EQ(reads(), 3);
    EXPECT_EQ(find(QStringLiteral("阿")).LookupFound, 0); // B0A2
    EXPECT_EQ(find(QStringLiteral("挨")).LookupFound, 0); // B0A4
}

TEST_F(Bisect, EveryOneOfAllGb2312CharactersIsFoundWithinFortyReads) {
    const QStringList all = gb2312Characters();
    ASSERT_EQ(all.size(), 6763);
    make(all);
    int worst = 0;
    for (int i = 0; i < all.size(); ++i) {
        const SearchResult r = find(all[i]);
        ASSERT_EQ(r.LookupFound, -1) << all[i].toStdString();
        ASSERT_EQ(r.CurrentRecordNumber, i + 1) << all[i].toStdString();
        worst = std::max(worst, reads());
    }
    // With display's read after a hit, one lookup reads at most 40 records.
    EXPECT_LE(worst + 1, 40);
}

TEST_F(Bisect, KeysOutsideOrBetweenRecordsAreNotFound) {
    QStringList some = gb2312Characters(100);
    const QString removed = some.takeAt(50);
    make(some);
    SearchResult between = find(removed);
    EXPECT_EQ(between.LookupFound, 0);
    EXPECT_LE(reads(), 3 * 7);

    EXPECT_EQ(find(QStringLiteral("，")).LookupFound, 0); // -23636, below 啊
    EXPECT_EQ(reads(), 2);
    EXPECT_EQ(find(QStringLiteral("a")).LookupFound, 0); // positive, above every record
    EXPECT_EQ(reads(), 2);
    EXPECT_EQ(find(QStringLiteral("齄")).LookupFound, 0);
    EXPECT_EQ(find(QStringLiteral("😀")).LookupFound, 0);
    EXPECT_EQ(find(QStringLiteral(" ")).LookupFound, 0);
}

TEST_F(Bisect, AQueryOfSeveralCharactersLooksUpTheFirst) {
    make(gb2312Characters(10));
    const SearchResult r = find(QStringLiteral("阿a啊"));
    EXPECT_EQ(r.LookupFound, -1);
    EXPECT_EQ(r.CurrentRecordNumber, 2);
}

TEST_F(Bisect, AnEmptyQueryReadsNothing) {
    make(gb2312Characters(10));
    const SearchResult r = find(QString());
    EXPECT_FALSE(r.probed);
    EXPECT_EQ(reads(), 0);
}

TEST_F(Bisect, AMissLeavesTheLastRecordProbed) {
    make(gb2312Characters(6));
    const SearchResult r = find(QStringLiteral("，"));
    EXPECT_EQ(r.LookupFound, 0);
    EXPECT_EQ(r.CurrentRecordNumber, 6); // the high bound was read last
    EXPECT_EQ(r.CurrentRecord.Character, r.Text32);
}

TEST_F(Bisect, ARecordOutsideTheBoundsAlreadyMetFailsAsAFileNotSorted) {
    // Records exchanged between the ends: each end is sound, the middle is not. The
    // search meets the middle record 3 (坝, B0D3) above the high bound 哎 (B0A5).
    QStringList characters = gb2312Characters(5);
    characters[2] = QStringLiteral("坝");
    make(characters);
    try {
        find(QStringLiteral("埃"));
        FAIL() << "a file out of order was searched without a word";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(),
                  QStringLiteral("The record file ") + folder_->recordFilePath() +
                      QStringLiteral(" is damaged: record 3 is out of order: its key, -20269, "
                                     "lies outside the keys -20319 to -20315 of the records "
                                     "around it, so the file is not sorted"));
    }
    // A high bound below the low one.
    QStringList reversed = gb2312Characters(3);
    std::reverse(reversed.begin(), reversed.end());
    make(reversed);
    EXPECT_THROW(find(QStringLiteral("阿")), Failure);
    // The characters the search meets in order are found as before.
    make(characters);
    EXPECT_EQ(find(QStringLiteral("啊")).LookupFound, -1);
}
