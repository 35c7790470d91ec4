#include "common/data_error.h"

#include <gtest/gtest.h>

using zilvaro::tools::DataError;

TEST(DataError, NamesTheFileAndTheLineBeforeTheMessage) {
    const DataError atLine(QStringLiteral("roots.tsv"), 12, QStringLiteral("bad key \"字\""));
    EXPECT_EQ(atLine.message(), QStringLiteral("roots.tsv:12: bad key \"字\""));
    EXPECT_EQ(QString::fromUtf8(atLine.what()), atLine.message()); // what() as UTF-8
    // Line 0: the whole file is at fault.
    EXPECT_EQ(DataError(QStringLiteral("a.js"), 0, QStringLiteral("no entries")).message(),
              QStringLiteral("a.js: no entries"));
    EXPECT_EQ(DataError(QStringLiteral("中: stroke 4 does not exist")).message(),
              QStringLiteral("中: stroke 4 does not exist"));
}
