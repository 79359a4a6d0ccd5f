#pragma once

#include "core/slots/catalogue.h"
#include "core/slots/slotpicture.h"

#include <array>

namespace tessaly::art {

// Draws the built-in picture of every slot: the built-in size and depth of the slot,
// 8-bit pictures in RoomPalette (the three letters carry tables of their own), 1-bit
// masks with the black-then-white table, all black but the bubble's and the letters',
// which are black inside the drawn shape and white around it. The build draws them once
// and embeds their bitmaps (see BuiltInPicture); this is the source of those bitmaps.
std::array<SlotPicture, SlotCount> DrawBuiltInPictures();

} // namespace tessaly::art
