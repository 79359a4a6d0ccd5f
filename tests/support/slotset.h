#pragma once

#include "core/preview/roomcomposition.h"

#include <array>

namespace tessaly::test {

// Forty slot pictures held by a test, with the composition over them.
struct SlotSet {
    std::array<SlotPicture, SlotCount> pictures;

    RoomSlots Slots() const {
        return {[this](PartSlot slot) -> const SlotPicture& { return pictures[slot]; },
                BuiltInPlacementRects()};
    }
    SlotPicture Compose(const PreviewState& state) const {
        SlotPicture preview = BlankPreview();
        RoomSlots slots = Slots();
        ComposeRoom(preview, slots, state);
        return preview;
    }
};

// The built-in pictures of every slot.
SlotSet BuiltInSlots();

} // namespace tessaly::test
