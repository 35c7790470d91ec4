#pragma once

#include "data/character_record.h"
#include "decomposition.h"
#include "stroke_outlines.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTransform>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Review sheets: each character drawn with its strokes coloured by root, the stroke
// numbers and keys of the table, and the four picture slots as the lookup shows them, so
// that a decomposition can be checked by eye.
namespace zilvaro::review {

// The colour of the root at `index` (0 for the first root): clearly distinct, dark enough
// for a white stroke number and a coloured key letter on white to stay legible.
QColor rootColour(int index);

// The decomposition table, read with the build's own line parser.
struct ReviewTable {
    QHash<QString, build::Decomposition> entries;
    QHash<QString, QString> lines; // the line as written, for the sheet
};

// Reads a decomposition table. A malformed line, or a character given twice, is a
// tools::DataError naming the file and the line.
ReviewTable readTable(const QString& path);

// The characters whose line differs between two tables (or that only one of them holds),
// in GB2312 order: what a change of the table needs looking at.
QStringList changedCharacters(const ReviewTable& before, const ReviewTable& after);

// `count` different characters drawn from the level (0: both levels), reproducibly from
// `seed`. More characters than the level holds is a tools::DataError.
QStringList drawRandom(int count, std::uint64_t seed, int level);
// The same from the characters of a table (the hand overrides), in GB2312 order.
QStringList drawRandomFrom(const ReviewTable& table, int count, std::uint64_t seed);

// The characters of a text, each once, in their first order; blanks are skipped. A
// character outside GB2312 is a tools::DataError naming `where`.
QStringList charactersOf(const QString& text, const QString& where);

// Reads a list of characters: any number per line, blanks between them ignored, lines
// starting with # skipped. A character outside GB2312 is a tools::DataError naming the file
// and the line.
QStringList readCharacterList(const QString& path);

// Where each stroke starts (the first point of its median in hanzi-writer-data), on the
// outlines' 1024 grid with y pointing up. A file without one median per stroke is a
// tools::DataError naming the character and the file.
std::vector<QPointF> loadStrokeStarts(const QString& folder, const QString& character);
std::vector<QPointF> parseStrokeStarts(const QByteArray& json, const QString& source);

// The four picture slots as the lookup presents a found record: the decomposition
// picture in slot 0 and copied to the slots the rules name, each slot's seed list filled
// black, the identification-code picture where the record holds the mark, empty slots
// white. Each image is a slot's surface, at the picture's scale (its device pixel ratio:
// 2 for a sharp picture, whose identification-code pictures are the sharp ones too).
std::array<QImage, 4> shownSlots(const CharacterRecord& record, const QImage& picture);

// Everything one cell of a sheet shows.
struct ReviewCell {
    build::Decomposition entry;
    QString line;                          // the table line
    build::StrokeOutlines outlines;        // stroke outlines, writing order
    std::vector<QPointF> strokeStarts;     // one per stroke
    std::optional<CharacterRecord> record; // the record of wwbb11.dat, when found
    std::array<QImage, 4> shown; // the slots as shown; null images when there is no record
    QStringList problems;        // shown in red (record and table disagree...)
};

// Gathers a cell: the table's entry, the outlines and the record with its slots read
// from the program folder (the record file and bmp/, or with scale 2 the sharp pictures'
// pack). A character missing from the table, or outlines that do not fit the entry, is a
// tools::DataError naming the character; a missing or differing record, or a missing
// picture, is a problem shown on the cell.
ReviewCell gatherCell(const QString& character, const ReviewTable& table,
                      const QString& outlineFolder, const QString& programDir, int scale = 1);

// The cell's size in pixels.
constexpr int CellWidth = 480;
constexpr int CellHeight = 392;

// Where a cell draws the strokes: from the outlines' 1024 grid (y up) to cell pixels.
QTransform strokeTransform();

// Draws one cell: title with the codes, the strokes coloured by root with their numbers
// at their starts, the key and strokes of each root in its colour and the slot showing
// it, then the four slots at their real size. Slots of sharp pictures make the whole cell
// twice as fine, so that they keep every device pixel.
QImage drawCell(const ReviewCell& cell, int number);

// Lays cells out in a grid of `columns`, under a title line.
QImage drawSheet(const std::vector<QImage>& cells, int columns, const QString& title);

} // namespace zilvaro::review
