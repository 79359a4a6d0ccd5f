#include "bitmap/builtinpictures.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

bool IsShaped(PartSlot pictureSlot) {
    return pictureSlot == 14 || (pictureSlot >= 16 && pictureSlot <= 18);
}

TEST(BuiltInPictures, SizeDepthAndColourTableOfEverySlot) {
    const std::vector<Rgb> room(RoomPalette().begin(), RoomPalette().end());
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        const SlotPicture p = BuiltInPicture(slot);
        const SlotEntry& entry = SlotCatalogue(slot);
        EXPECT_EQ(p.width, entry.width) << slot;
        EXPECT_EQ(p.height, entry.height) << slot;
        EXPECT_EQ(p.bitsPerPixel, entry.bitsPerPixel) << slot;
        EXPECT_EQ(p.pixels.size(), static_cast<std::size_t>(p.width) * p.height) << slot;
        EXPECT_EQ(p.xPelsPerMeter | p.yPelsPerMeter, 0) << slot;
        if (IsMaskSlot(slot)) {
            EXPECT_EQ(p.colourTable, MaskColourTable()) << slot;
        } else {
            ASSERT_EQ(p.colourTable.size(), 256u) << slot;
            EXPECT_EQ(p.colourTable == room, slot < 16 || slot == 19) << slot;
        }
    }
}

TEST(BuiltInPictures, MasksAreBlackButAroundTheShapedParts) {
    for (PartSlot picture = 0; picture < PictureSlotCount; ++picture) {
        const SlotPicture mask = BuiltInPicture(MaskSlotOf(picture));
        const SlotPicture part = BuiltInPicture(picture);
        std::size_t white = 0;
        for (int y = 0; y < mask.height; ++y) {
            for (int x = 0; x < mask.width; ++x) {
                const bool seeThrough = mask.At(x, y) == 1;
                white += seeThrough;
                // Where the mask is white the part is black, so the room shows through.
                if (seeThrough) {
                    ASSERT_EQ(part.ColourAt(x, y), Rgb{}) << picture << " " << x << "," << y;
                }
            }
        }
        if (IsShaped(picture)) {
            EXPECT_GT(white, 0u) << picture;
            EXPECT_LT(white, mask.pixels.size()) << picture;
        } else {
            EXPECT_EQ(white, 0u) << picture;
        }
    }
}

TEST(BuiltInPictures, DefaultPartsMatchTheRoomAtTheirPlaces) {
    const SlotPicture room = BuiltInPicture(RoomSlot);
    for (PartSlot slot : {5, 8, 10, 12, 13, 15}) {
        const SlotPicture part = BuiltInPicture(slot);
        const PlacementRect r = BuiltInPlacementRects()[slot];
        for (int y = 0; y < part.height; ++y) {
            for (int x = 0; x < part.width; ++x) {
                ASSERT_EQ(part.At(x, y), room.At(r.left + x, r.top + y)) << slot;
            }
        }
    }
    // The other states differ from the default one.
    for (auto [state, base] : {std::pair{6, 5}, {7, 5}, {9, 8}, {11, 10}}) {
        EXPECT_NE(BuiltInPicture(state), BuiltInPicture(base)) << state;
    }
}

} // namespace
} // namespace tessaly
