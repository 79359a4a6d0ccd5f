#include "core/slots/slotpicture.h"

namespace tessaly {

SlotPicture SlotPicture::Blank(std::int32_t width, std::int32_t height, std::uint16_t bitsPerPixel,
                               std::vector<Rgb> colourTable) {
    SlotPicture picture;
    picture.width = width;
    picture.height = height;
    picture.bitsPerPixel = bitsPerPixel;
    picture.colourTable = std::move(colourTable);
    picture.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    return picture;
}

Rgb SlotPicture::ColourAt(int x, int y) const {
    const std::uint8_t index = At(x, y);
    return index < colourTable.size() ? colourTable[index] : Rgb{};
}

std::vector<Rgb> MaskColourTable() {
    return {Rgb{0, 0, 0}, Rgb{255, 255, 255}};
}

} // namespace tessaly
