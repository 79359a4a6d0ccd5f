#include "core/slots/catalogue.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>

namespace tessaly {
namespace {

TEST(Catalogue, EveryPartButRoomAndBubbleCoversItsBuiltInSize) {
    for (PartSlot slot = 0; slot < PictureSlotCount; ++slot) {
        if (slot == Slot::Room || slot == Slot::Bubble) {
            continue;
        }
        const PlacementRect r = BuiltInPlacementRects()[slot];
        EXPECT_EQ(r.right - r.left + 1, SlotCatalogue(slot).width) << slot;
        EXPECT_EQ(r.bottom - r.top + 1, SlotCatalogue(slot).height) << slot;
    }
}

TEST(Catalogue, RoomIsWholePictureAndBubbleIsNarrowed) {
    EXPECT_EQ(BuiltInPlacementRects()[Slot::Room], (PlacementRect{0, 0, 320, 240}));
    const PlacementRect bubble = BuiltInPlacementRects()[Slot::Bubble];
    EXPECT_EQ(bubble.right - bubble.left + 1, 73);
    EXPECT_EQ(bubble.bottom - bubble.top + 1, 71);
    EXPECT_EQ(SlotCatalogue(Slot::Bubble).width, 82);
}

TEST(Catalogue, SlotsSharingAPlace) {
    const auto& rects = BuiltInPlacementRects();
    using namespace Slot;
    const std::pair<PartSlot, PartSlot> sharing[] = {
        {WinDay, WinNight},    {WinDay, WinIO},    {DoorDay, DoorNight}, {DoorClose, DoorHalf},
        {DoorClose, DoorOpen}, {Bed, BedSleeping}, {TBox, TBoxOpen}};
    for (auto [a, b] : sharing) {
        EXPECT_EQ(rects[a], rects[b]) << a << " and " << b;
    }
    EXPECT_EQ(rects[PictureOf(MaskOf(DoorNight))], rects[DoorDay]);
}

TEST(Catalogue, MasksPairWithPictures) {
    for (PartSlot slot = 0; slot < PictureSlotCount; ++slot) {
        const SlotEntry& picture = SlotCatalogue(slot);
        const SlotEntry& mask = SlotCatalogue(MaskOf(slot));
        EXPECT_EQ(std::tie(picture.width, picture.height), std::tie(mask.width, mask.height));
        EXPECT_EQ(picture.bitsPerPixel, 8);
        EXPECT_EQ(mask.bitsPerPixel, 1);
        EXPECT_EQ(PictureOf(MaskOf(slot)), slot);
    }
}

// Each name is the slot of the component it is named after: the night view out of the
// door comes last, after the letters.
TEST(Catalogue, SlotNamesMatchTheirComponents) {
    const std::pair<PartSlot, std::string_view> named[] = {
        {Slot::WinDay, "WinDay"},     {Slot::WinNight, "WinNight"},
        {Slot::WinIO, "WinIO"},       {Slot::DoorDay, "DoorDay"},
        {Slot::Room, "Room"},         {Slot::DoorClose, "DoorClose"},
        {Slot::DoorHalf, "DoorHalf"}, {Slot::DoorOpen, "DoorOpen"},
        {Slot::Bed, "Bed"},           {Slot::BedSleeping, "BedSleeping"},
        {Slot::TBox, "TBox"},         {Slot::TBoxOpen, "TBoxOpen"},
        {Slot::Table, "Table"},       {Slot::Post, "Post"},
        {Slot::Bubble, "Bubble"},     {Slot::Bath, "Bath"},
        {Slot::Letter1, "Letter1"},   {Slot::Letter2, "Letter2"},
        {Slot::Letter3, "Letter3"},   {Slot::DoorNight, "DoorNight"},
    };
    std::set<PartSlot> slots;
    for (const auto& [slot, name] : named) {
        EXPECT_EQ(SlotCatalogue(slot).component, std::string(name) + "Image");
        EXPECT_EQ(SlotCatalogue(MaskOf(slot)).component, std::string(name) + "Mask");
        slots.insert(slot);
    }
    EXPECT_EQ(slots.size(), static_cast<std::size_t>(PictureSlotCount));
    EXPECT_EQ(Slot::DoorNight, PictureSlotCount - 1);
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
