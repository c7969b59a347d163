#include "platform/layout/StatusPanes.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusPanes, MessagePaneStretchesAndTheLastPaneCoversTheGrip) {
    EXPECT_EQ(StatusPaneEdges(640, {40, 40, 40}, 16), (std::vector<int>{504, 544, 584, -1}));
    EXPECT_EQ(StatusPaneEdges(300, {120, 60}, 17), (std::vector<int>{103, 223, -1}));
    EXPECT_EQ(StatusPaneEdges(300, {}, 17), (std::vector<int>{-1}));
}

TEST(StatusPanes, TooNarrowABarSqueezesThePanesAtItsLeftEdge) {
    EXPECT_EQ(StatusPaneEdges(100, {40, 40, 40}, 16), (std::vector<int>{0, 4, 44, -1}));
    EXPECT_EQ(StatusPaneEdges(0, {40}, 16), (std::vector<int>{0, -1}));
}

}  // namespace
