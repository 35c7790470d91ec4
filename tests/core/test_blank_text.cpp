#include "core/blank_text.h"

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(BlankText, TrimsSpacesOnly) {
    EXPECT_EQ(trimBlanks(u"  ab c  "), u"ab c");
    EXPECT_EQ(trimBlanks(u"    "), u"");
    EXPECT_EQ(trimBlanks(u""), u"");
    EXPECT_EQ(trimBlanks(u"\tab\u3000"), u"\tab\u3000");
    EXPECT_EQ(trimTrailingBlanks(u"  12  "), u"  12");
    EXPECT_EQ(trimTrailingBlanks(QStringView(u"12\u0000 ", 4)), QStringView(u"12\u0000", 3));
}
