#pragma once

#include "data/root_file.h"
#include "query/code_pattern.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace zilvaro::query {

// What the command line tells of one character.
struct CharacterFacts {
    QString character;
    QString fullCode;       // the longest of its codes (wubiCodes)
    QStringList shortCodes; // the others, shortest first
    RootEntry roots;
    QStringList readings; // with tone marks, the most frequent first (tonedReadings); may be empty
};

// One character found by code, and how.
struct CodeHit {
    const CharacterFacts* facts = nullptr;
    bool exact = false; // its full or short code is the code asked for
};

// The program folder's data, read once: every character of wwbb11.dat with its roots from
// roots.tsv, and its codes and readings from the lists compiled into the program (the ones
// the window shows), indexed by character and ordered by frequency for the search by code.
class QueryData {
public:
    // Reads <programDir>/wwbb11.dat and <programDir>/roots.tsv. A missing or broken file,
    // two files that do not hold the same characters, or a record whose full code is not
    // the program's, is a Failure naming the file and the cause.
    static QueryData load(const QString& programDir);
    // For tests: data made of facts given directly (in code order).
    static QueryData fromFacts(std::vector<CharacterFacts> facts);

    // nullptr when the data has no entry for the character.
    const CharacterFacts* find(const QString& character) const;

    // The characters whose full or short code is the code, then those whose full code
    // begins with it; each group the more frequent first (characters the frequency list
    // lacks last, in code order). At most `limit` (all when limit < 0).
    std::vector<CodeHit> byCode(const CodePattern& code, int limit) const;

    int size() const { return int(facts_.size()); }

private:
    void index();

    std::vector<CharacterFacts> facts_; // in frequency order
    QHash<QString, int> byCharacter_;
};

// The program folder the program reads when none is given: the folder the program lies
// in when it holds the record file (the build folder), or else the folder at `relative`
// from it (<prefix>/lib/zilvaro from <prefix>/bin).
QString defaultProgramDir(const QString& executableDir, const QString& relative);

} // namespace zilvaro::query
