#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace zilvaro::query {

// Exit statuses.
inline constexpr int ExitFound = 0;
inline constexpr int ExitNotFound = 1; // also: the data cannot be read
inline constexpr int ExitUsage = 2;

// Makes the stream read UTF-8 whatever its first bytes are: standard input is UTF-8 text,
// and bytes that look like a UTF-16 byte-order mark are no reason to read it otherwise.
void readAsUtf8(QTextStream& in);

// Runs the program on its arguments (the first is its name): reads standard input where
// asked, writes the answers to `out` and problems to `err`, and returns the exit status.
// `installedDir` is the program folder read when --program-dir is not given.
int runQuery(const QStringList& arguments, QTextStream& in, QTextStream& out, QTextStream& err,
             const QString& installedDir);

} // namespace zilvaro::query
