// The record file reader, its start-up check and the lookup's binary search over an
// arbitrary file. Whatever the file holds, each ends in a record or a Failure: no crash,
// no endless search.
#include "core/failure.h"
#include "core/gbk.h"
#include "data/record_file.h"
#include "fuzz_check.h"
#include "lookup/binary_search.h"
#include "memory_file.h"

#include <cstdint>

using namespace zilvaro;

namespace {
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
        return record;
    }
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
                FUZZ_CHECK(characterKey(file.read(result.CurrentRecordNumber).Character) ==
                           characterKey(query));
            }
        }
    } catch (const Failure&) {
    }
    return 0;
}
