#pragma once

#include "core/art/builtincanvas.h"

namespace tessaly::art {

enum class DoorPose { Closed, Ajar, Open };

// The furniture that a part picture shows in more than one state.
struct RoomState {
    DoorPose door = DoorPose::Closed;
    bool sleeper = false;
    bool boxOpen = false;
};

// The whole room by day in the given state, 320x240 in RoomPalette. Whatever a state
// changes stays inside the place of the part that shows it, and clear of the places of
// parts drawn over that one, so every part picture can be cut out of a room like this.
SlotPicture DrawRoom(const RoomState& state);

} // namespace tessaly::art
