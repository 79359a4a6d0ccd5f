#include "core/preview/roomcomposition.h"

#include "core/slots/colourmatch.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace tessaly {
namespace {

constexpr PlacementRect WholePreview{0, 0, RoomWidth - 1, RoomHeight - 1};

std::uint32_t Key(Rgb c) {
    return static_cast<std::uint32_t>(c.red << 16 | c.green << 8 | c.blue);
}

// The RoomPalette index of every entry of a picture's colour table; indices past the
// table read as black.
std::array<std::uint8_t, 256> IndexMap(const SlotPicture& picture) {
    std::array<std::uint8_t, 256> map;
    map.fill(BlackIndex);
    const std::size_t entries = std::min<std::size_t>(picture.colourTable.size(), 256);
    for (std::size_t i = 0; i < entries; ++i) {
        map[i] = NearestRoomIndex(picture.colourTable[i]);
    }
    return map;
}

bool Covers(const SlotPicture& picture, int x, int y) {
    return x < picture.width && y < picture.height;
}

void DrawSlots(SlotPicture& preview, const RoomSlots& slots, PartSlot picture, PartSlot mask,
               PartSlot place) {
    const SlotEntry& size = SlotCatalogue(picture);
    const PlacementRect target = place == Slot::Room ? WholePreview : slots.placements[place];
    DrawMaskedPart(preview, target, slots.pictureOf(mask), slots.pictureOf(picture), size.width,
                   size.height);
}

} // namespace

SlotPicture BlankPreview() {
    return SlotPicture::Blank(RoomWidth, RoomHeight, 8,
                              {RoomPalette().begin(), RoomPalette().end()});
}

std::uint8_t NearestRoomIndex(Rgb colour) {
    static const std::unordered_map<std::uint32_t, std::uint8_t> exact = [] {
        std::unordered_map<std::uint32_t, std::uint8_t> map;
        for (int i = 255; i >= 0; --i) {
            map[Key(RoomPalette()[i])] = static_cast<std::uint8_t>(i);
        }
        return map;
    }();
    const auto found = exact.find(Key(colour));
    return found != exact.end() ? found->second : NearestColourIndex(RoomPalette(), colour);
}

void DrawMaskedPart(SlotPicture& preview, const PlacementRect& target, const SlotPicture& mask,
                    const SlotPicture& picture, int sourceWidth, int sourceHeight) {
    const int left = std::max(target.left, 0);
    const int top = std::max(target.top, 0);
    const int right = std::min(target.right, preview.width - 1);
    const int bottom = std::min(target.bottom, preview.height - 1);
    const int targetWidth = target.right - target.left + 1;
    const int targetHeight = target.bottom - target.top + 1;
    if (targetWidth <= 0 || targetHeight <= 0) {
        return;
    }
    const auto maskMap = IndexMap(mask);
    const auto pictureMap = IndexMap(picture);
    for (int y = top; y <= bottom; ++y) {
        const int sy = (y - target.top) * sourceHeight / targetHeight;
        for (int x = left; x <= right; ++x) {
            const int sx = (x - target.left) * sourceWidth / targetWidth;
            if (!Covers(mask, sx, sy) || !Covers(picture, sx, sy)) {
                continue; // see-through: the preview keeps its pixel
            }
            const std::uint8_t m = maskMap[mask.At(sx, sy)];
            const std::uint8_t p = pictureMap[picture.At(sx, sy)];
            preview.Set(x, y, static_cast<std::uint8_t>((preview.At(x, y) | m) & p));
        }
    }
}

void DrawTimeLayers(SlotPicture& preview, const RoomSlots& slots, bool night) {
    std::fill(preview.pixels.begin(), preview.pixels.end(), WhiteIndex);
    // By night the views are drawn through the day masks, at the day views' places.
    DrawSlots(preview, slots, night ? Slot::WinNight : Slot::WinDay, MaskOf(Slot::WinDay),
              Slot::WinDay);
    DrawSlots(preview, slots, night ? Slot::DoorNight : Slot::DoorDay, MaskOf(Slot::DoorDay),
              Slot::DoorDay);
    DrawSlots(preview, slots, Slot::Room, MaskOf(Slot::Room), Slot::Room);
    for (PartSlot part : {Slot::Post, Slot::Bath, Slot::Table}) {
        DrawSlots(preview, slots, part, MaskOf(part), part);
    }
}

void DrawTreasureBox(SlotPicture& preview, const RoomSlots& slots, bool open) {
    const PartSlot box = open ? Slot::TBoxOpen : Slot::TBox;
    DrawSlots(preview, slots, box, MaskOf(box), Slot::TBox);
}

void DrawBed(SlotPicture& preview, const RoomSlots& slots, bool sleeping) {
    const PartSlot bed = sleeping ? Slot::BedSleeping : Slot::Bed;
    DrawSlots(preview, slots, bed, MaskOf(bed), Slot::Bed);
}

void DrawDoor(SlotPicture& preview, const RoomSlots& slots, DoorState door) {
    const PartSlot picture = door == DoorState::Open       ? Slot::DoorOpen
                             : door == DoorState::HalfOpen ? Slot::DoorHalf
                                                           : Slot::DoorClose;
    DrawSlots(preview, slots, picture, MaskOf(picture), Slot::DoorClose);
}

void DrawLettersAndBubble(SlotPicture& preview, const RoomSlots& slots) {
    for (PartSlot part : {Slot::Letter1, Slot::Letter2, Slot::Letter3, Slot::Bubble}) {
        DrawSlots(preview, slots, part, MaskOf(part), part);
    }
}

void ComposeRoom(SlotPicture& preview, const RoomSlots& slots, const PreviewState& state) {
    DrawTimeLayers(preview, slots, state.night);
    DrawTreasureBox(preview, slots, state.boxOpen);
    DrawBed(preview, slots, state.bedSleeping);
    DrawDoor(preview, slots, state.door);
    if (state.lettersAndBubble) {
        DrawLettersAndBubble(preview, slots);
    }
}

} // namespace tessaly
