#include "data/root_file.h"
#include "lookup/picture_surface.h"
#include "lookup/slot_rules.h"
#include "picture_art.h"

#include <gtest/gtest.h>

#include <QString>

#include <memory>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {

QString field(const char* content) {
    return QString::fromLatin1(content).leftJustified(72);
}

// Four small slots; each starts out showing a picture of its own with a fill on it, as
// a previous lookup left them.
struct SlotSet {
    std::array<std::unique_ptr<PictureSurface>, 4> boxes;
    std::array<PictureSurface*, 4> pointers{};
    SlotSet() {
        for (int k = 0; k < 4; ++k) {
            boxes[k] = std::make_unique<PictureSurface>(3, 1);
            pointers[k] = boxes[k].get();
            boxes[k]->setPicture(fromArt({"#.."}));
            boxes[k]->setFillStyle(FillSolid);
            boxes[k]->setFillColor(0x0000FF);
            boxes[k]->ExtFloodFill(2, 0, BoxWhite, FloodMode::Surface); // "#rr"
        }
        // The new decomposition picture in slot 0.
        boxes[0]->setPicture(fromArt({".#."}));
    }
    std::string shows(int k) const { return toArt(boxes[k]->surface()).front(); }
};

} // namespace

TEST(SlotRules, MarksAndSeedListsAreToldApartByTheirContent) {
    EXPECT_TRUE(isIdentificationMark(field("0")));
    EXPECT_TRUE(isIdentificationMark(u" 0 "));
    EXPECT_FALSE(isIdentificationMark(u"00"));
    EXPECT_FALSE(isIdentificationMark(field("   0  15"))); // a seed point at (0, 15)
    EXPECT_FALSE(isIdentificationMark(field("")));
    EXPECT_FALSE(isIdentificationMark(u"O"));

    EXPECT_TRUE(carriesRoot(field("  15  15")));
    EXPECT_TRUE(carriesRoot(field("   0  15")));
    EXPECT_FALSE(carriesRoot(field("0")));
    EXPECT_FALSE(carriesRoot(field("")));
    EXPECT_FALSE(carriesRoot(u""));
}

TEST(SlotRules, FourRootsCopyThePictureIntoEverySlotWithoutFills) {
    SlotSet set;
    set.boxes[0]->setFillStyle(FillSolid);
    set.boxes[0]->ExtFloodFill(0, 0, BoxWhite, FloodMode::Surface); // slot 0 filled: "r#."
    prepareSlots(set.pointers, field("  15   0"), field("  30   0"), u"abcd");
    EXPECT_EQ(set.shows(0), "r#.");
    for (int k = 1; k < 4; ++k) {
        EXPECT_EQ(set.shows(k), ".#.") << k;
    }
}

TEST(SlotRules, MarkedOrBlankSlotsKeepWhatTheyShowed) {
    SlotSet set;
    prepareSlots(set.pointers, field("0"), field(""), u"abcd");
    EXPECT_EQ(set.shows(1), ".#.");
    EXPECT_EQ(set.shows(2), "#rr"); // left for the identification-code picture
    EXPECT_EQ(set.shows(3), "#rr");
}

TEST(SlotRules, ShortRootCodesEmptyTheSlotsBeyondTheirRoots) {
    {
        // Two letters: slots 2 and 3 are white, even where their lists carry roots or
        // slot 2 is marked for an identification code.
        SlotSet set;
        prepareSlots(set.pointers, field("  15   0"), field("  15   0"), u"ab  ");
        EXPECT_EQ(set.shows(1), ".#.");
        EXPECT_EQ(set.shows(2), "...");
        EXPECT_EQ(set.shows(3), "...");
        EXPECT_FALSE(set.boxes[2]->hasPicture());
        SlotSet marked;
        prepareSlots(marked.pointers, field("0"), field(""), u" ab ");
        EXPECT_EQ(marked.shows(2), "...");
        EXPECT_EQ(marked.shows(3), "...");
    }
    {
        // Three letters: slot 3 only.
        SlotSet set;
        prepareSlots(set.pointers, field("  15   0"), field("0"), u"abc ");
        EXPECT_EQ(set.shows(2), ".#.");
        EXPECT_EQ(set.shows(3), "...");
    }
    {
        // One letter empties nothing.
        SlotSet set;
        prepareSlots(set.pointers, field(""), field(""), u"a   ");
        EXPECT_EQ(set.shows(2), "#rr");
        EXPECT_EQ(set.shows(3), "#rr");
    }
}

