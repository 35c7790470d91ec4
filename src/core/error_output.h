#pragma once

#include <QByteArray>
#include <QString>

namespace zilvaro {

// The text in the character set of the user's locale (LANG, LC_ALL, LC_CTYPE as the
// environment sets them, whatever the program's own locale is), so a terminal in that
// set shows it as written; a character the set lacks becomes "?". UTF-8 where the
// locale names no set iconv knows.
QByteArray toLocaleEncoding(const QString& text);

// Writes one line to the error output in the locale's character set, and flushes it.
void writeErrorLine(const QString& line);

} // namespace zilvaro
