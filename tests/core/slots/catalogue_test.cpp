#include "core/slots/catalogue.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace tessaly {
namespace {

TEST(Catalogue, EveryPartButRoomAndBubbleCoversItsBuiltInSize) {
    for (PartSlot slot = 0; slot < PictureSlotCount; ++slot) {
        if (slot == RoomSlot || slot == 14) {
            continue;
        }
        const PlacementRect r = BuiltInPlacementRects()[slot];
        EXPECT_EQ(r.right - r.left + 1, SlotCatalogue(slot).width) << slot;
        EXPECT_EQ(r.bottom - r.top + 1, SlotCatalogue(slot).height) << slot;
    }
}

TEST(Catalogue, RoomIsWholePictureAndBubbleIsNarrowed) {
    EXPECT_EQ(BuiltInPlacementRects()[RoomSlot], (PlacementRect{0, 0, 320, 240}));
    const PlacementRect bubble = BuiltInPlacementRects()[14];
    EXPECT_EQ(bubble.right - bubble.left + 1, 73);
    EXPECT_EQ(bubble.bottom - bubble.top + 1, 71);
    EXPECT_EQ(SlotCatalogue(14).width, 82);
}

TEST(Catalogue, SlotsSharingAPlace) {
    const auto& rects = BuiltInPlacementRects();
    for (auto [a, b] : {std::pair{0, 1}, {0, 2}, {3, 19}, {5, 6}, {5, 7}, {8, 9}, {10, 11}}) {
        EXPECT_EQ(rects[a], rects[b]) << a << " and " << b;
    }
    EXPECT_EQ(rects[PictureSlotOf(39)], rects[3]);
}

TEST(Catalogue, MasksPairWithPicturesAndGroupsAreAsDesigned) {
    for (PartSlot slot = 0; slot < PictureSlotCount; ++slot) {
        const SlotEntry& picture = SlotCatalogue(slot);
        const SlotEntry& mask = SlotCatalogue(MaskSlotOf(slot));
        EXPECT_EQ(std::tie(picture.width, picture.height), std::tie(mask.width, mask.height));
        EXPECT_EQ(picture.bitsPerPixel, 8);
        EXPECT_EQ(mask.bitsPerPixel, 1);
        EXPECT_EQ(PictureSlotOf(MaskSlotOf(slot)), slot);
    }
    EXPECT_EQ(SlotCatalogue(19).component, "DoorNightImage");
    EXPECT_EQ(SlotCatalogue(39).component, "DoorNightMask");
    for (PartSlot view : {0, 1, 2, 3, 19}) {
        EXPECT_EQ(GroupOf(view), SlotGroup::View) << view;
    }
    EXPECT_EQ(GroupOf(4), SlotGroup::Room);
    EXPECT_EQ(GroupOf(5), SlotGroup::Object);
    EXPECT_EQ(GroupOf(18), SlotGroup::Object);
    EXPECT_EQ(GroupOf(20), SlotGroup::Mask);
}

TEST(Catalogue, RoomPaletteFollowsItsRule) {
    const Palette& p = RoomPalette();
    const std::tuple<int, Rgb> samples[] = {
        {0, {255, 255, 255}},   {1, {255, 255, 204}}, {6, {255, 204, 255}}, {214, {0, 0, 51}},
        {215, {238, 0, 0}},     {224, {17, 0, 0}},    {225, {0, 238, 0}},   {235, {0, 0, 238}},
        {245, {238, 238, 238}}, {254, {17, 17, 17}},  {255, {0, 0, 0}},
    };
    for (const auto& [index, colour] : samples) {
        EXPECT_EQ(p[index], colour) << index;
    }
    std::set<std::tuple<int, int, int>> distinct;
    for (const Rgb& c : p) {
        distinct.insert({c.red, c.green, c.blue});
    }
    EXPECT_EQ(distinct.size(), 256u);
}

} // namespace
} // namespace tessaly
