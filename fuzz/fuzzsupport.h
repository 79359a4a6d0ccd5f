#pragma once

// What the fuzz targets and the seed generator share.

#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
#include "core/package/roompackage.h"
#include "core/slots/catalogue.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>

namespace tessaly {

// Stops the run when a property fails, so that the fuzzer keeps the input.
inline void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "Property failed: %s\n", property);
        std::abort();
    }
}

// The bitmap reader on an exact copy of the bytes: a read past them is then a read
// past a heap block, which AddressSanitizer reports even when the bytes are part of a
// larger input.
inline SlotPicture DecodeOwnCopy(std::span<const std::uint8_t> bytes) {
    const Bytes own(bytes.begin(), bytes.end());
    return DecodeBmp(own);
}

inline std::optional<SlotPicture> TryDecodeBmp(std::span<const std::uint8_t> bytes) {
    try {
        return DecodeBmp(bytes);
    } catch (const PlatformError&) {
        return std::nullopt;
    }
}

inline std::optional<RoomPackage> TryDecodePackage(std::span<const std::uint8_t> bytes) {
    try {
        return DecodeRoomPackage(bytes, DecodeOwnCopy);
    } catch (const PlatformError&) {
        return std::nullopt;
    }
}

// RoomPalette as the palette file and a BMP colour table hold it: blue, green, red, 0.
inline Bytes RoomPaletteBytes() {
    Bytes bytes;
    for (const Rgb& c : RoomPalette()) {
        bytes.insert(bytes.end(), {c.blue, c.green, c.red, 0});
    }
    return bytes;
}

} // namespace tessaly
