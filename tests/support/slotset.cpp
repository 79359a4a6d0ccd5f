#include "support/slotset.h"

#include "core/art/builtinpictures.h"

namespace tessaly::test {

SlotSet BuiltInSlots() {
    SlotSet set;
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        set.pictures[slot] = BuiltInPicture(slot);
    }
    return set;
}

} // namespace tessaly::test
