#include "logic/PaneLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Rects = std::vector<PixelRect>;

TEST(PaneLayout, RectanglesOfTheDisplayForEveryCount) {
    EXPECT_EQ(LayoutPanes(1, 180, 130), (Rects{{0, 0, 180, 130}}));
    EXPECT_EQ(LayoutPanes(2, 180, 130), (Rects{{3, 3, 176, 64}, {3, 66, 176, 126}}));
    EXPECT_EQ(LayoutPanes(4, 180, 130),
              (Rects{{3, 3, 89, 64}, {91, 3, 176, 64}, {3, 66, 89, 126}, {91, 66, 176, 126}}));
    EXPECT_EQ(LayoutPanes(6, 180, 130), (Rects{{3, 3, 89, 42},
                                               {91, 3, 176, 42},
                                               {3, 44, 89, 86},
                                               {91, 44, 176, 86},
                                               {3, 88, 89, 126},
                                               {91, 88, 176, 126}}));
    EXPECT_EQ(LayoutPanes(9, 180, 130), (Rects{{3, 3, 59, 44},
                                               {61, 3, 116, 44},
                                               {118, 3, 176, 44},
                                               {3, 46, 59, 86},
                                               {61, 46, 116, 86},
                                               {118, 46, 176, 86},
                                               {3, 88, 59, 126},
                                               {61, 88, 116, 126},
                                               {118, 88, 176, 126}}));
}

TEST(PaneLayout, CountsWithoutALayoutGiveOneWholePane) {
    for (int count : {0, 3, 5, 7, 8, 10, -1})
        EXPECT_EQ(LayoutPanes(count, 180, 130), (Rects{{0, 0, 180, 130}})) << count;
}

TEST(PaneLayout, GapBetweenPanesBelongsToNoPane) {
    const Rects panes = LayoutPanes(4, 180, 130);
    for (const PixelRect& pane : panes)
        EXPECT_FALSE(pane.Contains({90, 30}));
    EXPECT_TRUE(panes[0].Contains({88, 63}));
    EXPECT_FALSE(panes[0].Contains({89, 63}));
}

struct Move {
    int count;
    int from;
    GridMove move;
    int to;
};

class KeyboardGrid : public ::testing::TestWithParam<Move> {};

TEST_P(KeyboardGrid, ArrowMovesWrapWithinTheRowOrColumn) {
    const Move& m = GetParam();
    EXPECT_EQ(MoveInGrid(m.count, m.from, m.move), m.to);
}

INSTANTIATE_TEST_SUITE_P(Moves, KeyboardGrid,
                         ::testing::Values(Move{9, 2, GridMove::Right, 0}, Move{9, 3, GridMove::Left, 5},
                                           Move{9, 1, GridMove::Up, 7}, Move{9, 8, GridMove::Down, 2},
                                           Move{9, 4, GridMove::Right, 5}, Move{6, 5, GridMove::Down, 1},
                                           Move{6, 0, GridMove::Up, 4}, Move{6, 0, GridMove::Left, 1},
                                           Move{6, 1, GridMove::Right, 0}, Move{6, 3, GridMove::Left, 2},
                                           Move{6, 4, GridMove::Right, 5}, Move{4, 3, GridMove::Right, 2},
                                           Move{4, 2, GridMove::Down, 0}, Move{4, 0, GridMove::Left, 1},
                                           Move{2, 0, GridMove::Down, -1}, Move{2, 1, GridMove::Up, -1},
                                           Move{1, 0, GridMove::Right, -1}, Move{3, 0, GridMove::Down, -1}));

} // namespace
