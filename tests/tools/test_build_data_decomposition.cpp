#include "common/data_error.h"
#include "decomposition.h"

#include <gtest/gtest.h>

using namespace zilvaro::build;
using zilvaro::tools::DataError;

namespace {

Decomposition parse(const char* line) {
    return parseDecompositionLine(QString::fromUtf8(line), QStringLiteral("t.tsv:7"));
}

QString errorOf(const char* line) {
    try {
        parse(line);
    } catch (const DataError& e) {
        return e.message();
    }
    return QString();
}

constexpr std::uint8_t S0 = 1, S1 = 2, S2 = 4, S3 = 8;

} // namespace

TEST(DecompositionLine, ReadsTheFieldsAndTheRoots) {
    const Decomposition guo = parse("国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6");
    EXPECT_EQ(guo.character, u"国");
    EXPECT_EQ(guo.fullCode, u"lgyi");
    EXPECT_EQ(guo.shortCode, u"l");
    EXPECT_EQ(guo.rootCode, u"lgy");
    EXPECT_EQ(guo.kind, CharacterKind::Compound);
    ASSERT_EQ(guo.roots.size(), 3u);
    EXPECT_EQ(guo.roots[0].key, u'l');
    EXPECT_EQ(guo.roots[0].strokes, (std::vector<int>{0, 1, 7}));
    EXPECT_EQ(guo.roots[2].strokes, (std::vector<int>{6}));

    const Decomposition hao = parse("好\tvbg\t\tvb\tcompound\tv:0,1,2\tb:3,4,5");
    EXPECT_TRUE(hao.shortCode.isEmpty());
    EXPECT_EQ(parse("王\tgggg\tg\tgggg\tkey\tg:0,1,2,3").kind, CharacterKind::Key);
    EXPECT_EQ(parse("五\tgghg\tgg\tgghg\troot\tg:0,1,2,3").kind, CharacterKind::Root);
    EXPECT_EQ(parse("一\tggll\tg\tgg\tstroke\tg:0").kind, CharacterKind::Stroke);
}

TEST(DecompositionLine, NamesTheLineAndTheCharacterOfAMalformedLine) {
    EXPECT_EQ(errorOf("中\tkhk\tk\tkh"),
              u"t.tsv:7: expected at least six tab-separated fields, found 4");
    EXPECT_TRUE(
        errorOf("中\tkhk\tk\tkh\tcompund\tk:0,1,2\th:3").startsWith(u"t.tsv:7: 中: unknown kind"));
    // Not one GB2312 character.
    EXPECT_TRUE(errorOf("中国\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3").startsWith(u"t.tsv:7: "));
    EXPECT_FALSE(errorOf("a\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3").isEmpty());
    EXPECT_FALSE(errorOf("\xF0\x9F\x98\x80\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3").isEmpty());
    // Codes: lower-case letters a-y, at most four.
    EXPECT_FALSE(errorOf("中\tKHK\tk\tkh\tcompound\tk:0,1,2\th:3").isEmpty());
    EXPECT_FALSE(errorOf("中\tkhkkk\tk\tkh\tcompound\tk:0,1,2\th:3").isEmpty());
    EXPECT_FALSE(errorOf("中\tkhk\tz\tkh\tcompound\tk:0,1,2\th:3").isEmpty());
    // Root fields.
    for (const char* root : {"k0,1,2", "kk:0", "k:", "k:0,,1", "k:-1", "k:a", "K:0", "k:0 "}) {
        const std::string line = std::string("中\tkhk\tk\tkh\tcompound\t") + root + "\th:3";
        EXPECT_TRUE(errorOf(line.c_str()).startsWith(u"t.tsv:7: 中: root")) << root;
    }
}

TEST(DecompositionLine, RejectsCodesThatDisagreeWithTheRoots) {
    // The root code holds the first three roots' keys and the last one's.
    EXPECT_TRUE(errorOf("中\tkhk\tk\tkk\tcompound\tk:0,1,2\th:3").contains(u"does not match"));
    EXPECT_NO_THROW(parse("赢\tynky\t\tynky\tcompound\ty:0,1\tn:2\tk:3,4,5\te:6,7,8,9\t"
                          "m:10,11,12,13\ty:14,15,16"));
    EXPECT_FALSE(errorOf("赢\tynke\t\tynke\tcompound\ty:0,1\tn:2\tk:3,4,5\te:6,7,8,9\t"
                         "m:10,11,12,13\ty:14,15,16")
                     .isEmpty());
    // Two or three roots need an identification letter after them in the full code.
    EXPECT_FALSE(errorOf("中\tkh\tk\tkh\tcompound\tk:0,1,2\th:3").isEmpty());
    EXPECT_FALSE(errorOf("中\tkha\tk\tkh\tcompound\tk:0,1,2\th:3").isEmpty());
    EXPECT_FALSE(errorOf("国\tlgy\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6").isEmpty());
    // A compound has two roots or more; the other kinds have one.
    EXPECT_FALSE(errorOf("口\tkkkk\tk\tkkkk\tcompound\tk:0,1,2").isEmpty());
    EXPECT_FALSE(errorOf("王\tgggg\tg\tgggg\tkey\tg:0,1\tg:2,3").isEmpty());
    // Key-name characters and character roots: the root code is the full code.
    EXPECT_FALSE(errorOf("王\tgggg\tg\tggg\tkey\tg:0,1,2,3").isEmpty());
    EXPECT_FALSE(errorOf("五\tgghg\tgg\tgghg\troot\th:0,1,2,3").isEmpty());
    // A single stroke: the key twice, then the identification letter l.
    EXPECT_FALSE(errorOf("一\tggll\tg\tggll\tstroke\tg:0").isEmpty());
    EXPECT_FALSE(errorOf("一\tgg\tg\tgg\tstroke\tg:0").isEmpty());
}

