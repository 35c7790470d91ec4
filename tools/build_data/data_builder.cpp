#include "data_builder.h"

#include "character_data.h"
#include "common/atomic_file.h"
#include "common/data_error.h"
#include "common/input_file.h"
#include "core/gbk.h"
#include "data/record_file.h"
#include "data/root_file.h"
#include "lookup/picture_pack.h"
#include "outline_picture.h"
#include "stroke_outlines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextStream>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>
#include <utility>

namespace zilvaro::build {

using tools::DataError;

std::vector<Decomposition> readDecompositionTable(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    std::vector<Decomposition> entries;
    QSet<QString> seen;
    for (const tools::TsvLine& line : tools::tsvLines(tools::readStrictUtf8InputFile(path))) {
        const QString where = QStringLiteral("%1:%2").arg(name).arg(line.number);
        Decomposition entry = parseDecompositionLine(line.text, where);
        if (seen.contains(entry.character)) {
            throw DataError(
                QStringLiteral("%1: %2 is listed a second time").arg(where, entry.character));
        }
        seen.insert(entry.character);
        entries.push_back(std::move(entry));
    }
    return entries;
}

namespace {

// Builds and saves the characters on all cores; the first failure in table order wins.
// Writes one picture into the new pictures' folder. A picture that shows the same pixels as
// the one of the previous build becomes a second link to that file instead: replacing
// thousands of files that did not change would cost the file system far more time than
// drawing them. (The pixels are compared, not the bytes, so a previous build's file whose
// row padding is not zeroed still counts as the same picture.)
void savePicture(const QImage& picture, const QString& file, const QString& previous,
                 const QString& character) {
    if (QFileInfo::exists(previous)) {
        const QImage old(previous);
        if (!old.isNull() && old.convertToFormat(QImage::Format_RGB32) ==
                                 picture.convertToFormat(QImage::Format_RGB32)) {
            std::error_code error;
            std::filesystem::create_hard_link(QFile::encodeName(previous).toStdString(),
                                              QFile::encodeName(file).toStdString(), error);
            if (!error) {
                return;
            }
        }
    }
    const QByteArray bytes = bitmapFileBytes(picture);
    QFile out(file);
    if (bytes.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
        !out.flush()) {
        throw DataError(QStringLiteral("%1: cannot write %2").arg(character, file));
    }
}

std::vector<CharacterData> buildAll(const std::vector<Decomposition>& entries,
                                    const QString& strokeFolder, const QString& pictureDir,
                                    const QString& previousDir) {
    std::vector<CharacterData> built(entries.size());
    std::vector<std::optional<QString>> errors(entries.size());
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};

