#include "core/pictures/derivedpictures.h"

#include "core/slots/colourmatch.h"

#include <array>

namespace tessaly {
namespace {

constexpr std::uint8_t MaskBlack = 0;
constexpr std::uint8_t MaskWhite = 1;

// A new mask with each pixel white where the picture's colour is the given one.
SlotPicture MaskWhereColourIs(const SlotPicture& picture, Rgb colour) {
    SlotPicture mask = SlotPicture::Blank(picture.width, picture.height, 1, MaskColourTable());
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            mask.Set(x, y, picture.ColourAt(x, y) == colour ? MaskWhite : MaskBlack);
        }
    }
    return mask;
}

} // namespace

SlotPicture CopyFromRoomView(const SlotPicture& room, const PlacementRect& area,
                             const SlotPicture& part) {
    SlotPicture result = part;
    const int areaWidth = area.right - area.left + 1;
    const int areaHeight = area.bottom - area.top + 1;
    // Each room colour-table entry matched once, not once a pixel.
    std::array<std::uint8_t, 256> nearest{};
    for (std::size_t i = 0; i < room.colourTable.size() && i < nearest.size(); ++i) {
        nearest[i] = NearestColourIndex(part.colourTable, room.colourTable[i]);
    }
    const std::uint8_t outside = NearestColourIndex(part.colourTable, Rgb{0, 0, 0});
    for (int y = 0; y < part.height; ++y) {
        const int sy = area.top + y * areaHeight / part.height;
        for (int x = 0; x < part.width; ++x) {
            const int sx = area.left + x * areaWidth / part.width;
            const bool inside = sx >= 0 && sy >= 0 && sx < room.width && sy < room.height;
            // An index past the room's table reads as black, like a pixel outside it.
            const bool known = inside && room.At(sx, sy) < room.colourTable.size();
            result.Set(x, y, known ? nearest[room.At(sx, sy)] : outside);
        }
    }
    return result;
}

SlotPicture MakeMask(const SlotPicture& picture) {
    return MaskWhereColourIs(picture, Rgb{0, 0, 0});
}

SlotPicture CopyAsMask(const SlotPicture& picture) {
    return MaskWhereColourIs(picture, Rgb{255, 255, 255});
}

} // namespace tessaly
