#pragma once

#include "core/slots/slotpicture.h"

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

// Each pixel of a palettised picture as its colour-table colour.
RgbImage ToRgbImage(const SlotPicture& picture);

} // namespace tessaly
