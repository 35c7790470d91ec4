#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace zilvaro::tools {

// The Wubi 86 codes of single characters in Rime's wubi86.dict.yaml (rime-data-wubi): a
// header ending in the line "...", then lines of text, tab, code, and more fields. Only
// lines whose text is one of the wanted characters count; codes beginning with z (the
// wildcard key) are left out. Every character's codes come shortest first, codes of one
// length in the file's order, without repeats. A malformed line is a DataError naming the
// file and the line.
QHash<QString, QStringList> parseRimeCodes(const QString& text, const QString& path,
                                           const QStringList& wanted);
QHash<QString, QStringList> readRimeCodes(const QString& path, const QStringList& wanted);

} // namespace zilvaro::tools
