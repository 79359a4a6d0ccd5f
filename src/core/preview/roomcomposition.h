#pragma once

#include "core/slots/catalogue.h"
#include "core/slots/slotpicture.h"

#include <functional>

namespace tessaly {

// The room as the preview shows it: 320x240, 8 bits per pixel, each pixel an index into
// RoomPalette. The composition works on the indices: white is 0 and black 255.

enum class DoorState { Closed, HalfOpen, Open };

struct PreviewState {
    bool night = false;
    DoorState door = DoorState::Closed;
    bool boxOpen = false;
    bool bedSleeping = false;
    bool lettersAndBubble = false;
    friend bool operator==(const PreviewState&, const PreviewState&) = default;
};

// Where the composition finds the slot pictures and the placement table.
struct RoomSlots {
    std::function<const SlotPicture&(PartSlot)> pictureOf;
    const PlacementRectTable& placements;
};

// A new preview picture: all white.
SlotPicture BlankPreview();

// The RoomPalette index of a colour: the entry of that colour, or else the nearest one
// by squared distance in red, green and blue, the lower index on a tie.
std::uint8_t NearestRoomIndex(Rgb colour);

// One layer through its mask: over the target area each preview pixel becomes itself OR
// the mask's index, then that AND the picture's index. The source is the sourceWidth x
// sourceHeight area at the top-left of the picture and the mask, fitted into the target
// by dropping or repeating columns and rows (the same mapping for both). Where the
// picture or the mask is smaller than the source area, the pixel counts as see-through
// (mask white, picture black) and the preview keeps what it has.
void DrawMaskedPart(SlotPicture& preview, const PlacementRect& target, const SlotPicture& mask,
                    const SlotPicture& picture, int sourceWidth, int sourceHeight);

// The steps of a composition, in the order they are drawn.
// The white fill, the window view, the view through the door, the room, the mailbox,
// the bath tub and the table.
void DrawTimeLayers(SlotPicture& preview, const RoomSlots& slots, bool night);
void DrawTreasureBox(SlotPicture& preview, const RoomSlots& slots, bool open);
void DrawBed(SlotPicture& preview, const RoomSlots& slots, bool sleeping);
void DrawDoor(SlotPicture& preview, const RoomSlots& slots, DoorState door);
// The three letters and the bubble.
void DrawLettersAndBubble(SlotPicture& preview, const RoomSlots& slots);

// The whole composition for a state, from the white fill up.
void ComposeRoom(SlotPicture& preview, const RoomSlots& slots, const PreviewState& state);

} // namespace tessaly
