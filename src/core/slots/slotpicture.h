#pragma once

#include <cstdint>
#include <vector>

namespace tessaly {

// One colour-table entry.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The picture a slot holds: a palettised device-independent bitmap. Pixels are
// colour-table indices, one byte each, row by row from the top, whatever the depth;
// the BMP codec packs and unpacks them. The resolution and important-colours values
// are carried along so that a picture read from a file is written back unchanged.
struct SlotPicture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 8;
    std::vector<Rgb> colourTable;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t importantColours = 0;
    std::vector<std::uint8_t> pixels;

    // A picture of the given size with every pixel set to index 0.
    static SlotPicture Blank(std::int32_t width, std::int32_t height, std::uint16_t bitsPerPixel,
                             std::vector<Rgb> colourTable);

    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void Set(int x, int y, std::uint8_t index) {
        pixels[static_cast<std::size_t>(y) * width + x] = index;
    }
    // The colour of a pixel; an index past the end of the colour table reads as black.
    Rgb ColourAt(int x, int y) const;

    friend bool operator==(const SlotPicture&, const SlotPicture&) = default;
};

// The two-entry table of every mask the program makes: entry 0 black, entry 1 white.
std::vector<Rgb> MaskColourTable();

} // namespace tessaly
