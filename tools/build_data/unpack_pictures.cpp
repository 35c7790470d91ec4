// Writes sharp pictures out of a pack, each as the BMP file it was packed from:
//
//   unpack_pictures <pack> <folder> [character...]
//
// into <folder>/<character>@2x.bmp, every picture of the pack when no character is named.
// For the checks that compare what the window shows with the pictures themselves, and
// for looking at a picture by hand.

#include "core/failure.h"
#include "lookup/picture_pack.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: unpack_pictures <pack> <folder> [character...]\n");
        return 2;
    }
    try {
        const zilvaro::PicturePack pack(args[1]);
        std::vector<char32_t> characters;
        for (const QString& text : args.mid(3)) {
            const QList<uint> points = text.toUcs4();
            if (points.size() != 1) {
                std::fprintf(stderr, "unpack_pictures: %s is not one character\n",
                             qPrintable(text));
                return 2;
            }
            characters.push_back(points[0]);
        }
        if (characters.empty()) {
            characters = pack.characters();
        }
        if (!QDir().mkpath(args[2])) {
            std::fprintf(stderr, "unpack_pictures: %s cannot be created\n", qPrintable(args[2]));
            return 1;
        }
        for (const char32_t character : characters) {
            const QString name = QString::fromUcs4(&character, 1) + QStringLiteral("@2x.bmp");
            const std::optional<QByteArray> file = pack.bmpFile(character);
            if (!file) {
                std::fprintf(stderr, "unpack_pictures: %s has no picture of %s\n",
                             qPrintable(args[1]), qPrintable(name.first(name.size() - 7)));
                return 1;
            }
            QSaveFile out(QDir(args[2]).filePath(name));
            if (!out.open(QIODevice::WriteOnly) || out.write(*file) != file->size() ||
                !out.commit()) {
                std::fprintf(stderr, "unpack_pictures: %s cannot be written (%s)\n",
                             qPrintable(out.fileName()), qPrintable(out.errorString()));
                return 1;
            }
        }
        std::printf("unpack_pictures: %zu pictures of %d written to %s\n", characters.size(),
                    pack.size(), qPrintable(args[2]));
        return 0;
    } catch (const zilvaro::Failure& failure) {
        std::fprintf(stderr, "unpack_pictures: %s\n", qPrintable(failure.message()));
        return 1;
    }
}
