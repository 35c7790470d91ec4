#include "character_data.h"
#include "common/data_error.h"
#include "common/gb2312.h"
#include "outline_picture.h"
#include "review_sheet.h"

#include "data/character_record.h"
#include "lookup/picture_surface.h"
#include "ui/assets.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zilvaro;
using namespace zilvaro::review;

namespace {

const QString StrokeFolder = QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/hanzi-writer-data");

build::Decomposition entryOf(const char* line) {
    return build::parseDecompositionLine(QString::fromUtf8(line), QStringLiteral("t.tsv:1"));
}

// Writes a file into dir and returns its path.
QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

// The message of the DataError that f throws, or "" when it throws none.
template <typename F> QString failureOf(F&& f) {
    try {
        f();
    } catch (const tools::DataError& e) {
        return e.message();
    }
    return QString();
}

// A point well inside each stroke: the middle point of its median.
std::vector<QPointF> medianMiddles(const QString& character) {
    QFile file(StrokeFolder + u'/' + character + QStringLiteral(".json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<QPointF> points;
    for (const QJsonValue& median : QJsonDocument::fromJson(file.readAll())["medians"].toArray()) {
        const QJsonArray line = median.toArray();
        const QJsonArray middle = line.at(line.size() / 2).toArray();
        points.emplace_back(middle[0].toDouble(), middle[1].toDouble());
    }
    return points;
}

// The slots a record and picture made by the data builder give in the lookup.
struct Shown {
    build::Decomposition entry;
    build::StrokeOutlines outlines;
    build::CharacterData data;
    CharacterRecord record;
    std::array<QImage, 4> pictures;
};

Shown show(const char* line) {
    Shown s;
    s.entry = entryOf(line);
    s.outlines = build::loadStrokeOutlines(StrokeFolder, s.entry.character);
    s.data = build::buildCharacter(s.entry, s.outlines);
    s.record = CharacterRecord::decode(s.data.record);
    s.pictures = review::shownSlots(s.record, s.data.picture);
    return s;
}

bool isBlack(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The share of the pixels of the strokes shown in `slot` that the slot shows black, and
// the number of pixels inside other strokes (off every outline) that it shows black.
std::pair<double, int> rootCoverage(const Shown& s, int slot) {
    const build::SlotLayout layout =
        build::layoutSlots(s.entry, static_cast<int>(s.outlines.size()));
    const build::PixelStates states = build::rasterise(s.outlines, layout.strokeSlots);
    const std::vector<bool> outline = build::outline(states);
    int root = 0;
    int rootBlack = 0;
    int foreignBlack = 0;
    for (int y = 0; y < build::PictureHeight; ++y) {
        for (int x = 0; x < build::PictureWidth; ++x) {
            const std::uint8_t state = states.at(x, y);
            const bool black = isBlack(s.pictures[static_cast<size_t>(slot)], x, y);
            if (state & (1u << slot)) {
                ++root;
                rootBlack += black;
            } else if ((state & build::InsideBit) &&
                       !outline[static_cast<size_t>(y * build::PictureWidth + x)]) {
                foreignBlack += black;
            }
        }
    }
    return {root ? static_cast<double>(rootBlack) / root : 0.0, foreignBlack};
}

bool sameAsPicture(const QImage& slot, const QImage& picture) {
    const QImage p = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            if ((slot.pixel(x, y) & 0xffffff) != (p.pixel(x, y) & 0xffffff)) {
                return false;
            }
        }
    }
    return true;
}

bool allWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) != 0xffffff) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

TEST(ReviewSheets, RootColoursAreClearlyDistinct) {
    for (int a = 0; a < 14; ++a) {
        for (int b = a + 1; b < 14; ++b) {
            const QColor ca = rootColour(a);
            const QColor cb = rootColour(b);
            const int distance = std::abs(ca.red() - cb.red()) + std::abs(ca.green() - cb.green()) +
                                 std::abs(ca.blue() - cb.blue());
            EXPECT_GT(distance, 60) << a << " and " << b;
        }
    }
}

TEST(ReviewSheets, ColoursEachStrokeByItsRoot) {
    // 两 as 一 冂 人 人: strokes 3,4 and 5,6 are two roots of the same key in two colours.
    ReviewCell cell;
    cell.entry = entryOf("两\tgmww\t\tgmww\tcompound\tg:0\tm:1,2\tw:3,4\tw:5,6");
    cell.outlines = build::loadStrokeOutlines(StrokeFolder, cell.entry.character);
    cell.strokeStarts = loadStrokeStarts(StrokeFolder, cell.entry.character);
    const QImage image = drawCell(cell, 1);
    const std::vector<QPointF> middles = medianMiddles(cell.entry.character);
    const int rootOfStroke[] = {0, 1, 1, 2, 2, 3, 3};
    QSet<QRgb> seen;
    for (int s = 0; s < 7; ++s) {
        const QPoint p = strokeTransform().map(middles[static_cast<size_t>(s)]).toPoint();
        EXPECT_EQ(QColor(image.pixel(p)), rootColour(rootOfStroke[s])) << "stroke " << s;
        seen.insert(image.pixel(p));
    }
    EXPECT_EQ(seen.size(), 4);
}

