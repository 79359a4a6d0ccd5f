#include "core/art/builtinpictures.h"
#include "core/pictures/derivedpictures.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

std::vector<Rgb> RoomTable() {
    return {RoomPalette().begin(), RoomPalette().end()};
}

// A room whose every pixel tells its place: index (x + 3y) mod 256.
SlotPicture PlaceRoom() {
    SlotPicture room = SlotPicture::Blank(320, 240, 8, RoomTable());
    for (int y = 0; y < 240; ++y) {
        for (int x = 0; x < 320; ++x) {
            room.Set(x, y, static_cast<std::uint8_t>((x + 3 * y) % 256));
        }
    }
    return room;
}

TEST(CopyFromRoomView, OneToOneAtBuiltInSizes) {
    const SlotPicture room = PlaceRoom();
    using namespace Slot;
    for (PartSlot slot : {WinDay, DoorDay, DoorClose, Bed, TBox, Table, Post, Bath, DoorNight}) {
        const PlacementRect r = BuiltInPlacementRects()[slot];
        const SlotPicture part = CopyFromRoomView(room, r, BuiltInPicture(slot));
        for (int y = 0; y < part.height; y += 7) {
            for (int x = 0; x < part.width; x += 5) {
                ASSERT_EQ(part.At(x, y), room.At(r.left + x, r.top + y)) << slot;
            }
        }
    }
}

TEST(CopyFromRoomView, BubbleAreaIsWidenedTo82Columns) {
    const SlotPicture room = PlaceRoom();
    const SlotPicture bubble =
        CopyFromRoomView(room, BuiltInPlacementRects()[Slot::Bubble], BuiltInPicture(Slot::Bubble));
    EXPECT_EQ(bubble.width, 82);
    EXPECT_EQ(bubble.At(0, 0), room.At(247, 142));
    EXPECT_EQ(bubble.At(81, 70), room.At(319, 212));
    int repeated = 0;
    for (int x = 1; x < 82; ++x) {
        repeated += bubble.At(x, 0) == bubble.At(x - 1, 0);
    }
    EXPECT_EQ(repeated, 9); // 73 columns shown in 82: nine of them twice
}

TEST(CopyFromRoomView, KeepsThePartsSizeTableAndMapsColours) {
    SlotPicture part = SlotPicture::Blank(10, 4, 8, {Rgb{0, 0, 0}, Rgb{250, 0, 0}, Rgb{0, 0, 250}});
    SlotPicture room = SlotPicture::Blank(320, 240, 8, RoomTable());
    room.Set(20, 10, 215); // red (238, 0, 0)
    room.Set(21, 10, 235); // blue (0, 0, 238)
    const SlotPicture copied = CopyFromRoomView(room, {20, 10, 21, 10}, part);
    EXPECT_EQ(copied.width, 10);
    EXPECT_EQ(copied.height, 4);
    EXPECT_EQ(copied.colourTable, part.colourTable);
    EXPECT_EQ(copied.At(0, 0), 1); // first five columns repeat room column 20
    EXPECT_EQ(copied.At(4, 3), 1);
    EXPECT_EQ(copied.At(5, 0), 2);
    EXPECT_EQ(copied.At(9, 3), 2);
}

TEST(CopyFromRoomView, PastASmallerRoomThePartTurnsSeeThrough) {
    SlotPicture room = SlotPicture::Blank(100, 100, 8, RoomTable());
    const SlotPicture door = CopyFromRoomView(room, BuiltInPlacementRects()[Slot::DoorClose],
                                              BuiltInPicture(Slot::DoorClose));
    for (std::uint8_t pixel : door.pixels) {
        ASSERT_EQ(pixel, BlackIndex);
    }
}

TEST(MaskRules, MakeMaskWhitensBlackAndCopyKeepsWhite) {
    SlotPicture picture = SlotPicture::Blank(3, 2, 8, RoomTable());
    picture.Set(0, 0, BlackIndex);
    picture.Set(1, 0, WhiteIndex);
    picture.Set(2, 0, 100);
    picture.Set(0, 1, 254);
    const SlotPicture made = MakeMask(picture);
    const SlotPicture copied = CopyAsMask(picture);
    for (const SlotPicture* mask : {&made, &copied}) {
        EXPECT_EQ(mask->bitsPerPixel, 1);
        EXPECT_EQ(mask->colourTable, MaskColourTable());
        EXPECT_EQ(mask->width, 3);
        EXPECT_EQ(mask->xPelsPerMeter, 0);
    }
    EXPECT_EQ(made.pixels, (std::vector<std::uint8_t>{1, 0, 0, 0, 0, 0}));
    // White: the pixel set to index 0 and the two left at 0 by Blank.
    EXPECT_EQ(copied.pixels, (std::vector<std::uint8_t>{0, 1, 0, 0, 1, 1}));
}

TEST(MaskRules, WholePicturesAndAnEightBitMask) {
    const auto flat = [](std::uint8_t index) {
        SlotPicture p = SlotPicture::Blank(5, 4, 8, RoomTable());
        std::fill(p.pixels.begin(), p.pixels.end(), index);
        return p;
    };
    const auto all = [](const SlotPicture& mask, std::uint8_t value) {
        return std::all_of(mask.pixels.begin(), mask.pixels.end(),
                           [value](std::uint8_t p) { return p == value; });
    };
    EXPECT_TRUE(all(MakeMask(flat(100)), 0));        // no black: all-black mask
    EXPECT_TRUE(all(MakeMask(flat(BlackIndex)), 1)); // all black: all-white mask
    EXPECT_TRUE(all(CopyAsMask(flat(100)), 0));      // no white: all-black mask
    SlotPicture eightBitMask = flat(WhiteIndex);
    EXPECT_EQ(CopyAsMask(eightBitMask).bitsPerPixel, 1);
}

} // namespace
} // namespace tessaly
