#include "character_data.h"
#include "common/data_error.h"
#include "core/gbk.h"
#include "outline_picture.h"
#include "seed_points.h"
#include "stroke_outlines.h"

#include <gtest/gtest.h>

using namespace zilvaro::build;
using zilvaro::tools::DataError;

namespace {

const QString StrokeFolder = QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/hanzi-writer-data");

CharacterData build(const char* line) {
    const Decomposition entry =
        parseDecompositionLine(QString::fromUtf8(line), QStringLiteral("t.tsv:1"));
    return buildCharacter(entry, loadStrokeOutlines(StrokeFolder, entry.character));
}

QByteArray field(const CharacterData& data, int slot) {
    return data.record.mid(zilvaro::CharacterRecord::fillPointsOffset(slot),
                           zilvaro::CharacterRecord::FillPointsWidth);
}

const QByteArray Blank(zilvaro::CharacterRecord::FillPointsWidth, ' ');
const QByteArray Mark = QByteArray("0").leftJustified(zilvaro::CharacterRecord::FillPointsWidth);

} // namespace

TEST(CharacterData, WritesTheCodesInABlankFilledGbkRecord) {
    const CharacterData guo = build("国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6");
    ASSERT_EQ(guo.record.size(), zilvaro::CharacterRecord::Size);
    EXPECT_FALSE(guo.record.contains('\0'));
    EXPECT_EQ(guo.record.left(14), *zilvaro::toGbk(u"国") + "lgyil   lgy ");
    EXPECT_EQ(guo.key, zilvaro::characterKey(u"国"));
    EXPECT_EQ(guo.picture.size(), QSize(PictureWidth, PictureHeight));
    EXPECT_EQ(guo.picture.format(), QImage::Format_Mono);
    EXPECT_EQ(guo.sharpPicture.size(), QSize(216, 218));
    EXPECT_EQ(guo.sharpPicture.format(), QImage::Format_Mono);
}

TEST(CharacterData, MarksTheSlotsThatShowTheIdentificationCode) {
    // Two roots: slot 2 shows the identification code, slot 3 stays empty.
    const CharacterData zhong = build("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3");
    EXPECT_NE(field(zhong, 1), Blank);
    EXPECT_EQ(field(zhong, 2), Mark);
    EXPECT_EQ(field(zhong, 3), Blank);
    // Three roots: slot 3 shows it.
    const CharacterData guo = build("国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6");
    EXPECT_NE(field(guo, 2), Blank);
    EXPECT_EQ(field(guo, 3), Mark);
    // A single stroke: itself twice, then the identification code.
    const CharacterData yi = build("一\tggll\tg\tgg\tstroke\tg:0");
    EXPECT_EQ(field(yi, 0), field(yi, 1));
    EXPECT_EQ(field(yi, 2), Mark);
    EXPECT_EQ(field(yi, 3), Blank);
    // A character root of three letters: the fourth slot is blank.
    const CharacterData li = build("力\tltn\tlt\tltn\troot\tl:0,1");
    EXPECT_NE(field(li, 2), Blank);
    EXPECT_EQ(field(li, 3), Blank);
    // A key-name character: the whole character in all four slots.
    const CharacterData wang = build("王\tgggg\tg\tgggg\tkey\tg:0,1,2,3");
    for (int k = 1; k < 4; ++k) {
        EXPECT_EQ(field(wang, k), field(wang, 0));
    }
}

TEST(CharacterData, PutsEverySeedOnItsRootInBothPictures) {
    const char* lines[] = {
        "中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3",
        "国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6",
        "五\tgghg\tgg\tgghg\troot\tg:0,1,2,3",
        "赢\tynky\t\tynky\tcompound\ty:0,1\tn:2\tk:3,4,5\te:6,7,8,9\tm:10,11,12,13\ty:14,15,16",
    };
    for (const char* line : lines) {
        const Decomposition entry =
            parseDecompositionLine(QString::fromUtf8(line), QStringLiteral("t.tsv:1"));
        const StrokeOutlines strokes = loadStrokeOutlines(StrokeFolder, entry.character);
        const CharacterData data = buildCharacter(entry, strokes);
        const std::vector<std::uint8_t> strokeSlots =
            layoutSlots(entry, int(strokes.size())).strokeSlots;
        const PixelStates states = rasterise(strokes, strokeSlots);
        const PixelStates sharpStates = rasterise(strokes, strokeSlots, SharpScale);
        for (int k = 0; k < 4; ++k) {
            if (field(data, k) == Blank || field(data, k) == Mark) {
                continue;
            }
            const std::vector<zilvaro::SeedPoint> seeds =
                zilvaro::seedPoints(QString::fromLatin1(field(data, k)));
            ASSERT_FALSE(seeds.empty());
            EXPECT_LE(seeds.size(), size_t(zilvaro::MaxSeeds));
            for (const zilvaro::SeedPoint& seed : seeds) {
                // In each picture a seed lies on white inside the root (or on black, where
                // its fill paints nothing); on white in at least one of them.
                int white = 0;
                for (const auto& [picture, pixelStates] :
                     {std::pair{&data.picture, &states},
                      std::pair{&data.sharpPicture, &sharpStates}}) {
                    const int scale = pixelStates->scale();
                    const QPoint pixel(pixelOfTwips(seed.x, scale), pixelOfTwips(seed.y, scale));
                    if (picture->pixelIndex(pixel) == 0) {
                        ++white;
                        EXPECT_TRUE(pixelStates->at(pixel.x(), pixel.y()) & (1 << k))
                            << line << " slot " << k << " scale " << scale;
                    }
                }
                EXPECT_GE(white, 1) << line << " slot " << k;
            }
            EXPECT_GE(data.coverage[size_t(k)], 0.97) << line << " slot " << k;
        }
    }
}

TEST(CharacterData, NamesTheCharacterWhenTheStrokesDoNotMatchItsRoots) {
    // 中 has four strokes; this line gives it five.
    try {
        build("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3,4");
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.message().startsWith(u"中: stroke 4 does not exist"));
    }
    EXPECT_THROW(
        loadStrokeOutlines(StrokeFolder + QStringLiteral("/missing"), QStringLiteral("中")),
        DataError);
}