TEST(ReviewSheets, SlotsFillExactlyTheRootOfTheTable) {
    // 国: 囗 (0,1,7), 王 (2-5), 丶 (6), then the identification code i in slot 4.
    const Shown guo = show("国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6");
    for (int slot = 0; slot < 3; ++slot) {
        const auto [coverage, foreign] = rootCoverage(guo, slot);
        EXPECT_GE(coverage, 0.97) << "slot " << slot;
        EXPECT_EQ(foreign, 0) << "slot " << slot;
    }
    EXPECT_TRUE(sameAsPicture(guo.pictures[3], assets::identificationCode(11))); // i
    for (const QImage& slot : guo.pictures) {
        EXPECT_EQ(slot.size(), QSize(PictureSurface::SlotWidth, PictureSurface::SlotHeight));
    }

    // The sharp picture (--sharp) gives slots of twice the pixels, the sharp
    // identification-code picture among them, and a cell drawn twice as fine, each of its
    // slots at its own device pixels.
    QImage sharp = guo.data.sharpPicture;
    sharp.setDevicePixelRatio(2.0);
    ReviewCell cell;
    cell.entry = guo.entry;
    cell.outlines = guo.outlines;
    cell.strokeStarts = loadStrokeStarts(StrokeFolder, guo.entry.character);
    cell.shown = review::shownSlots(guo.record, sharp);
    for (const QImage& slot : cell.shown) {
        EXPECT_EQ(slot.size(),
                  QSize(2 * PictureSurface::SlotWidth, 2 * PictureSurface::SlotHeight));
        EXPECT_EQ(slot.devicePixelRatio(), 2.0);
    }
    EXPECT_TRUE(sameAsPicture(cell.shown[3], assets::identificationCode(11, 2)));
    const QImage image = drawCell(cell, 1);
    EXPECT_EQ(image.size(), QSize(2 * CellWidth, 2 * CellHeight));
    const QImage plain = drawCell(
        ReviewCell{
            cell.entry, {}, cell.outlines, cell.strokeStarts, std::nullopt, guo.pictures, {}},
        1);
    EXPECT_EQ(plain.size(), QSize(CellWidth, CellHeight));
}

TEST(ReviewSheets, SlotsFollowTheLookupForShortCodesAndItsOneException) {
    // Two roots: slot 3 shows the identification code f, slot 4 stays empty.
    const Shown zi = show("字\tpbf\t\tpb\tcompound\tp:0,1,2\tb:3,4,5");
    EXPECT_TRUE(sameAsPicture(zi.pictures[2], assets::identificationCode(1)));
    EXPECT_TRUE(allWhite(zi.pictures[3]));
    EXPECT_GE(rootCoverage(zi, 1).first, 0.97);

    // 倔's fourth root is never filled: its slot shows the picture alone.
    const Shown jue = show("倔\twnbm\twnb\twnbm\tcompound\tw:0,1\tn:2,3,4\tb:5,6\tm:7,8,9");
    EXPECT_GE(rootCoverage(jue, 2).first, 0.97);
    EXPECT_TRUE(sameAsPicture(jue.pictures[3], jue.data.picture));
}

TEST(ReviewSheets, ReadsCharacterListsAndFailsOnAForeignCharacter) {
    QTemporaryDir dir;
    const QString good = writeFile(dir, QStringLiteral("good.txt"), "# sample\n字 醉\n\n两字\n");
    EXPECT_EQ(readCharacterList(good), (QStringList{u"字"_qs, u"醉"_qs, u"两"_qs}));

    const QString bad = writeFile(dir, QStringLiteral("bad.txt"), "字\n醉 a\n");
    const QString message = failureOf([&] { readCharacterList(bad); });
    EXPECT_TRUE(message.contains(bad + QStringLiteral(":2"))) << qPrintable(message);
    EXPECT_TRUE(message.contains(u"\"a\"")) << qPrintable(message);
    // Outside GB2312, though in GBK.
    EXPECT_FALSE(failureOf([] { charactersOf(u"丂"_qs, u"here"_qs); }).isEmpty());
    EXPECT_FALSE(failureOf([] { charactersOf(u"，"_qs, u"here"_qs); }).isEmpty());
}

