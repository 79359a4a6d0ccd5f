#include "core/art/builtinpictures.h"

#include "core/bitmap/bmpcodec.h"

namespace tessaly {

SlotPicture BuiltInPicture(PartSlot slot) {
    return DecodeBmp(BuiltInBitmap(slot));
}

const std::array<SlotPicture, SlotCount>& BuiltInPictures() {
    static const std::array<SlotPicture, SlotCount> pictures = [] {
        std::array<SlotPicture, SlotCount> all;
        for (PartSlot slot = 0; slot < SlotCount; ++slot) {
            all[slot] = BuiltInPicture(slot);
        }
        return all;
    }();
    return pictures;
}

} // namespace tessaly
