#include "support/packagebytes.h"

#include "core/art/builtinpictures.h"

namespace tessaly::test {

Bytes ShippedHeaderTemplate() {
    return ReadWholeFile(TESSALY_DATA_DIR "/QelbHead.dat");
}

Bytes BuiltInPackage(const RoomTexts& texts) {
    return EncodeRoomPackage(ShippedHeaderTemplate(), texts,
                             [](PartSlot slot) { return PackageBitmap(BuiltInPicture(slot)); });
}

std::uint32_t U32At(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16) |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void PutU32(Bytes& b, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
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
