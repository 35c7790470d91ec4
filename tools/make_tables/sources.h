#pragma once

#include "common/frequency_list.h"

// Readers for the published data the reference tables are built from. Every reader fails
// with a DataError naming the file (and the line, where the input has lines) on any
// malformed input. The readers the other tools share live in tools/common.

#include "common/data_error.h"
#include "common/gb2312.h"
#include "common/rime_code_table.h"
#include "common/stroke_packages.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace make_tables {

using zilvaro::tools::DataError;
using zilvaro::tools::Gb2312Character;
using zilvaro::tools::gb2312Characters;
using zilvaro::tools::gb2312Texts;

// The readings of one character in the Unicode Han database, as it writes them (with
// tone marks, ü as ü, in Unicode's composed form); readUnihan has checked that each one
// is a syllable of the letters a to z once plainReading has taken its marks off.
struct UnihanEntry {
    QStringList mandarin;             // kMandarin, in its order
    QStringList tghz2013;             // kTGHZ2013 (通用规范汉字字典), in its order
    QStringList xhc1983;              // kXHC1983 (现代汉语词典), in its order
    QList<QPair<QString, int>> pinlu; // kHanyuPinlu: reading and its count in the corpus
};

// Reads Unihan_Readings (bzip2-compressed) and keeps the entries of the given characters.
QHash<QString, UnihanEntry> readUnihan(const QString& path, const QHash<QString, int>& wanted);

// Tone marks off, ü as u, lowercase: "lǜ" -> "lu", "ḿ" -> "m". Fails when anything but
// the letters a to z is left.
QString plainReading(const QString& reading, const QString& where);

// Rime's wubi86.dict.yaml and every single character's codes in it, shortest first.
using zilvaro::tools::readRimeCodeTable;
using zilvaro::tools::singleCharacterCodes;

using zilvaro::tools::readStrokeOrders;
using zilvaro::tools::readStrokeSupplement;
using zilvaro::tools::StrokeLetter;
using zilvaro::tools::StrokeOrders;
using zilvaro::tools::SupplementLine;

using zilvaro::tools::readFrequencyRanks;

} // namespace make_tables
