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
    QString programDir;   // receives wwbb11.dat, roots.tsv, bmp/ and bmp@2x.pack
    RootSources roots;    // the root chart, the stroke names and the frequency list
};

struct BuildSummary {
    int characters = 0;
    // The characters whose least covered root is least covered, worst first, at most ten:
    // the share of the root's pixels its fills and its outline make black, slivers aside.
    std::vector<std::pair<double, QString>> leastCovered;
};

// Builds bmp/<character>.bmp for every character of the table and the pack of their sharp
// pictures bmp@2x.pack, bmp/ARPHICPL.TXT, wwbb11.dat (records sorted by key) and roots.tsv (each
// character's named roots, in the same order) in the program's folder, on all cores. Everything is
// written beside its place first and all of it put in place together only when all of it was
// written (tools::replaceTogether), so a DataError (or a file that cannot be written or moved)
// leaves the previous output as it was.
BuildSummary buildProgramData(const BuildInputs& inputs);

} // namespace zilvaro::build
