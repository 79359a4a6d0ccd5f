#pragma once

#include "core/art/builtincanvas.h"

namespace tessaly::art {

enum class Daytime { Day, Night };

// The land outside the room, drawn in room coordinates, so that the window, the doorway
// and the view pictures all look out on one and the same garden.
void DrawOutdoors(Canvas& canvas, Daytime time);

// A view picture: the land outside as it shows at the slot's place.
SlotPicture OutdoorView(PartSlot slot, Daytime time);

// The window while connecting: a little network of lights and a sending aerial.
SlotPicture ConnectingView();

} // namespace tessaly::art
