#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace zilvaro {

// A character list: one line per character, the character, a tab, then its items
// separated by one blank, each line ending in LF. Lines starting with # are comments.
// assets/tables/codes.txt (the Wubi 86 codes of every GB2312 character, shortest first)
// and assets/tables/readings.txt (its readings with tone marks, most frequent first) are
// written and read in this format.
//
// make_tables writes them, embed_tables checks them before the build carries them, and
// the program reads them once (data/character_tables).

// One line, LF included. The character must be one code point and every item non-empty
// without blanks or tabs; anything else raises Failure.
QString formatCharacterListLine(const QString& character, const QStringList& items);

// Every character's items. A line that is not a character, a tab and items, or a
// character listed twice, raises Failure naming `name` and the line.
QHash<QString, QStringList> parseCharacterList(const QString& text, const QString& name);

} // namespace zilvaro
