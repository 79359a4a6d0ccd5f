#pragma once

#include "core/slots/slotpicture.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessaly {

// Slot numbers: 0-19 part pictures, 20-39 their masks (mask of n is n + 20).
using PartSlot = int;

inline constexpr int SlotCount = 40;
inline constexpr int PictureSlotCount = 20;
inline constexpr PartSlot RoomSlot = 4;
inline constexpr int RoomWidth = 320;
inline constexpr int RoomHeight = 240;

enum class SlotGroup { View, Room, Object, Mask };

struct SlotEntry {
    std::string_view component; // name of the picture component showing the slot
    std::int32_t width;         // built-in size
    std::int32_t height;
    std::uint16_t bitsPerPixel; // built-in depth
};

// A part's place in the room: pixels of the room picture, origin top-left.
// Right and bottom are inclusive for every slot but the room picture's own.
struct PlacementRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    friend bool operator==(const PlacementRect&, const PlacementRect&) = default;
};

using PlacementRectTable = std::array<PlacementRect, PictureSlotCount>;

const SlotEntry& SlotCatalogue(PartSlot slot);
SlotGroup GroupOf(PartSlot slot);
constexpr bool IsMaskSlot(PartSlot slot) {
    return slot >= PictureSlotCount;
}
constexpr PartSlot MaskSlotOf(PartSlot pictureSlot) {
    return pictureSlot + PictureSlotCount;
}
constexpr PartSlot PictureSlotOf(PartSlot maskSlot) {
    return maskSlot - PictureSlotCount;
}

// The fixed placement table; mask slot m uses entry m - 20.
const PlacementRectTable& BuiltInPlacementRects();

// The 256-entry palette shared by the room, most built-in parts and the preview.
// White is index 0, black index 255.
using Palette = std::array<Rgb, 256>;
const Palette& RoomPalette();
inline constexpr std::uint8_t WhiteIndex = 0;
inline constexpr std::uint8_t BlackIndex = 255;

} // namespace tessaly
