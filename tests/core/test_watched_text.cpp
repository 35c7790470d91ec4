#include "core/watched_text.h"

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(WatchedText, AChangeRunsTheHandlerInsideTheWrite) {
    WatchedText box;
    WatchedText other;
    QStringList order;
    box.onChange([&] {
        order.append(QStringLiteral("handler saw ") + box.text());
        other.set(QStringLiteral("nested"));
    });
    box.set(QStringLiteral("字"));
    order.append(QStringLiteral("after write, other is ") + other.text());
    EXPECT_EQ(order, (QStringList{QStringLiteral("handler saw 字"),
                                  QStringLiteral("after write, other is nested")}));
}

TEST(WatchedText, WritingTheSameTextRunsNoHandler) {
    WatchedText box(QStringLiteral("Label20"));
    int runs = 0;
    box.onChange([&] { ++runs; });
    box.set(QStringLiteral("Label20"));
    EXPECT_EQ(runs, 0);
    box.set(QStringLiteral("1"));
    box.set(QStringLiteral("1"));
    EXPECT_EQ(runs, 1);
    box.set(QString());
    box.set(QStringLiteral(""));
    EXPECT_EQ(runs, 2);
}
