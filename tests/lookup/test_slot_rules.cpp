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
