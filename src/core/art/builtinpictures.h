#pragma once

#include "core/slots/catalogue.h"
#include "core/slots/slotpicture.h"

#include <array>

namespace tessaly {

// The picture a slot holds when the main window is created: the built-in size and
// depth of the slot, 8-bit pictures in RoomPalette (the three letters carry tables of
// their own), 1-bit masks with the black-then-white table, all black but the bubble's
// and the letters', which are black inside the drawn shape and white around it.
SlotPicture BuiltInPicture(PartSlot slot);

// The built-in pictures of all forty slots in slot order, drawn once and kept for the
// life of the program.
const std::array<SlotPicture, SlotCount>& BuiltInPictures();

} // namespace tessaly
