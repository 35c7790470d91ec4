#include "review_sheet.h"

#include "common/data_error.h"
#include "common/gb2312.h"
#include "common/hanzi_writer.h"
#include "common/input_file.h"
#include "core/gbk.h"
#include "data/record_file.h"
#include "lookup/binary_search.h"
#include "lookup/decomposition_picture.h"
#include "lookup/identification_code.h"
#include "lookup/picture_pack.h"
#include "lookup/picture_surface.h"
#include "lookup/root_fill.h"
#include "lookup/slot_rules.h"
#include "ui/assets.h"
#include "ui/fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator64>

#include <algorithm>

namespace zilvaro::review {

using tools::DataError;
using tools::gb2312Texts;

QColor rootColour(int index) {
    // Ten colours far apart in hue and lightness; beyond them the hue keeps turning.
    static const QRgb palette[] = {
        0xd62728, // red
        0x1f5fbf, // blue
        0x2ca02c, // green
        0xff8c00, // orange
        0x8c2dbf, // purple
        0x00a0a0, // teal
        0x8b5a2b, // brown
        0xe03fa8, // magenta
        0x6b7f00, // olive
        0x2f2f7f, // navy
    };
    constexpr int paletteSize = static_cast<int>(std::size(palette));
    if (index >= 0 && index < paletteSize) {
        return QColor::fromRgb(palette[index]);
    }
    return QColor::fromHsv((index * 67) % 360, 220, 170);
}

ReviewTable readTable(const QString& path) {
    ReviewTable table;
    for (const tools::TsvLine& tsvLine : tools::tsvLines(tools::readUtf8InputFile(path))) {
        const QString& line = tsvLine.text;
        if (line.trimmed().isEmpty()) {
            continue;
        }
        const QString where = QStringLiteral("%1:%2").arg(path).arg(tsvLine.number);
        build::Decomposition entry = build::parseDecompositionLine(line, where);
        if (table.entries.contains(entry.character)) {
            throw DataError(
                QStringLiteral("%1: %2 is already in the table").arg(where, entry.character));
        }
        table.lines.insert(entry.character, line);
        table.entries.insert(entry.character, std::move(entry));
    }
    return table;
}

QStringList changedCharacters(const ReviewTable& before, const ReviewTable& after) {
    QStringList changed;
    for (const QString& character : gb2312Texts()) {
        if (before.lines.value(character) != after.lines.value(character)) {
            changed << character;
        }
    }
    return changed;
}

namespace {
QStringList drawFrom(QStringList pool, int count, std::uint64_t seed) {
    if (count < 0 || count > pool.size()) {
        throw DataError(
            QStringLiteral("cannot draw %1 characters from %2").arg(count).arg(pool.size()));
    }
    // A partial Fisher-Yates shuffle: the first `count` places get the draw.
    QRandomGenerator64 generator(seed);
    for (int i = 0; i < count; ++i) {
        const int j =
            i + static_cast<int>(generator.bounded(static_cast<quint64>(pool.size() - i)));
        pool.swapItemsAt(i, j);
    }
    return pool.mid(0, count);
}
} // namespace

QStringList drawRandom(int count, std::uint64_t seed, int level) {
    return drawFrom(gb2312Texts(level), count, seed);
}

QStringList drawRandomFrom(const ReviewTable& table, int count, std::uint64_t seed) {
    QStringList pool;
    for (const QString& character : gb2312Texts()) {
        if (table.lines.contains(character)) {
            pool << character;
        }
    }
    return drawFrom(pool, count, seed);
}

QStringList charactersOf(const QString& text, const QString& where) {
    QStringList list;
    for (const QString& character : characters(text)) {
        if (character.trimmed().isEmpty()) {
            continue;
        }
        const std::optional<QByteArray> gbk = toGbk(character);
        const bool gb2312 = gbk && gbk->size() == 2 && static_cast<quint8>(gbk->at(0)) >= 0xb0 &&
                            static_cast<quint8>(gbk->at(0)) <= 0xf7 &&
                            static_cast<quint8>(gbk->at(1)) >= 0xa1;
        if (!gb2312) {
            throw DataError(QStringLiteral("%1: \"%2\" (U+%3) is not a GB2312 Chinese character")
                                .arg(where, character)
                                .arg(character.toUcs4().value(0), 4, 16, QLatin1Char('0')));
        }
        if (!list.contains(character)) {
            list << character;
        }
    }
    return list;
}

QStringList readCharacterList(const QString& path) {
    QStringList list;
    for (const tools::TsvLine& line : tools::tsvLines(tools::readUtf8InputFile(path))) {
        for (const QString& character :
             charactersOf(line.text, QStringLiteral("%1:%2").arg(path).arg(line.number))) {
            if (!list.contains(character)) {
                list << character;
            }
        }
    }
    return list;
}

namespace {

std::vector<QPointF> strokeStartsOf(const tools::HanziWriterEntry& entry) {
    std::vector<QPointF> starts;
    for (const QVector<QPointF>& median : tools::medianLines(entry)) {
        starts.push_back(median.first());
    }
    return starts;
}

} // namespace

std::vector<QPointF> parseStrokeStarts(const QByteArray& json, const QString& source) {
    return strokeStartsOf(tools::parseHanziWriterEntry(json, source));
}

std::vector<QPointF> loadStrokeStarts(const QString& folder, const QString& character) {
    return strokeStartsOf(tools::readHanziWriterEntry(folder, character));
}

std::array<QImage, 4> shownSlots(const CharacterRecord& record, const QImage& picture) {
    const int scale = pictureScaleFor(picture.devicePixelRatio());
    PictureSurface boxes[4];
    for (PictureSurface& box : boxes) {
        box.setScaleMode(ScaleUnit::Twip);
    }
    // The same steps, in the same order, as the lookup's presentation of a hit.
    boxes[0].setPicture(picture);
    prepareSlots({&boxes[0], &boxes[1], &boxes[2], &boxes[3]}, record.FillPoints3,
                 record.FillPoints4, record.RootCode);
    fillSlotFromSeedList(boxes[0], record.FillPoints1);
    fillSlotFromSeedList(boxes[1], record.FillPoints2);
    const auto showIdentification = [&](PictureSurface& box, int position) {
        if (position < record.FullCode.size()) {
            if (const std::optional<int> index =
                    identificationPictureIndex(record.FullCode[position])) {
                box.setPicture(assets::identificationCode(*index, scale));
            }
        }
    };
    [&] {
        if (isIdentificationMark(record.FillPoints3)) {
            showIdentification(boxes[2], 2);
            return;
        }
        fillSlotFromSeedList(boxes[2], record.FillPoints3);
        if (isIdentificationMark(record.FillPoints4)) {
            showIdentification(boxes[3], 3);
            return;
        }
        if (!leavesFourthRootUnfilled(record.Character)) {
            fillSlotFromSeedList(boxes[3], record.FillPoints4);
        }
    }();
    std::array<QImage, 4> shown;
    for (int k = 0; k < 4; ++k) {
        shown[static_cast<size_t>(k)] = boxes[k].surface().copy();
        shown[static_cast<size_t>(k)].setDevicePixelRatio(scale);
    }
    return shown;
}

ReviewCell gatherCell(const QString& character, const ReviewTable& table,
                      const QString& outlineFolder, const QString& programDir, int scale) {
    ReviewCell cell;
    const auto found = table.entries.constFind(character);
    if (found == table.entries.cend()) {
        throw DataError(QStringLiteral("%1: not in the decomposition table").arg(character));
    }
    cell.entry = *found;
    cell.line = table.lines.value(character);
    cell.outlines = build::loadStrokeOutlines(outlineFolder, character);
    cell.strokeStarts = loadStrokeStarts(outlineFolder, character);
    // Every stroke in exactly one root, and no root beyond the outlines.
    build::layoutSlots(cell.entry, static_cast<int>(cell.outlines.size()));

    const QString recordPath = recordFilePath(programDir);
    if (!QFileInfo::exists(recordPath)) {
        throw DataError(QStringLiteral("%1: no record file; build the target character_data first")
                            .arg(recordPath));
    }
    RecordFile records(recordPath);
    SearchResult search = bisectRecords(records, character);
    if (search.LookupFound != -1) {
        cell.problems << QStringLiteral("no record in wwbb11.dat");
        return cell;
    }
    // As the lookup's display does: the record found is read again by its number (the last
    // record probed may be another).
    cell.record = records.read(search.CurrentRecordNumber);
    const CharacterRecord& record = *cell.record;
    if (record.FullCode.trimmed() != cell.entry.fullCode ||
        record.ShortCode.trimmed() != cell.entry.shortCode ||
        record.RootCode.trimmed() != cell.entry.rootCode) {
        cell.problems << QStringLiteral("record %1/%2/%3 differs from the table")
                             .arg(record.FullCode.trimmed(), record.ShortCode.trimmed(),
                                  record.RootCode.trimmed());
    }
    const QString picturePath = decompositionPicturePath(programDir, record.Character);
    if (!QFileInfo::exists(picturePath)) {
        cell.problems << QStringLiteral("no picture %1").arg(QFileInfo(picturePath).fileName());
        return cell;
    }
    const QImage picture = loadSlotPicture(programDir, record.Character, scale);
    if (pictureScaleFor(picture.devicePixelRatio()) != scale) {
        cell.problems << QStringLiteral("no sharp picture in %1")
                             .arg(QString::fromLatin1(SharpPictureFileName));
        return cell;
    }
    cell.shown = shownSlots(record, picture);
    return cell;
}

namespace {

QFont uiFont(int pixelSize, bool bold = false) {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans")} + songFamilies());
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont songPixelFont(int pixelSize) {
    QFont font;
    font.setFamilies(songFamilies());
    font.setPixelSize(pixelSize);
    return font;
}

// Text with a white halo, so that it stays legible over coloured strokes.
void drawHaloText(QPainter& painter, const QPointF& centre, const QString& text,
                  const QColor& colour) {
    const QFontMetricsF metrics(painter.font());
    const QRectF box(centre.x() - metrics.horizontalAdvance(text) / 2 - 1,
                     centre.y() - metrics.height() / 2, metrics.horizontalAdvance(text) + 2,
                     metrics.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

QString strokeList(const std::vector<int>& strokes) {
    QStringList numbers;
    for (int stroke : strokes) {
        numbers << QString::number(stroke);
    }
    return numbers.join(u',');
}

} // namespace

namespace {
const QRectF StrokeArea(8, 36, 224, 224);
} // namespace

QTransform strokeTransform() {
    QTransform grid;
    grid.translate(StrokeArea.left(), StrokeArea.top());
    grid.scale(StrokeArea.width() / 1024.0, -StrokeArea.height() / 1024.0);
    grid.translate(0, -900);
    return grid;
}

QImage drawCell(const ReviewCell& cell, int number) {
    const qreal scale = cell.shown[0].isNull() ? 1.0 : cell.shown[0].devicePixelRatio();
    QImage image(qRound(CellWidth * scale), qRound(CellHeight * scale), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(0xbbbbbb));
    painter.drawRect(0, 0, CellWidth - 1, CellHeight - 1);

    const build::Decomposition& entry = cell.entry;
    // Title: number, character, codes.
    painter.setPen(Qt::black);
    painter.setFont(uiFont(15, true));
    painter.drawText(QRectF(8, 4, 60, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(number));
    painter.setFont(songPixelFont(24));
    painter.drawText(QRectF(48, 2, 32, 30), Qt::AlignCenter, entry.character);
    painter.setFont(uiFont(15, true));
    QString codes = QStringLiteral("full %1").arg(entry.fullCode);
    codes += QStringLiteral("   short %1")
                 .arg(entry.shortCode.isEmpty() ? QStringLiteral("-") : entry.shortCode);
    codes += QStringLiteral("   roots %1").arg(entry.rootCode);
    painter.drawText(QRectF(88, 4, CellWidth - 96, 26), Qt::AlignLeft | Qt::AlignVCenter, codes);

    // The strokes, coloured by root, 1024 grid (y up) to a 224-pixel square.
    const QRectF area = StrokeArea;
    std::vector<int> rootOf(cell.outlines.size(), -1);
    for (size_t r = 0; r < entry.roots.size(); ++r) {
        for (int stroke : entry.roots[r].strokes) {
            if (stroke >= 0 && stroke < static_cast<int>(rootOf.size())) {
                rootOf[static_cast<size_t>(stroke)] = static_cast<int>(r);
            }
        }
    }
    const QTransform grid = strokeTransform();
    painter.setPen(QPen(QColor(0xdddddd), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.drawLine(QLineF(area.center().x(), area.top(), area.center().x(), area.bottom()));
    painter.drawLine(QLineF(area.left(), area.center().y(), area.right(), area.center().y()));
    for (size_t s = 0; s < cell.outlines.size(); ++s) {
        const QColor colour = rootOf[s] < 0 ? QColor(Qt::lightGray) : rootColour(rootOf[s]);
        painter.setPen(QPen(colour.darker(140), 1));
        painter.setBrush(colour);
        painter.drawPath(grid.map(cell.outlines[s]));
    }
    painter.setFont(uiFont(12, true));
    for (size_t s = 0; s < cell.strokeStarts.size(); ++s) {
        drawHaloText(painter, grid.map(cell.strokeStarts[s]), QString::number(s), Qt::black);
    }

    // Roots: key in its colour, its strokes, and the slot that shows it.
    const build::SlotLayout layout =
        build::layoutSlots(entry, static_cast<int>(cell.outlines.size()));
    double y = 40;
    for (size_t r = 0; r < entry.roots.size(); ++r) {
        const build::Root& root = entry.roots[r];
        const QColor colour = rootColour(static_cast<int>(r));
        int shownIn = -1;
        if (!root.strokes.empty()) {
            const std::uint8_t bits = layout.strokeSlots[static_cast<size_t>(root.strokes.front())];
            for (int k = 0; k < 4 && bits; ++k) {
                if (bits & (1u << k)) {
                    shownIn = k;
                    break;
                }
            }
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(244, y + 1, 26, 24), 4, 4);
        painter.setPen(Qt::white);
        painter.setFont(uiFont(17, true));
        painter.drawText(QRectF(244, y + 1, 26, 24), Qt::AlignCenter, QString(root.key));
        painter.setPen(colour);
        painter.setFont(uiFont(14, true));
        painter.drawText(QRectF(276, y, 130, 26), Qt::AlignLeft | Qt::AlignVCenter,
                         strokeList(root.strokes));
        painter.setPen(QColor(0x666666));
        painter.setFont(uiFont(12));
        painter.drawText(QRectF(404, y, 70, 26), Qt::AlignLeft | Qt::AlignVCenter,
                         shownIn < 0 ? QStringLiteral("middle")
                                     : QStringLiteral("slot %1").arg(shownIn + 1));
        y += 27;
    }
    painter.setPen(QColor(0x666666));
    painter.setFont(uiFont(11));
    static const char* const kinds[] = {"key-name character", "character root", "single stroke",
                                        "compound"};
    painter.drawText(QRectF(244, y, 230, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromLatin1(kinds[static_cast<int>(entry.kind)]));
    y += 20;
    painter.setPen(QColor(0xc00000));
    painter.setFont(uiFont(12, true));
    for (const QString& problem : cell.problems) {
        painter.drawText(QRectF(244, y, 232, 36), Qt::AlignLeft | Qt::TextWordWrap, problem);
        y += 36;
    }

    // The four slots at their real size, as the lookup shows them.
    const int slotTop = CellHeight - PictureSurface::SlotHeight - 22;
    const int gap = (CellWidth - 16 - 4 * PictureSurface::SlotWidth) / 3;
    painter.setFont(uiFont(11));
    for (int k = 0; k < 4; ++k) {
        const int left = 8 + k * (PictureSurface::SlotWidth + gap);
        const QImage& slot = cell.shown[static_cast<size_t>(k)];
        if (!slot.isNull()) {
            painter.drawImage(left, slotTop, slot);
        }
        painter.setPen(QColor(0x999999));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(left - 1, slotTop - 1, PictureSurface::SlotWidth + 1,
                         PictureSurface::SlotHeight + 1);
        QString label = QStringLiteral("slot %1").arg(k + 1);
        if (layout.content[static_cast<size_t>(k)] == build::SlotContent::Identification) {
            label += QStringLiteral(": id code %1").arg(entry.fullCode.mid(k, 1));
        }
        painter.setPen(QColor(0x444444));
        painter.drawText(
            QRectF(left, slotTop + PictureSurface::SlotHeight + 2, PictureSurface::SlotWidth, 18),
            Qt::AlignCenter, label);
    }
    return image;
}

QImage drawSheet(const std::vector<QImage>& cells, int columns, const QString& title) {
    columns = std::max(1, columns);
    const int rows =
        std::max(1, static_cast<int>((cells.size() + static_cast<size_t>(columns) - 1) /
                                     static_cast<size_t>(columns)));
    constexpr int titleHeight = 34;
    constexpr int margin = 8;
    qreal scale = 1.0;
    for (const QImage& cell : cells) {
        scale = std::max(scale, cell.devicePixelRatio());
    }
    const QSize size(margin * 2 + columns * CellWidth + (columns - 1) * margin,
                     titleHeight + margin + rows * CellHeight + (rows - 1) * margin + margin);
    QImage sheet(size * scale, QImage::Format_RGB32);
    sheet.setDevicePixelRatio(scale);
    sheet.fill(QColor(0xf2f2f2));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    painter.setFont(uiFont(18, true));
    painter.drawText(QRectF(margin, 4, size.width() - 2 * margin, titleHeight - 4),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    for (size_t i = 0; i < cells.size(); ++i) {
        const int column = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        painter.drawImage(margin + column * (CellWidth + margin),
                          titleHeight + margin + row * (CellHeight + margin), cells[i]);
    }
    return sheet;
}

} // namespace zilvaro::review
