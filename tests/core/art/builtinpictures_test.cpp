#include "core/art/builtindrawing.h"
#include "core/art/builtinpictures.h"
#include "core/bitmap/bmpcodec.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>

namespace tessaly {
namespace {

bool IsLetter(PartSlot slot) {
    return slot == Slot::Letter1 || slot == Slot::Letter2 || slot == Slot::Letter3;
}

bool IsShaped(PartSlot pictureSlot) {
    return pictureSlot == Slot::Bubble || IsLetter(pictureSlot);
}

// Calls f(x, y) for each room pixel that both placements cover.
template <class F> void ForOverlap(PlacementRect a, PlacementRect b, F f) {
    for (int y = std::max(a.top, b.top); y <= std::min(a.bottom, b.bottom); ++y) {
        for (int x = std::max(a.left, b.left); x <= std::min(a.right, b.right); ++x) {
            f(x, y);
        }
    }
}

// The build embeds the pictures the drawing code drew then; they must still be what it
// draws now, byte for byte (a stale build step would show here).
TEST(BuiltInPictures, EmbeddedBitmapsAreWhatTheDrawingCodeDraws) {
    const auto drawn = art::DrawBuiltInPictures();
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        const Bytes bitmap = EncodeBmp(drawn[slot]);
        const auto embedded = BuiltInBitmap(slot);
        EXPECT_TRUE(std::ranges::equal(bitmap, embedded)) << slot;
        EXPECT_EQ(BuiltInPicture(slot), drawn[slot]) << slot;
    }
}

TEST(BuiltInPictures, EverySlotHasItsSizeDepthAndColourTable) {
    const std::vector<Rgb> room(RoomPalette().begin(), RoomPalette().end());
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        const SlotPicture p = BuiltInPicture(slot);
        const SlotEntry& entry = SlotCatalogue(slot);
        EXPECT_EQ(p.width, entry.width) << slot;
        EXPECT_EQ(p.height, entry.height) << slot;
        EXPECT_EQ(p.bitsPerPixel, entry.bitsPerPixel) << slot;
        EXPECT_EQ(p.pixels.size(), static_cast<std::size_t>(p.width) * p.height) << slot;
        EXPECT_EQ(p.xPelsPerMeter, 0) << slot;
        EXPECT_EQ(p.yPelsPerMeter, 0) << slot;
        EXPECT_EQ(p.importantColours, 0u) << slot;
        const std::size_t entries = IsMaskSlot(slot) ? 2 : 256;
        ASSERT_EQ(p.colourTable.size(), entries) << slot;
        EXPECT_TRUE(std::ranges::all_of(p.pixels, [&](auto i) { return i < entries; })) << slot;
        if (IsMaskSlot(slot)) {
            EXPECT_EQ(p.colourTable, MaskColourTable()) << slot;
        } else {
            EXPECT_EQ(p.colourTable == room, !IsLetter(slot)) << slot;
        }
    }
}

// A shaped part is black exactly where its mask is white; every other mask is all black.
TEST(BuiltInPictures, MasksAreWhiteJustWhereTheShapedPartsAreBlack) {
    for (PartSlot picture = 0; picture < PictureSlotCount; ++picture) {
        const SlotPicture mask = BuiltInPicture(MaskOf(picture));
        const SlotPicture part = BuiltInPicture(picture);
        std::size_t white = 0;
        for (int y = 0; y < mask.height; ++y) {
            for (int x = 0; x < mask.width; ++x) {
                const bool seeThrough = mask.At(x, y) == 1;
                white += seeThrough;
                if (IsShaped(picture)) {
                    ASSERT_EQ(part.ColourAt(x, y) == Rgb{}, seeThrough)
                        << picture << " at " << x << "," << y;
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

TEST(BuiltInPictures, DefaultPartsAreTheRoomAtTheirPlaces) {
    const SlotPicture room = BuiltInPicture(Slot::Room);
    using namespace Slot;
    for (PartSlot slot : {DoorClose, Bed, TBox, Table, Post, Bath}) {
        const SlotPicture part = BuiltInPicture(slot);
        const PlacementRect place = BuiltInPlacementRects()[slot];
        for (int y = 0; y < part.height; ++y) {
            for (int x = 0; x < part.width; ++x) {
                ASSERT_EQ(part.At(x, y), room.At(place.left + x, place.top + y))
                    << slot << " at " << x << "," << y;
            }
        }
    }
}

// The preview draws the opaque parts in this order, each in its default or other state.
// A state may change its picture, but not where a part drawn after it lies over it:
// that part, cut from the default room, would show the default there.
TEST(BuiltInPictures, OtherStatesChangeNothingUnderLaterParts) {
    using namespace Slot;
    constexpr std::array<PartSlot, 6> DrawOrder{Post, Bath, Table, TBox, Bed, DoorClose};
    const auto& places = BuiltInPlacementRects();
    const std::pair<PartSlot, PartSlot> states[] = {
        {DoorHalf, DoorClose}, {DoorOpen, DoorClose}, {BedSleeping, Bed}, {TBoxOpen, TBox}};
    for (auto [state, base] : states) {
        const SlotPicture changed = BuiltInPicture(state);
        const SlotPicture standard = BuiltInPicture(base);
        EXPECT_NE(changed, standard) << state;
        const PlacementRect place = places[base];
        const auto later = std::ranges::find(DrawOrder, base) + 1;
        for (PartSlot over : std::ranges::subrange(later, DrawOrder.end())) {
            ForOverlap(place, places[over], [&](int x, int y) {
                const int px = x - place.left;
                const int py = y - place.top;
                ASSERT_EQ(changed.At(px, py), standard.At(px, py)) << state << " under " << over;
            });
        }
    }
}

} // namespace
} // namespace tessaly
