#pragma once

#include "core/slots/catalogue.h"
#include "core/slots/slotpicture.h"

namespace tessaly {

// The part picture cut out of the room picture: the placement area (right and bottom
// included) fitted into the whole of the part's current picture, repeating rows and
// columns to enlarge and dropping them to shrink. The part keeps its size, depth and
// colour table; each colour becomes the nearest entry of that table. Where the area
// reaches past the room picture, the part gets its entry nearest to black, the colour
// a part is see-through in.
SlotPicture CopyFromRoomView(const SlotPicture& room, const PlacementRect& area,
                             const SlotPicture& part);

// A mask made from a picture: 1 bit per pixel, the picture's size, black-then-white
// table; white where the picture is black (0, 0, 0), black everywhere else.
SlotPicture MakeMask(const SlotPicture& picture);

// A mask copied from its picture: white where the picture is white (255, 255, 255),
// black everywhere else.
SlotPicture CopyAsMask(const SlotPicture& picture);

} // namespace tessaly
