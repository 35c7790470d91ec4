#pragma once

#include <QString>

#include <vector>

namespace zilvaro::tools {

// One entry of Rime's wubi86.dict.yaml: a text (a character or a word), its code, and the
// line it stands on (from 1).
struct RimeEntry {
    QString text;
    QString code;
    int line = 0;
};

// The entries of the dictionary's body, in file order: the lines after the header's end
// line "...", but for empty lines and comments. The weight and stem columns are left out;
// the codes are given as they stand. A line without text, tab and code, or a file without
// the header's end line, is a DataError naming the file and the line.
std::vector<RimeEntry> parseRimeDict(const QString& text, const QString& path);
std::vector<RimeEntry> readRimeDict(const QString& path);

} // namespace zilvaro::tools