TEST(ReviewSheets, ReadsTheTableAndNamesTheLineOfAFault) {
    QTemporaryDir dir;
    const QString good = writeFile(dir, QStringLiteral("good.tsv"),
                                   "# comment\n字\tpbf\t\tpb\tcompound\tp:0,1,2\tb:3,4,5\n");
    const ReviewTable table = readTable(good);
    ASSERT_TRUE(table.entries.contains(u"字"_qs));
    EXPECT_EQ(table.entries[u"字"_qs].roots.size(), 2u);

    const QString bad =
        writeFile(dir, QStringLiteral("bad.tsv"),
                  "字\tpbf\t\tpb\tcompound\tp:0,1,2\tb:3,4,5\n\n两\tgmww\t\tgmww\tcompound\tg:0\n");
    EXPECT_TRUE(failureOf([&] { readTable(bad); }).contains(bad + QStringLiteral(":3")));
    const QString twice = writeFile(dir, QStringLiteral("twice.tsv"),
                                    "字\tpbf\t\tpb\tcompound\tp:0,1,2\tb:3,4,5\n"
                                    "字\tpbf\t\tpb\tcompound\tp:0,1,2\tb:3,4,5\n");
    EXPECT_TRUE(failureOf([&] { readTable(twice); }).contains(twice + QStringLiteral(":2")));
    // A character the table lacks stops the sheet, naming it.
    EXPECT_TRUE(
        failureOf([&] { gatherCell(u"醉"_qs, table, StrokeFolder, dir.path()); }).contains(u"醉"));
}

TEST(ReviewSheets, ListsTheCharactersWhoseLinesChanged) {
    QTemporaryDir dir;
    const QByteArray zi = "字\tpbf\t\tpb\tcompound\tp:0,1,2\tb:3,4,5\n";
    const QByteArray liang = "两\tgmww\t\tgmww\tcompound\tg:0\tm:1,2\tw:3,4\tw:5,6\n";
    const QByteArray liangOld = "两\tgmww\t\tgmww\tcompound\tg:0\tm:1,2,3\tw:4\tw:5,6\n";
    const QByteArray guo = "国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6\n";
    const ReviewTable before = readTable(writeFile(dir, QStringLiteral("a.tsv"), zi + liangOld));
    const ReviewTable after = readTable(writeFile(dir, QStringLiteral("b.tsv"), guo + liang + zi));
    // In GB2312 order (国 B9FA before 两 C1BD), the unchanged 字 left out.
    EXPECT_EQ(changedCharacters(before, after), (QStringList{u"国"_qs, u"两"_qs}));
    EXPECT_TRUE(changedCharacters(after, after).isEmpty());
}

TEST(ReviewSheets, DrawsFromTheLevelsOfGb2312Reproducibly) {
    const QStringList two = tools::gb2312Texts(2);
    const QStringList drawn = drawRandom(100, 42, 2);
    EXPECT_EQ(drawn, drawRandom(100, 42, 2));
    EXPECT_NE(drawn, drawRandom(100, 43, 2));
    EXPECT_EQ(QSet<QString>(drawn.begin(), drawn.end()).size(), 100);
    for (const QString& c : drawn) {
        EXPECT_TRUE(two.contains(c)) << qPrintable(c);
    }
    EXPECT_EQ(drawRandom(3008, 7, 2).size(), 3008);
    EXPECT_FALSE(failureOf([] { drawRandom(3009, 7, 2); }).isEmpty());
    EXPECT_FALSE(failureOf([] { drawRandom(1, 7, 3); }).isEmpty());
    // From a table's characters only, such as the hand overrides.
    const ReviewTable hand =
        readTable(QStringLiteral(ZILVARO_SOURCE_DIR "/data/decomposition-overrides.tsv"));
    const QStringList handDrawn = drawRandomFrom(hand, 40, 7);
    EXPECT_EQ(handDrawn, drawRandomFrom(hand, 40, 7));
    EXPECT_EQ(handDrawn.size(), 40);
    for (const QString& c : handDrawn)
        EXPECT_TRUE(hand.lines.contains(c)) << c.toStdString();
    EXPECT_FALSE(failureOf([&] { drawRandomFrom(hand, int(hand.lines.size()) + 1, 7); }).isEmpty());
}

TEST(ReviewSheets, StrokeStartsNeedOneMedianPerStroke) {
    const std::vector<QPointF> starts = loadStrokeStarts(StrokeFolder, u"字"_qs);
    ASSERT_EQ(starts.size(), 6u);
    const QByteArray bad = R"({"strokes": ["M 0 0 Z", "M 1 1 Z"], "medians": [[[1, 2], [3, 4]]]})";
    EXPECT_TRUE(failureOf([&] { parseStrokeStarts(bad, u"x.json"_qs); }).contains(u"x.json"));
}
