#include "core/package/checkedpackage.h"

#include "core/bitmap/bmpcodec.h"

namespace tessaly {

CheckedPackage::CheckedPackage(std::span<const std::uint8_t> bytes)
    : texts_(DecodeRoomPackage(bytes,
                               [](std::span<const std::uint8_t> bitmap) {
                                   CheckBmp(bitmap);
                                   return SlotPicture{};
                               })
                 .texts),
      entries_(LayOutPackage(bytes).entries) {}

SlotPicture CheckedPackage::Decode(PartSlot slot) const {
    return DecodeBmp(entries_.at(static_cast<std::size_t>(slot)));
}

} // namespace tessaly
