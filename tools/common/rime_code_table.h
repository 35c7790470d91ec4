#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace zilvaro::tools {

// Rime's Wubi 86 code table, rime-data-wubi's wubi86.dict.yaml: a header ending in the
// line "...", then lines of text (a character or a word), tab, code, and more fields
// (weight, stem), which are left out.

// One entry of the table: its text, its code, and the line it stands on (from 1).
struct RimeEntry {
    QString text;
    QString code;
    int line = 0;
};

// The table's entries in file order, but for empty lines, comments and the entries whose
// code begins with z (symbols typed on the wildcard key, no Wubi codes). A line without
// text, tab and code, any other code than one to four letters a-y, bytes that are not
// UTF-8, or a file without the header's end line, is a DataError naming the file and the
// line.
std::vector<RimeEntry> parseRimeCodeTable(const QString& text, const QString& path);
std::vector<RimeEntry> readRimeCodeTable(const QString& path);

// Every code of each single character (a text of one code point) among the entries,
// shortest first, codes of one length in the table's order, without repeats.
QHash<QString, QStringList> singleCharacterCodes(const std::vector<RimeEntry>& entries);

} // namespace zilvaro::tools
