#include "logic/PictureRoom.h"

#include <gtest/gtest.h>

namespace {

DialogPart Control(PixelRect rect) {
    return {rect, false, 0, 0};
}

DialogPart Picture(PixelRect rect, int width, int height) {
    return {rect, true, width, height};
}

TEST(PictureRoom, NothingMovesWhenEveryPictureFitsItsPlace) {
    const std::vector<DialogPart> parts = {Picture({0, 0, 302, 145}, 301, 145), Control({8, 150, 118, 171}),
                                           Control({213, 150, 293, 171})};
    const DialogRoom room = RoomForPictures(parts, 302, 178);
    EXPECT_EQ(room.clientWidth, 302);
    EXPECT_EQ(room.clientHeight, 178);
    for (size_t i = 0; i < parts.size(); ++i)
        EXPECT_EQ(room.rects[i], parts[i].rect) << i;
}

// The colour dialog with a small font: the palette is taller than its place and covered its
// buttons.
TEST(PictureRoom, ControlsBelowAPictureMoveDownAndTheDialogGrows) {
    const std::vector<DialogPart> parts = {Control({213, 121, 293, 140}), Control({8, 121, 118, 140}),
                                           Picture({0, 0, 302, 114}, 301, 145)};
    const DialogRoom room = RoomForPictures(parts, 302, 147);
    EXPECT_EQ(room.rects[0], (PixelRect{213, 152, 293, 171}));
    EXPECT_EQ(room.rects[1], (PixelRect{8, 152, 118, 171}));
    EXPECT_EQ(room.rects[2], (PixelRect{0, 0, 302, 145}));
    EXPECT_EQ(room.clientWidth, 302);
    EXPECT_EQ(room.clientHeight, 178); // the same margin below the buttons
}

TEST(PictureRoom, ControlsBesideAPictureMoveRightAndThePushesAddUp) {
    const std::vector<DialogPart> parts = {
        Picture({10, 10, 40, 20}, 50, 10), // 20 wider than its place
        Control({45, 10, 55, 20}),         // beside it
        Picture({60, 10, 90, 20}, 35, 10), // beside it, and 5 wider itself
        Control({95, 12, 105, 18}),        // beside both
        Control({45, 30, 55, 40}),         // below, not beside: stays
    };
    const DialogRoom room = RoomForPictures(parts, 110, 45);
    EXPECT_EQ(room.rects[0], (PixelRect{10, 10, 60, 20}));
    EXPECT_EQ(room.rects[1], (PixelRect{65, 10, 75, 20}));
    EXPECT_EQ(room.rects[2], (PixelRect{80, 10, 115, 20}));
    EXPECT_EQ(room.rects[3], (PixelRect{120, 12, 130, 18}));
    EXPECT_EQ(room.rects[4], (PixelRect{45, 30, 55, 40}));
    EXPECT_EQ(room.clientWidth, 135); // the template's right margin of 5 kept
}

TEST(PictureRoom, AGroupBoxGrowsAroundItsPictures) {
    const std::vector<DialogPart> parts = {Control({4, 100, 180, 130}), Picture({20, 110, 60, 118}, 40, 12),
                                           Control({100, 140, 160, 150})};
    const DialogRoom room = RoomForPictures(parts, 185, 155);
    EXPECT_EQ(room.rects[0], (PixelRect{4, 100, 180, 134}));
    EXPECT_EQ(room.rects[1], (PixelRect{20, 110, 60, 122}));
    EXPECT_EQ(room.rects[2], (PixelRect{100, 144, 160, 154}));
    EXPECT_EQ(room.clientHeight, 159);
}

// The about dialog paints a banner wider than its client area.
TEST(PictureRoom, APaintedPictureWidensTheDialog) {
    const std::vector<DialogPart> parts = {Picture({0, 0, 250, 61}, 250, 61), Control({189, 158, 240, 179}),
                                           Picture({0, 183, 251, 201}, 250, 21)};
    const DialogRoom room = RoomForPictures(parts, 248, 201);
    EXPECT_EQ(room.clientWidth, 251);
    EXPECT_EQ(room.rects[1], (PixelRect{189, 158, 240, 179}));
    EXPECT_EQ(room.rects[2], (PixelRect{0, 183, 251, 204}));
    EXPECT_EQ(room.clientHeight, 204);
}

} // namespace
