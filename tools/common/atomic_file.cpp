#include "atomic_file.h"

#include "data_error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace zilvaro::tools {

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw DataError(path, 0, QStringLiteral("cannot be written (%1)").arg(file.errorString()));
}

namespace {

bool exists(const QString& path) {
    std::error_code ignored;
    return std::filesystem::symlink_status(
               std::filesystem::path(QFile::encodeName(path).toStdString()), ignored)
               .type() != std::filesystem::file_type::not_found;
}

} // namespace

void removeOutput(const QString& path) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(QFile::encodeName(path).toStdString()),
                                ignored);
}

void replaceTogether(const std::vector<StagedOutput>& outputs, const MoveFunction& move) {
    const MoveFunction rename = move ? move : [](const QString& from, const QString& to) {
        return QDir().rename(from, to);
    };
    auto aside = [](const StagedOutput& output) { return output.final + QStringLiteral(".old"); };
    for (const StagedOutput& output : outputs) {
        removeOutput(aside(output));
    }

    // What has been done so far, to be undone in reverse order.
    struct Step {
        QString from;
        QString to;
    };
    std::vector<Step> done;
    auto undo = [&] {
        for (auto step = done.rbegin(); step != done.rend(); ++step) {
            rename(step->to, step->from);
        }
    };
    for (const StagedOutput& output : outputs) {
        if (exists(output.final)) {
            if (!rename(output.final, aside(output))) {
                undo();
                throw DataError(output.final, 0, QStringLiteral("cannot be replaced"));
            }
            done.push_back({output.final, aside(output)});
        }
        if (!rename(output.staged, output.final)) {
            undo();
            throw DataError(output.final, 0,
                            QStringLiteral("cannot be replaced by %1").arg(output.staged));
        }
        done.push_back({output.staged, output.final});
    }
    for (const StagedOutput& output : outputs) {
        removeOutput(aside(output));
    }
}

} // namespace zilvaro::tools
