// A package of any pictures, decoded and composed in all 48 preview states: pictures
// of any size and colour table are read only inside, and the preview keeps its shape.

#include "core/preview/contactsheet.h"
#include "core/preview/roomcomposition.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaly;
    const auto package = TryDecodePackage({data, size});
    if (!package) {
        return 0;
    }
    RoomSlots slots{[&](PartSlot slot) -> const SlotPicture& { return package->pictures[slot]; },
                    BuiltInPlacementRects()};
    SlotPicture preview = BlankPreview();
    for (const PreviewState& state : AllPreviewStates()) {
        ComposeRoom(preview, slots, state);
        Require(preview.width == RoomWidth && preview.height == RoomHeight &&
                    preview.pixels.size() == std::size_t{RoomWidth} * RoomHeight,
                "the preview keeps its size");
    }
    return 0;
}
