#pragma once

#include "decomposition.h"
#include "root_names.h"

#include <QString>

#include <vector>

namespace zilvaro::build {

// Reads the decomposition table, one character a line (blank lines are skipped). A
// malformed line or a character listed twice is a DataError naming the file and line.
std::vector<Decomposition> readDecompositionTable(const QString& path);

struct BuildInputs {
    QString tablePath;    // data/decomposition.tsv
    QString strokeFolder; // node_modules/hanzi-writer-data
    QString licencePath;  // the stroke outlines' licence, shipped beside the pictures
    QString programDir;   // receives wwbb11.dat, roots.tsv and bmp/
    RootSources roots;    // the root chart, the stroke names and the frequency list
};

struct BuildSummary {
    int characters = 0;
    // The characters whose least covered root is least covered, worst first, at most ten:
    // the share of the root's pixels its fills and its outline make black, slivers aside.
    std::vector<std::pair<double, QString>> leastCovered;
};

// Builds bmp/<character>.bmp and the sharp bmp/<character>@2x.bmp for every character of
// the table, bmp/ARPHICPL.TXT, wwbb11.dat (records sorted by key) and roots.tsv (each
// character's named roots, in the same order) in the program's folder, on all cores. Everything is
// written to temporary files first and renamed into place only when all of it succeeded, so a
// DataError (or a file that cannot be written) leaves the previous output as it was.
BuildSummary buildProgramData(const BuildInputs& inputs);

} // namespace zilvaro::build