TEST(SlotLayout, ShowsTheRootsOfACompound) {
    const SlotLayout zhong = layoutSlots(parse("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3"), 4);
    EXPECT_EQ(zhong.strokeSlots, (std::vector<std::uint8_t>{S0, S0, S0, S1}));
    EXPECT_EQ(zhong.content, (std::array{SlotContent::Root, SlotContent::Root,
                                         SlotContent::Identification, SlotContent::Empty}));

    const SlotLayout guo =
        layoutSlots(parse("国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6"), 8);
    EXPECT_EQ(guo.strokeSlots, (std::vector<std::uint8_t>{S0, S0, S1, S1, S1, S1, S2, S0}));
    EXPECT_EQ(guo.content[3], SlotContent::Identification);

    // Six roots: the first three and the last are shown, the fourth and fifth are not.
    const SlotLayout ying = layoutSlots(parse("赢\tynky\t\tynky\tcompound\ty:0,1\tn:2\tk:3,4,5\t"
                                              "e:6,7,8,9\tm:10,11,12,13\ty:14,15,16"),
                                        17);
    EXPECT_EQ(ying.strokeSlots, (std::vector<std::uint8_t>{S0, S0, S1, S2, S2, S2, 0, 0, 0, 0, 0, 0,
                                                           0, 0, S3, S3, S3}));
    EXPECT_EQ(ying.content, (std::array{SlotContent::Root, SlotContent::Root, SlotContent::Root,
                                        SlotContent::Root}));
}

TEST(SlotLayout, ShowsWholeCharactersAndStrokesOfTheOtherKinds) {
    const auto all = static_cast<std::uint8_t>(S0 | S1 | S2 | S3);
    const SlotLayout wang = layoutSlots(parse("王\tgggg\tg\tgggg\tkey\tg:0,1,2,3"), 4);
    EXPECT_EQ(wang.strokeSlots, (std::vector<std::uint8_t>(4, all)));

    // A character root: the whole character, then its first, second and last strokes.
    const SlotLayout wu = layoutSlots(parse("五\tgghg\tgg\tgghg\troot\tg:0,1,2,3"), 4);
    EXPECT_EQ(wu.strokeSlots, (std::vector<std::uint8_t>{S0 | S1, S0 | S2, S0, S0 | S3}));
    // In the order the line lists them, the order Wubi reads them: 戈 agnt reads its 丿
    // (stroke 2) last, after the dot.
    const SlotLayout ge = layoutSlots(parse("戈\tagnt\t\tagnt\troot\ta:0,1,3,2"), 4);
    EXPECT_EQ(ge.strokeSlots, (std::vector<std::uint8_t>{S0 | S1, S0 | S2, S0 | S3, S0}));
    // With a three-letter code: the first and the last stroke, 力 ltn its 丿 first; slot 3
    // stays empty.
    const SlotLayout li = layoutSlots(parse("力\tltn\tlt\tltn\troot\tl:1,0"), 2);
    EXPECT_EQ(li.strokeSlots, (std::vector<std::uint8_t>{S0 | S2, S0 | S1}));
    EXPECT_EQ(li.content[3], SlotContent::Empty);

    const SlotLayout yi = layoutSlots(parse("一\tggll\tg\tgg\tstroke\tg:0"), 1);
    EXPECT_EQ(yi.strokeSlots, (std::vector<std::uint8_t>{S0 | S1}));
    EXPECT_EQ(yi.content, (std::array{SlotContent::Root, SlotContent::Root,
                                      SlotContent::Identification, SlotContent::Empty}));
}

TEST(SlotLayout, EveryStrokeBelongsToExactlyOneRoot) {
    const Decomposition zhong = parse("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3");
    const auto errorFor = [](const Decomposition& e, int strokes) {
        try {
            layoutSlots(e, strokes);
        } catch (const DataError& error) {
            return error.message();
        }
        return QString();
    };
    EXPECT_TRUE(errorFor(zhong, 3).startsWith(u"中: stroke 3 does not exist"));
    EXPECT_TRUE(errorFor(zhong, 5).startsWith(u"中: stroke 4 belongs to no root"));
    EXPECT_TRUE(errorFor(parse("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:2"), 4)
                    .startsWith(u"中: stroke 2 belongs to two roots"));
}
