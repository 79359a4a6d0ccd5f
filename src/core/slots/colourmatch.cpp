#include "core/slots/colourmatch.h"

namespace tessaly {

int ColourDistance(Rgb a, Rgb b) {
    const int r = a.red - b.red;
    const int g = a.green - b.green;
    const int bl = a.blue - b.blue;
    return r * r + g * g + bl * bl;
}

std::uint8_t NearestColourIndex(std::span<const Rgb> table, Rgb colour) {
    std::size_t best = 0;
    int bestDistance = -1;
    for (std::size_t i = 0; i < table.size() && i < 256 && bestDistance != 0; ++i) {
        const int distance = ColourDistance(colour, table[i]);
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace tessaly
