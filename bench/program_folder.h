#pragma once

#include <QString>

namespace zilvaro::bench {

// The program folder a benchmark runs on, and how to name its data in the output.
struct BenchFolder {
    QString path;
    QString description; // "real data: <folder>" or "made-up data: <folder>"
};

// The file that marks a folder of made-up data.
inline constexpr const char* madeUpMarker = "MADE-UP-DATA";

// Picks the program folder: the requested one when given (it must hold wwbb11.dat and
// bmp/), else the build's program folder when it holds wwbb11.dat, else the folder of
// made-up data at madeUpPath, made first when it is not there yet. Throws
// std::runtime_error naming the folder when the requested one lacks its data.
BenchFolder chooseProgramFolder(const QString& requested, const QString& buildProgramDir,
                                const QString& madeUpPath);

// Writes a program folder like the tests' one at path: a record and a 108 x 109 picture
// for each of the 6763 GB2312 characters, with made-up codes and one seed point per
// slot inside the picture's frame, so that every hit fills four roots. Made in a
// temporary folder next to path and renamed into place, so an interrupted run leaves
// no half-made folder behind.
void makeMadeUpFolder(const QString& path);

} // namespace zilvaro::bench