    const auto work = [&] {
        for (size_t i = next++; i < entries.size() && !failed; i = next++) {
            const Decomposition& entry = entries[i];
            try {
                const StrokeOutlines strokes = loadStrokeOutlines(strokeFolder, entry.character);
                built[i] = buildCharacter(entry, strokes);
                const QString name = entry.character + QStringLiteral(".bmp");
                savePicture(built[i].picture, QDir(pictureDir).filePath(name),
                            QDir(previousDir).filePath(name), entry.character);
                built[i].sharpFile = bitmapFileBytes(built[i].sharpPicture);
                if (built[i].sharpFile.isEmpty()) {
                    throw DataError(
                        QStringLiteral("%1: cannot encode its sharp picture").arg(entry.character));
                }
                // Written, or kept for the pack; the pictures themselves are not needed.
                built[i].picture = QImage();
                built[i].sharpPicture = QImage();
            } catch (const DataError& e) {
                errors[i] = e.message();
                failed = true;
            } catch (const std::exception& e) {
                errors[i] =
                    QStringLiteral("%1: %2").arg(entry.character, QString::fromUtf8(e.what()));
                failed = true;
            }
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < cores; ++t) {
        workers.emplace_back(work);
    }
    work();
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (const std::optional<QString>& error : errors) {
        if (error) {
            throw DataError(*error);
        }
    }
    return built;
}

} // namespace

BuildSummary buildProgramData(const BuildInputs& inputs) {
    const std::vector<Decomposition> entries = readDecompositionTable(inputs.tablePath);
    if (entries.empty()) {
        throw DataError(QStringLiteral("%1: holds no character").arg(inputs.tablePath));
    }
    if (!QDir().mkpath(inputs.programDir)) {
        throw DataError(QStringLiteral("%1: cannot be created").arg(inputs.programDir));
    }
    const QDir programDir(inputs.programDir);
    // Folders and files left behind by a build that was interrupted.
    for (const QString& stale : programDir.entryList({QStringLiteral("*.building-*")},
                                                     QDir::Dirs | QDir::Files | QDir::Hidden)) {
        tools::removeOutput(programDir.filePath(stale));
    }

    QTemporaryDir pictures(programDir.filePath(QStringLiteral("bmp.building-XXXXXX")));
    if (!pictures.isValid()) {
        throw DataError(QStringLiteral("%1: cannot create a temporary folder (%2)")
                            .arg(inputs.programDir, pictures.errorString()));
    }
    const QString finalPictures = programDir.filePath(QStringLiteral("bmp"));
    std::vector<CharacterData> built =
        buildAll(entries, inputs.strokeFolder, pictures.path(), finalPictures);

    // The roots' names, once the pictures have checked every root's strokes.
    const RootNamer namer = RootNamer::load(inputs.roots, inputs.strokeFolder);
    std::vector<std::pair<int, RootEntry>> rootEntries;
    for (const Decomposition& entry : entries) {
        rootEntries.emplace_back(characterKey(entry.character), namer.entryOf(entry));
    }
    std::sort(rootEntries.begin(), rootEntries.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<RootEntry> sortedRoots;
    for (auto& [key, entry] : rootEntries) {
        sortedRoots.push_back(std::move(entry));
    }
    QString rootsError;
    const QByteArray rootsText = formatRootFile(sortedRoots, &rootsError);
    if (rootsText.isEmpty()) {
        throw DataError(QStringLiteral("%1: %2").arg(inputs.tablePath, rootsError));
    }

    const QString licenceName = QFileInfo(inputs.licencePath).fileName();
    if (!QFile::copy(inputs.licencePath, QDir(pictures.path()).filePath(licenceName))) {
        throw DataError(QStringLiteral("%1: cannot be copied").arg(inputs.licencePath));
    }

    // The sharp pictures, packed; each comes back byte for byte, which the pack's
    // checksums hold it to.
    std::vector<PackedPicture> sharp;
    for (CharacterData& data : built) {
        sharp.push_back(
            {static_cast<char32_t>(fromGbk(QByteArrayView(data.record).first(2)).toUcs4().value(0)),
             std::exchange(data.sharpFile, QByteArray())});
    }
    QString packError;
    const QByteArray pack = formatPicturePack(sharp, &packError);
    if (pack.isEmpty()) {
        throw DataError(QStringLiteral("%1: %2").arg(inputs.tablePath, packError));
    }
    sharp.clear();

    std::sort(built.begin(), built.end(),
              [](const CharacterData& a, const CharacterData& b) { return a.key < b.key; });
    QByteArray records;
    BuildSummary summary;
    for (const CharacterData& data : built) {
        records += data.record;
        double least = 1.0;
        for (const double coverage : data.coverage) {
            if (coverage > 0) {
                least = std::min(least, coverage);
            }
        }
        summary.leastCovered.emplace_back(least, fromGbk(QByteArrayView(data.record).first(2)));
    }
    std::stable_sort(summary.leastCovered.begin(), summary.leastCovered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    summary.leastCovered.resize(std::min<size_t>(summary.leastCovered.size(), 10));
    summary.characters = static_cast<int>(built.size());

    // Every output is written in full beside its place, then all are put in place
    // together: a failure on the way leaves the previous build's outputs as they were.
    std::vector<tools::StagedOutput> outputs{{pictures.path(), finalPictures}};
    const std::pair<QString, const QByteArray*> files[] = {
        {QString::fromLatin1(RecordFileName), &records},
        {QString::fromLatin1(RootFileName), &rootsText},
        {QString::fromLatin1(SharpPictureFileName), &pack}};
    std::vector<std::unique_ptr<QTemporaryFile>> staged;
    for (const auto& [name, bytes] : files) {
        auto& out = staged.emplace_back(std::make_unique<QTemporaryFile>(
            programDir.filePath(name + QStringLiteral(".building-XXXXXX"))));
        // Readable by all, as the files of an installed program folder are.
        if (!out->open() || out->write(*bytes) != bytes->size() || !out->flush() ||
            !out->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                 QFileDevice::ReadGroup | QFileDevice::ReadOther)) {
            throw DataError(QStringLiteral("%1: cannot be written (%2)")
                                .arg(programDir.filePath(name), out->errorString()));
        }
        outputs.push_back({out->fileName(), programDir.filePath(name)});
    }
    tools::replaceTogether(outputs);
    pictures.setAutoRemove(false);
    return summary;
}

} // namespace zilvaro::build
