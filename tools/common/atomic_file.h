#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace zilvaro::tools {

// Writes `bytes` to `path` through a temporary file beside it that is renamed into place
// once it is complete: the path holds either its old content or the whole new one, never
// a part. A failure is a DataError naming the path and the cause.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Removes a file, or a folder with everything in it, quietly when it is not there (much
// quicker than QDir::removeRecursively on thousands of pictures).
void removeOutput(const QString& path);

// A file or folder written beside its final place, and that place.
struct StagedOutput {
    QString staged;
    QString final;
};

// How an output is moved: rename(2), as QDir::rename does it.
using MoveFunction = std::function<bool(const QString& from, const QString& to)>;

// Puts every staged output in its final place, all of them or none: each final one that
// exists is first moved aside to "<final>.old", then the staged one moved in. When a move
// fails, the outputs already moved are moved back, in reverse order, and the old ones
// returned to their places, so the folder holds exactly what it held before; the failure
// is a DataError naming the output. When all moved, the old ones are removed. Leftover
// ".old" outputs of an interrupted run are removed first.
void replaceTogether(const std::vector<StagedOutput>& outputs,
                     const MoveFunction& move = MoveFunction());

} // namespace zilvaro::tools
