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
    const PlacementRect target = place == RoomSlot ? WholePreview : slots.placements[place];
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
    DrawSlots(preview, slots, night ? 1 : 0, 20, 0);
    DrawSlots(preview, slots, night ? 19 : 3, 23, 3);
    DrawSlots(preview, slots, RoomSlot, 24, RoomSlot);
    DrawSlots(preview, slots, 13, 33, 13);
    DrawSlots(preview, slots, 15, 35, 15);
    DrawSlots(preview, slots, 12, 32, 12);
}

void DrawTreasureBox(SlotPicture& preview, const RoomSlots& slots, bool open) {
    DrawSlots(preview, slots, open ? 11 : 10, open ? 31 : 30, 10);
}

void DrawBed(SlotPicture& preview, const RoomSlots& slots, bool sleeping) {
    DrawSlots(preview, slots, sleeping ? 9 : 8, sleeping ? 29 : 28, 8);
}

void DrawDoor(SlotPicture& preview, const RoomSlots& slots, DoorState door) {
    const PartSlot picture = door == DoorState::Open ? 7 : door == DoorState::HalfOpen ? 6 : 5;
    DrawSlots(preview, slots, picture, MaskSlotOf(picture), 5);
}

void DrawLettersAndBubble(SlotPicture& preview, const RoomSlots& slots) {
    for (PartSlot part : {16, 17, 18, 14}) {
        DrawSlots(preview, slots, part, MaskSlotOf(part), part);
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
