#include "support/packagebytes.h"

#include "core/art/builtinpictures.h"
#include "core/base/datafiles.h"

namespace tessaly::test {

Bytes ShippedHeaderTemplate() {
    return ReadHeaderTemplate(TESSALY_DATA_DIR);
}

Bytes ShippedPalette() {
    return ReadPaletteFile(TESSALY_DATA_DIR);
}

Bytes BuiltInPackage(const RoomTexts& texts) {
    return EncodeRoomPackage(ShippedHeaderTemplate(), texts,
                             [](PartSlot slot) { return PackageBitmap(BuiltInPicture(slot)); });
}

std::vector<std::size_t> BitmapOffsets(const Bytes& package) {
    std::vector<std::size_t> offsets;
    std::size_t at = PackageHeaderSize + 4;
    for (int slot = 0; slot < SlotCount; ++slot) {
        offsets.push_back(at);
        at += U32At(package, at + 2) + 4;
    }
    return offsets;
}

} // namespace tessaly::test
