#include <gtest/gtest.h>

#include "browser/FoundColumnWidths.h"

namespace {

TEST(FoundColumnWidths, FullWidthWithRoomElseNarrowedInProportionToFit) {
    struct Case {
        int listWidth;
        std::vector<int> widths;
    };
    const Case cases[] = {
        {900, {150, 60, 80, 150, 200}}, {640, {150, 60, 80, 150, 200}},
        {480, {112, 45, 60, 112, 150}},  // a 720-pixel window's list
        {320, {75, 30, 40, 75, 100}},   {100, {30, 30, 30, 30, 31}},
        {-5, {30, 30, 30, 30, 30}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FoundColumnWidths(c.listWidth), c.widths) << c.listWidth;
}

}  // namespace
