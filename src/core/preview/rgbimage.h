#pragma once

#include "core/slots/slotpicture.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tessaly {

// A 24-bit colour picture: red, green, blue for each pixel, rows from the top.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    static RgbImage Filled(int width, int height, Rgb colour);
    Rgb At(int x, int y) const;
    void Set(int x, int y, Rgb colour);
};

// The colour of each of the 256 indices through a colour table; an index past the end
// of the table reads as black, as SlotPicture::ColourAt reads it.
using IndexColours = std::array<Rgb, 256>;
IndexColours ColoursOf(const std::vector<Rgb>& colourTable);

} // namespace tessaly
