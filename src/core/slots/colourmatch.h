#pragma once

#include "core/slots/slotpicture.h"

#include <cstdint>
#include <span>

namespace tessaly {

// Squared distance of two colours in red, green and blue.
int ColourDistance(Rgb a, Rgb b);

// The index of the table entry nearest to the colour: an equal entry if there is one,
// else the least squared distance, the lower index on a tie. 0 for an empty table.
std::uint8_t NearestColourIndex(std::span<const Rgb> table, Rgb colour);

} // namespace tessaly
