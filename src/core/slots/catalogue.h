#pragma once

#include "core/slots/slotpicture.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessaly {

// Slot numbers: 0-19 part pictures, 20-39 their masks (the mask of a picture slot is
// MaskOf(slot)). Code names a slot by its constant in Slot, never by its number.
using PartSlot = int;

inline constexpr int SlotCount = 40;
inline constexpr int PictureSlotCount = 20;
inline constexpr int RoomWidth = 320;
inline constexpr int RoomHeight = 240;

// The picture slots, named after their components (WinDay shows in WinDayImage, its
// mask in WinDayMask). Slot order is the order of the package file.
namespace Slot {
inline constexpr PartSlot WinDay = 0;      // view out of the window, daytime
inline constexpr PartSlot WinNight = 1;    // view out of the window, nighttime
inline constexpr PartSlot WinIO = 2;       // view out of the window while connecting
inline constexpr PartSlot DoorDay = 3;     // view out of the door, daytime
inline constexpr PartSlot Room = 4;        // the room picture
inline constexpr PartSlot DoorClose = 5;   // door, closed
inline constexpr PartSlot DoorHalf = 6;    // door, half open
inline constexpr PartSlot DoorOpen = 7;    // door, open
inline constexpr PartSlot Bed = 8;         // bed, default
inline constexpr PartSlot BedSleeping = 9; // bed, sleeping
inline constexpr PartSlot TBox = 10;       // treasure box, closed
inline constexpr PartSlot TBoxOpen = 11;   // treasure box, open
inline constexpr PartSlot Table = 12;      // table
inline constexpr PartSlot Post = 13;       // mailbox
inline constexpr PartSlot Bubble = 14;     // bubble
inline constexpr PartSlot Bath = 15;       // bath tub
inline constexpr PartSlot Letter1 = 16;    // letter on the mailbox
inline constexpr PartSlot Letter2 = 17;    // letter on the table
inline constexpr PartSlot Letter3 = 18;    // letter on the door side
inline constexpr PartSlot DoorNight = 19;  // view out of the door, nighttime
} // namespace Slot

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
constexpr bool IsMaskSlot(PartSlot slot) {
    return slot >= PictureSlotCount;
}
// The mask slot of a picture slot, and the picture slot of a mask slot.
constexpr PartSlot MaskOf(PartSlot pictureSlot) {
    return pictureSlot + PictureSlotCount;
}
constexpr PartSlot PictureOf(PartSlot maskSlot) {
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
