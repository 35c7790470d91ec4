#pragma once

#include "data/character_record.h"
#include "data/record_file.h"

#include <QString>

#include <cstdint>

namespace zilvaro {

// What the search of the lookup leaves behind: the found flag, the record last
// selected and the two probe boxes.
struct SearchResult {
    std::int16_t LookupFound = 0;         // -1 found, 0 not found
    std::int16_t CurrentRecordNumber = 0; // the record found, or the last one probed
    CharacterRecord CurrentRecord;        // the last record read
    QString Text31;                       // Character field of the low bound, then the middle
    QString Text32;                       // Character field of the high bound
    bool probed = false;                  // false when nothing was read
};

// Bisects the record file for the first character of query by its key. The bounds
// narrow onto the middle record itself (lo := m or hi := m) and are tested again at the
// start of every pass, so a character equal to a bound is found there; the search stops
// when the bounds become adjacent. lo, hi and the middles are whole numbers; a record
// number is taken from them rounding halves to even.
//
// An empty query reads nothing and leaves every field at its default (probed false).
// Records are read through source; with 6763 records a search reads at most 39.
SearchResult bisectRecords(RecordSource& source, const QString& query);

} // namespace zilvaro
