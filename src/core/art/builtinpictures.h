#pragma once

#include "core/slots/catalogue.h"
#include "core/slots/slotpicture.h"

#include <array>
#include <cstdint>
#include <span>

namespace tessaly {

// The picture a slot holds when the main window is created, as art::DrawBuiltInPictures
// draws it. The build runs that drawing code once and embeds the forty bitmaps, so the
// programs only decode them: BuiltInPicture decodes one at each call.
SlotPicture BuiltInPicture(PartSlot slot);

// The built-in pictures of all forty slots in slot order, decoded once and kept for the
// life of the program.
const std::array<SlotPicture, SlotCount>& BuiltInPictures();

// The embedded bitmap file of a slot's built-in picture, as EncodeBmp writes it.
std::span<const std::uint8_t> BuiltInBitmap(PartSlot slot);

} // namespace tessaly
