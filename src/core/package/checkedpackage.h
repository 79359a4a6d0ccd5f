#pragma once

#include "core/package/roompackage.h"

#include <span>
#include <vector>

namespace tessaly {

// A room package checked whole, as DecodeRoomPackage with DecodeBmp checks it (the header,
// the entries' layout and every bitmap's headers, with the same errors in the same
// order), whose pictures are unpacked only when asked for: a command that needs a few
// slots reports every fault a full read reports without decoding the others.
// The bytes must outlive it.
class CheckedPackage {
  public:
    // Throws PlatformError as DecodeRoomPackage does.
    explicit CheckedPackage(std::span<const std::uint8_t> bytes);

    const RoomTexts& Texts() const { return texts_; }
    // The slot's picture, decoded anew at each call.
    SlotPicture Decode(PartSlot slot) const;

  private:
    RoomTexts texts_;
    std::vector<std::span<const std::uint8_t>> entries_;
};

} // namespace tessaly
