#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zilvaro::query {

// What the command line asks.
struct QueryOptions {
    QStringList texts; // TEXT...; "-" (or none, without --word and --code) reads standard input
    QStringList words; // --word, in order
    QStringList codes; // --code, in order, lower-case
    int limit = -1;    // --limit: at most this many characters a code; -1 all
    bool unique = false;
    bool json = false;
    bool quiet = false;
    QString programDir; // --program-dir; empty: the installed one
    bool help = false;
    bool version = false;

    // Reads standard input: no TEXT, --word or --code, or a TEXT of "-".
    bool readsInput() const;
};

struct ParsedOptions {
    std::optional<QueryOptions> options;
    QString error; // why the command line is wrong, when options is empty
};

// Reads the arguments (the first is the program's name). Never exits and never writes:
// an unknown option, a missing or bad value, a word of fewer than two Chinese characters,
// a code that is not one to four letters, or TEXT given with --word or --code is an error.
ParsedOptions parseQueryOptions(const QStringList& arguments);

// The short usage written on standard error with a wrong command line.
QString usageText();
// The whole help of --help.
QString helpText();

} // namespace zilvaro::query
