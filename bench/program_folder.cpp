#include "program_folder.h"

#include "data/record_file.h"
#include "data/root_file.h"
#include "form11_fixture.h"
#include "record_builder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <stdexcept>

namespace zilvaro::bench {

namespace {

bool holdsRecords(const QString& folder) {
    return QFileInfo(recordFilePath(folder)).isFile();
}

BenchFolder describe(const QString& folder) {
    const QString path = QDir(folder).absolutePath();
    const bool madeUp = QFileInfo::exists(QDir(path).filePath(QLatin1String(madeUpMarker)));
    return {path,
            (madeUp ? QStringLiteral("made-up data: ") : QStringLiteral("real data: ")) + path};
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

} // namespace

void makeMadeUpFolder(const QString& path) {
    const QFileInfo target(path);
    QDir().mkpath(target.absolutePath());
    QTemporaryDir fresh(target.absoluteFilePath() + QStringLiteral(".part-XXXXXX"));
    if (!fresh.isValid()) {
        throw std::runtime_error("cannot make a folder next to " + path.toStdString());
    }
    // One seed at the picture's centre (50, 50 pixels = 750 twips) for every slot: it
    // fills the whole inside of the frame, more than any real root covers.
    const QString seed = QStringLiteral(" 750 750");
    const QStringList characters = test::gb2312Characters();
    QByteArray records;
    for (CharacterRecord record : test::recordsFor(characters)) {
        record.FillPoints1 = record.FillPoints2 = record.FillPoints3 = record.FillPoints4 = seed;
        records.append(test::encodeRecord(record));
    }
    writeFile(recordFilePath(fresh.path()), records);
    // The roots file the window reads beside it, naming no character: the slots show
    // their keys alone.
    writeFile(fresh.filePath(QLatin1String(RootFileName)), formatRootFile({}));
    QDir(fresh.path()).mkdir(QStringLiteral("bmp"));
    const QImage picture = test::plainPicture();
    for (const QString& c : characters) {
        if (!picture.save(fresh.filePath(QStringLiteral("bmp/") + c + QStringLiteral(".bmp")),
                          "BMP")) {
            throw std::runtime_error("cannot write a picture in " + fresh.path().toStdString());
        }
    }
    writeFile(fresh.filePath(QLatin1String(madeUpMarker)),
              "Made-up records and pictures for benchmarks, not Zilvaro's data.\n");
    if (!QDir().rename(fresh.path(), target.absoluteFilePath())) {
        if (!holdsRecords(path)) { // not another benchmark that was faster
            throw std::runtime_error("cannot rename a made-up folder to " + path.toStdString());
        }
        return;
    }
    fresh.setAutoRemove(false);
}

BenchFolder chooseProgramFolder(const QString& requested, const QString& buildProgramDir,
                                const QString& madeUpPath) {
    if (!requested.isEmpty()) {
        if (!holdsRecords(requested) ||
            !QFileInfo(QDir(requested).filePath(QStringLiteral("bmp"))).isDir()) {
            throw std::runtime_error("the program folder " + requested.toStdString() +
                                     " holds no wwbb11.dat and bmp/");
        }
        return describe(requested);
    }
    if (holdsRecords(buildProgramDir)) {
        return describe(buildProgramDir);
    }
    if (!holdsRecords(madeUpPath)) {
        makeMadeUpFolder(madeUpPath);
    }
    return describe(madeUpPath);
}

} // namespace zilvaro::bench
