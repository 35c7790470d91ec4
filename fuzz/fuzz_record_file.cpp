// The record file reader, its start-up check and the lookup's binary search over an
// arbitrary file. Whatever the file holds, each ends in a record or a Failure: no crash,
// no endless search, and a record handed on, or found, is one that passed the checks of
// every read.
#include "core/failure.h"
#include "core/gbk.h"
#include "data/record_file.h"
#include "fuzz_check.h"
#include "lookup/binary_search.h"
#include "lookup/seed_list.h"
#include "memory_file.h"

#include <algorithm>
#include <cstdint>

using namespace zilvaro;

namespace {
bool onlyOf(QStringView text, QStringView allowed) {
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return allowed.contains(c); });
}

// What a record the reader hands on must look like, told apart from the reader's own
// rules: one GB2312 character and its blank, codes of lower-case letters filled with
// blanks, seed lists of digits and blanks (or the mark "0") whose seeds lie in the
// picture's reach.
bool looksLikeARecord(const CharacterRecord& record) {
    const int key = characterKey(record.Character);
    if (record.Character.size() != 2 || record.Character[1] != u' ' || key < -0x5E5F ||
        key > -0x0802) { // A1A1 to F7FE
        return false;
    }
    for (const QString* code : {&record.FullCode, &record.ShortCode, &record.RootCode}) {
        const QString letters = code->trimmed();
        if (code->size() != 4 || !code->startsWith(letters) ||
            !onlyOf(letters, u"abcdefghijklmnopqrstuvwxyz")) {
            return false;
        }
    }
    for (const QString* list :
         {&record.FillPoints1, &record.FillPoints2, &record.FillPoints3, &record.FillPoints4}) {
        if (list->size() != 72 || !onlyOf(*list, u"0123456789 ")) {
            return false;
        }
        for (const SeedPoint& seed : seedPoints(*list)) {
            if (seed.x < 0 || seed.y < 0) {
                return false;
            }
        }
    }
    return true;
}

// Counts the reads, so a search that does not end is caught.
class CountingSource : public RecordSource {
public:
    explicit CountingSource(RecordFile& file) : file_(file) {}
    int recordCount() const override { return file_.recordCount(); }
    CharacterRecord read(int n) override {
        ++reads;
        FUZZ_CHECK(reads <= 3 * 16 + 3);
        const CharacterRecord record = file_.read(n);
        FUZZ_CHECK(record.Character.size() >= CharacterRecord::CharacterWidth);
        FUZZ_CHECK(record.FillPoints4.size() >= CharacterRecord::FillPointsWidth);
        FUZZ_CHECK(looksLikeARecord(record));
        return record;
    }
    QString path() const override { return file_.path(); }
    int reads = 0;

private:
    RecordFile& file_;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MemoryFile memory(data, size);
    if (!memory.valid()) {
        return 0;
    }
    try {
        RecordFile file(memory.path());
        FUZZ_CHECK(file.recordCount() == static_cast<int>(size / CharacterRecord::Size));
        bool sound = true;
        try {
            file.checkLayout();
        } catch (const Failure&) {
            sound = false;
        }
        FUZZ_CHECK(!sound || (size > 0 && size % CharacterRecord::Size == 0));
        if (file.recordCount() == 0) {
            return 0;
        }
        // The characters of the first and last records, one from the middle, and a few
        // that lie outside any record file.
        QStringList queries = {QStringLiteral("啊"), QStringLiteral("，"), QStringLiteral("a"),
                               QStringLiteral(" "), QString(QChar(u'\0'))};
        for (const int n : {1, file.recordCount(), (file.recordCount() + 1) / 2}) {
            queries.append(file.read(n).Character);
        }
        for (const QString& query : queries) {
            CountingSource source(file);
            const SearchResult result = bisectRecords(source, query);
            if (result.LookupFound == -1) {
                FUZZ_CHECK(result.CurrentRecordNumber >= 1 &&
                           result.CurrentRecordNumber <= file.recordCount());
                // A sound file is sorted only at its ends; a hit is a record of that key.
                const CharacterRecord hit = file.read(result.CurrentRecordNumber);
                FUZZ_CHECK(looksLikeARecord(hit));
                FUZZ_CHECK(characterKey(hit.Character) == characterKey(query));
            }
        }
    } catch (const Failure&) {
    }
    return 0;
}
