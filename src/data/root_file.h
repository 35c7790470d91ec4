#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QVector>

#include <vector>

namespace zilvaro {

// What the record file does not say about a character: the roots the decomposition table
// splits it into, in writing order, each with its key and its name from the root chart;
// the identification code where the full code ends in one; and how common the character
// is. The file roots.tsv lies beside wwbb11.dat and is built with it. (The codes that type
// a character are compiled into the program: wubiCodes.)
//
// roots.tsv is UTF-8 text, one character a line after a first line that names the format
// ("# Zilvaro roots 2", with a note of the columns after it). The fields of a line are
// separated by tabs:
//   character  kind  rank  identification  root...
// kind is key (a key-name character), root (a character root), stroke (one of the five
// single strokes) or compound; rank is the character's place in the frequency list (1 the
// most common) or "-" when the list lacks it; identification is the letter of the
// identification code or "-"; each root is its key letter followed by its name (a
// character such as 宀, or a short description for a root that is no character; two names
// joined by "/" where the strokes read as either, 日/曰). Lines are in the order written.
struct RootEntry {
    struct Root {
        QChar key;
        QString name;
        bool operator==(const Root&) const = default;
    };

    QString character;
    QString kind;          // key, root, stroke or compound
    int frequencyRank = 0; // 1 the most common; 0 when the frequency list lacks it
    QChar identification;  // the identification code's letter; null when there is none
    QVector<Root> roots;   // at least one

    bool operator==(const RootEntry&) const = default;
};

// The name of the file in the program's folder.
inline constexpr const char* RootFileName = ZILVARO_ROOT_FILE_NAME; // set by the build

// The whole file for these entries. An entry that has no line form (a tab or a line break
// in a name, a key that is no letter a-y, no root) gives an empty result with `error`
// naming the character and the fault.
QByteArray formatRootFile(const std::vector<RootEntry>& entries, QString* error = nullptr);

// Reads the file's text back; `path` names it in messages. A malformed file is a Failure
// naming the file, the line and what is wrong: a missing or foreign first line (a file of
// another format version among them), a line with too few fields, a bad kind, rank, key or
// identification letter, a character listed twice, bytes that are not UTF-8.
std::vector<RootEntry> parseRootFile(const QByteArray& bytes, const QString& path);

// Opens and reads the file (a regular file only; a missing one is a Failure naming it and
// the cause) and parses it.
std::vector<RootEntry> readRootFile(const QString& path);

} // namespace zilvaro
