#include "support/slotset.h"

#include "core/art/builtinpictures.h"

namespace tessaly::test {

SlotSet BuiltInSlots() {
    return SlotSet{BuiltInPictures()};
}

} // namespace tessaly::test
