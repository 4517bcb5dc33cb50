#include "shell/selection_list_rules.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/style_lists.h"

namespace zim {
namespace {

TEST(SelectionListRules, PreselectTheValueOfTheListsOwnKindOrTheFirstEntry) {
    EXPECT_EQ(backgroundPosition(2, 7, systemColourKind, 19), 6);
    EXPECT_EQ(backgroundPosition(2, 19, systemColourKind, 19), 18);
    EXPECT_EQ(backgroundPosition(3, 4, systemColourKind, 19), 0); // a stock brush
    EXPECT_EQ(backgroundPosition(1, 7, systemColourKind, 19), 0); // a colour
    EXPECT_EQ(backgroundPosition(3, 4, stockBrushKind, 6), 3);
    EXPECT_EQ(backgroundPosition(2, 4, stockBrushKind, 6), 0);
    // A value outside the list (a damaged file) still selects an entry.
    EXPECT_EQ(backgroundPosition(2, 20, systemColourKind, 19), 0);
    EXPECT_EQ(backgroundPosition(3, 0, stockBrushKind, 6), 0);
    EXPECT_EQ(listPosition(13, 13), 12);
    EXPECT_EQ(listPosition(14, 13), 0);
    EXPECT_EQ(listPosition(-1, 6), 0);
}

TEST(SelectionListRules, OnlyTheNullBrushIsRefused) {
    int refused = 0;
    for (int k = 1; k <= stockBrushList.count; ++k)
        if (isNullBrush(k)) {
            ++refused;
            EXPECT_STREQ(stockBrushList[k].name, "NULL_BRUSH");
            EXPECT_EQ(k, 5);
        }
    EXPECT_EQ(refused, 1);
    EXPECT_FALSE(isNullBrush(0));
    EXPECT_FALSE(isNullBrush(7));
}

} // namespace
} // namespace zim