TEST(SlotRules, OnlyTheOneCharacterLeavesItsFourthRootUnfilled) {
    EXPECT_TRUE(leavesFourthRootUnfilled(u"倔 "));
    EXPECT_TRUE(leavesFourthRootUnfilled(u"倔"));
    EXPECT_FALSE(leavesFourthRootUnfilled(u"掘 "));
    EXPECT_FALSE(leavesFourthRootUnfilled(u"倔倔"));
    EXPECT_FALSE(leavesFourthRootUnfilled(u""));
}

namespace {

RootEntry entry(const char* kind, std::initializer_list<std::pair<char16_t, const char*>> roots) {
    RootEntry e;
    e.character = QStringLiteral("x");
    e.kind = QString::fromLatin1(kind);
    for (const auto& [key, name] : roots) {
        e.roots.append({QChar(key), QString::fromUtf8(name)});
    }
    return e;
}

QStringList tipsOf(QStringView fullCode, QStringView fp3, QStringView fp4, const RootEntry* e) {
    QStringList tips;
    for (int k = 0; k < 4; ++k) {
        tips.append(slotCaption(k, fullCode, fp3, fp4, e).toolTip);
    }
    return tips;
}

} // namespace

TEST(SlotCaptions, ACompoundNamesItsRootsAndItsIdentificationCode) {
    const RootEntry zi = entry("compound", {{u'p', "宀"}, {u'b', "子"}});
    EXPECT_EQ(tipsOf(u"pbf ", field("0"), field(""), &zi),
              (QStringList{"宀 · P", "子 · B", "识别码 F：上下型，末笔为横", ""}));
    EXPECT_EQ(slotCaption(0, u"pbf ", field("0"), field(""), &zi).key, u'P');

    // More than four roots: the fourth slot shows the last one.
    const RootEntry many =
        entry("compound", {{u'k', "口"}, {u'k', "口"}, {u'd', "犬"}, {u'k', "口"}, {u'k', "口"}});
    EXPECT_EQ(tipsOf(u"kkdk", field("  15  15"), field("  15  15"), &many),
              (QStringList{"口 · K", "口 · K", "犬 · D", "口 · K"}));
}

TEST(SlotCaptions, RootAndKeyCharactersNameWhatTheirCodeLettersName) {
    // 戈 agnt: the root, then its first, second and last single strokes.
    const RootEntry ge = entry("root", {{u'a', "戈"}});
    EXPECT_EQ(tipsOf(u"agnt", field("  15  15"), field("  15  15"), &ge),
              (QStringList{"戈 · A", "一 · G", "乙 · N", "丿 · T"}));
    // 王 gggg: every slot shows the key-name character.
    const RootEntry wang = entry("key", {{u'g', "王"}});
    EXPECT_EQ(tipsOf(u"gggg", field("  15  15"), field("  15  15"), &wang),
              (QStringList{"王 · G", "王 · G", "王 · G", "王 · G"}));
}

TEST(SlotCaptions, WhatTheCodeDoesNotBearOutIsNotShown) {
    // A name on another key than the code's letter, no entry at all: the key alone.
    const RootEntry wrong = entry("compound", {{u'q', "乂"}, {u'b', "子"}});
    EXPECT_EQ(tipsOf(u"pbf", field("0"), field(""), &wrong)[0], QStringLiteral("P"));
    EXPECT_EQ(tipsOf(u"pbf", field("0"), field(""), nullptr)[1], QStringLiteral("B"));
    // A code too short for the slot, an upper-case or foreign letter: no caption.
    EXPECT_TRUE(slotCaption(3, u"pbf", field("0"), field(""), nullptr).key.isNull());
    EXPECT_TRUE(slotCaption(2, u"kWY", field("0"), field(""), nullptr).key.isNull());
    EXPECT_TRUE(slotCaption(1, u"k1", field("  15  15"), field(""), nullptr).key.isNull());
}
