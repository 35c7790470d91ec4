// Draws review sheets: for each character, its strokes coloured by root with their
// numbers, the key of each root, its codes and the four picture slots as the lookup shows
// them, twelve to twenty characters to a PNG sheet.
//
//   review_sheets [characters...] [--file LIST] [--random N --seed S [--level 1|2 | --among TSV]]
//                 [--table TSV] [--outlines DIR] [--program-dir DIR] [--out DIR]
//                 [--changed-from OLD_TSV] [--per-sheet N] [--columns N] [--name PREFIX]

#include "common/atomic_file.h"
#include "common/data_error.h"
#include "review_sheet.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

using namespace zilvaro;

namespace {

int intOption(const QCommandLineParser& parser, const QString& name, int low, int high) {
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < low || value > high) {
        throw tools::DataError(QStringLiteral("--%1 %2: expected a whole number from %3 to %4")
                                   .arg(name, parser.value(name))
                                   .arg(low)
                                   .arg(high));
    }
    return value;
}

int run(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws decomposition review sheets into PNG files."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("characters"),
                                 QStringLiteral("Characters to draw."));
    parser.addOptions({
        {QStringLiteral("file"), QStringLiteral("A list of characters, any number per line."),
         QStringLiteral("LIST")},
        {QStringLiteral("random"), QStringLiteral("Draw N characters at random."),
         QStringLiteral("N")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the random draw."), QStringLiteral("S")},
        {QStringLiteral("level"), QStringLiteral("Draw from GB2312 level 1 or 2 only."),
         QStringLiteral("1|2")},
        {QStringLiteral("among"),
         QStringLiteral("Draw from the characters of this table instead (the hand overrides)."),
         QStringLiteral("TSV")},
        {QStringLiteral("changed-from"),
         QStringLiteral("Add every character whose line differs from this older table."),
         QStringLiteral("TSV")},
        {QStringLiteral("table"), QStringLiteral("The decomposition table."), QStringLiteral("TSV"),
         QStringLiteral(ZILVARO_SOURCE_DIR "/data/decomposition.tsv")},
        {QStringLiteral("outlines"), QStringLiteral("The hanzi-writer-data folder."),
         QStringLiteral("DIR"),
         QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/hanzi-writer-data")},
        {QStringLiteral("program-dir"),
         QStringLiteral("The folder holding the record file, bmp/ and the sharp pictures."),
         QStringLiteral("DIR"), QStringLiteral(ZILVARO_PROGRAM_DIR)},
        {QStringLiteral("sharp"),
         QStringLiteral("Show the slots as a high-DPI screen does, from the sharp pictures' "
                        "pack; the sheets are drawn twice as fine.")},
        {QStringLiteral("out"), QStringLiteral("Where the sheets go."), QStringLiteral("DIR"),
         QStringLiteral(ZILVARO_PROGRAM_DIR "/review")},
        {QStringLiteral("per-sheet"), QStringLiteral("Characters per sheet (12)."),
         QStringLiteral("N"), QStringLiteral("12")},
        {QStringLiteral("columns"), QStringLiteral("Columns of a sheet (3)."), QStringLiteral("N"),
         QStringLiteral("3")},
        {QStringLiteral("name"), QStringLiteral("File name prefix of the sheets (sheet)."),
         QStringLiteral("PREFIX"), QStringLiteral("sheet")},
    });
    parser.process(arguments);

    QStringList list;
    for (const QString& text : parser.positionalArguments()) {
        list += review::charactersOf(text, QStringLiteral("command line"));
    }
    if (parser.isSet(QStringLiteral("file"))) {
        list += review::readCharacterList(parser.value(QStringLiteral("file")));
    }
    QString drawn;
    if (parser.isSet(QStringLiteral("random"))) {
        if (!parser.isSet(QStringLiteral("seed"))) {
            throw tools::DataError(
                QStringLiteral("--random needs --seed, so that the draw can be repeated"));
        }
        bool ok = false;
        const quint64 seed = parser.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok) {
            throw tools::DataError(
                QStringLiteral("--seed %1: expected a whole number").arg(parser.value("seed")));
        }
        const int level = parser.isSet(QStringLiteral("level"))
                              ? intOption(parser, QStringLiteral("level"), 1, 2)
                              : 0;
        const int count = intOption(parser, QStringLiteral("random"), 1, 6763);
        if (parser.isSet(QStringLiteral("among"))) {
            const QString among = parser.value(QStringLiteral("among"));
            list += review::drawRandomFrom(review::readTable(among), count, seed);
            drawn =
                QStringLiteral(", %1 drawn with seed %2 from %3").arg(count).arg(seed).arg(among);
        } else {
            list += review::drawRandom(count, seed, level);
            drawn = QStringLiteral(", %1 drawn with seed %2%3")
                        .arg(count)
                        .arg(seed)
                        .arg(level ? QStringLiteral(" from level %1").arg(level) : QString());
        }
    }
    const QString tablePath = parser.value(QStringLiteral("table"));
    const review::ReviewTable table = review::readTable(tablePath);
    if (parser.isSet(QStringLiteral("changed-from"))) {
        const QString before = parser.value(QStringLiteral("changed-from"));
        const QStringList changed = review::changedCharacters(review::readTable(before), table);
        list += changed;
        drawn += QStringLiteral(", %1 changed since %2").arg(changed.size()).arg(before);
    }
    list.removeDuplicates();
    if (list.isEmpty()) {
        std::fprintf(stderr, "review_sheets: no characters; give some, --file, --random or "
                             "--changed-from (see --help)\n");
        return 2;
    }
    const int perSheet = intOption(parser, QStringLiteral("per-sheet"), 1, 100);
    const int columns = intOption(parser, QStringLiteral("columns"), 1, 10);
    const QString prefix = parser.value(QStringLiteral("name"));
    // Gather every cell first: a faulty character stops the run before any sheet is written.
    std::vector<QImage> cells;
    for (int i = 0; i < list.size(); ++i) {
        const review::ReviewCell cell =
            review::gatherCell(list[i], table, parser.value(QStringLiteral("outlines")),
                               parser.value(QStringLiteral("program-dir")),
                               parser.isSet(QStringLiteral("sharp")) ? 2 : 1);
        cells.push_back(review::drawCell(cell, i + 1));
    }
    const QDir out(parser.value(QStringLiteral("out")));
    if (!out.mkpath(QStringLiteral("."))) {
        throw tools::DataError(QStringLiteral("%1: cannot create the folder").arg(out.path()));
    }
    const int sheets = (static_cast<int>(cells.size()) + perSheet - 1) / perSheet;
    QString listing =
        QStringLiteral("# %1 characters from %2%3\n").arg(list.size()).arg(tablePath, drawn);
    for (int s = 0; s < sheets; ++s) {
        const int first = s * perSheet;
        const int last = std::min(static_cast<int>(cells.size()), first + perSheet);
        const std::vector<QImage> part(cells.begin() + first, cells.begin() + last);
        const QString title = QStringLiteral("%1 %2/%3: %4  (%5)")
                                  .arg(prefix)
                                  .arg(s + 1)
                                  .arg(sheets)
                                  .arg(list.mid(first, last - first).join(QString()), tablePath);
        const QImage sheet = review::drawSheet(part, columns, title);
        const QString path = out.filePath(
            QStringLiteral("%1-%2.png").arg(prefix).arg(s + 1, 2, 10, QLatin1Char('0')));
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            if (!sheet.save(&buffer, "PNG")) {
                throw tools::DataError(QStringLiteral("%1: cannot encode the sheet").arg(path));
            }
        }
        tools::writeFileAtomically(path, png);
        listing +=
            QStringLiteral("%1\t%2\n")
                .arg(QFileInfo(path).fileName(), list.mid(first, last - first).join(QString()));
        std::printf("%s\n", qPrintable(path));
    }
    tools::writeFileAtomically(out.filePath(prefix + QStringLiteral(".txt")), listing.toUtf8());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // The sheets are drawn into images; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    try {
        return run(app.arguments());
    } catch (const tools::DataError& e) {
        std::fprintf(stderr, "review_sheets: %s\n", qPrintable(e.message()));
        return 1;
    }
}
