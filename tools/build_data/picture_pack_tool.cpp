// Packs one-bit BMP files of sharp pictures, and writes pictures out of a pack again:
//
//   picture_pack unpack <pack> <folder> [character...]
//       writes <folder>/<character>@2x.bmp, every picture of the pack when no character is
//       named: for the checks that compare what the window shows with the pictures, and
//       for looking at a picture by hand;
//   picture_pack pack [--even-odds] <pack> <file>...
//       packs the files, each named <character>@2x.bmp, with the model trained on them, or
//       with even odds (the fuzzer's seeds, whose model the fuzzer puts in itself).
//
// build_data packs the program's pictures itself, as it draws them.

#include "core/failure.h"
#include "lookup/picture_pack.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

using zilvaro::Failure;

constexpr char Suffix[] = "@2x.bmp";

void save(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        throw Failure(QStringLiteral("%1 cannot be written (%2)").arg(path, out.errorString()));
    }
}

char32_t characterOf(const QString& text) {
    const QList<uint> points = text.toUcs4();
    if (points.size() != 1) {
        throw Failure(QStringLiteral("%1 is not one character").arg(text));
    }
    return points[0];
}

int unpack(const QStringList& args) {
    const zilvaro::PicturePack pack(args[0]);
    std::vector<char32_t> characters;
    for (const QString& text : args.mid(2)) {
        characters.push_back(characterOf(text));
    }
    if (characters.empty()) {
        characters = pack.characters();
    }
    if (!QDir().mkpath(args[1])) {
        throw Failure(QStringLiteral("%1 cannot be created").arg(args[1]));
    }
    for (const char32_t character : characters) {
        const QString text = QString::fromUcs4(&character, 1);
        const std::optional<QByteArray> file = pack.bmpFile(character);
        if (!file) {
            throw Failure(QStringLiteral("%1 has no picture of %2").arg(args[0], text));
        }
        save(QDir(args[1]).filePath(text + QString::fromLatin1(Suffix)), *file);
    }
    std::printf("picture_pack: %zu pictures of %d written to %s\n", characters.size(), pack.size(),
                qPrintable(args[1]));
    return 0;
}

int pack(QStringList args) {
    std::optional<zilvaro::BilevelModel> model;
    if (!args.isEmpty() && args[0] == QStringLiteral("--even-odds")) {
        model = zilvaro::BilevelModel();
        args.removeFirst();
    }
    if (args.size() < 2) {
        throw Failure(QStringLiteral("pack needs a pack and at least one file"));
    }
    std::vector<zilvaro::PackedPicture> pictures;
    for (const QString& path : args.mid(1)) {
        const QString name = QFileInfo(path).fileName();
        if (!name.endsWith(QString::fromLatin1(Suffix))) {
            throw Failure(QStringLiteral("%1 is not named <character>%2").arg(path, Suffix));
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            throw Failure(QStringLiteral("%1 cannot be read (%2)").arg(path, file.errorString()));
        }
        pictures.push_back({characterOf(name.chopped(int(sizeof Suffix) - 1)), file.readAll()});
    }
    QString error;
    const QByteArray bytes = zilvaro::formatPicturePack(pictures, &error, model);
    if (bytes.isEmpty()) {
        throw Failure(error);
    }
    save(args[0], bytes);
    std::printf("picture_pack: %zu pictures packed into %s, %lld bytes\n", pictures.size(),
                qPrintable(args[0]), static_cast<long long>(bytes.size()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() >= 3 && args[0] == QStringLiteral("unpack")) {
            return unpack(args.mid(1));
        }
        if (args.size() >= 2 && args[0] == QStringLiteral("pack")) {
            return pack(args.mid(1));
        }
    } catch (const Failure& failure) {
        std::fprintf(stderr, "picture_pack: %s\n", qPrintable(failure.message()));
        return 1;
    }
    std::fprintf(stderr, "usage: picture_pack unpack <pack> <folder> [character...]\n"
                         "       picture_pack pack [--even-odds] <pack> <file>...\n");
    return 2;
}
