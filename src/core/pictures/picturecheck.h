#pragma once

#include "core/base/datafiles.h"
#include "core/slots/catalogue.h"

#include <cstdint>
#include <optional>
#include <span>

namespace tessaly {

// What the tests for a BMP file destined for a slot find, in the order they run.
enum class PictureVerdict {
    Accepted,
    TooShort,       // the file cannot hold the tested header fields
    NotABitmap,     // the file does not start with the signature "BM"
    CoreHeader,     // a 12-byte info header
    PictureDepth,   // a picture slot's file is not 8 bits per pixel
    Compressed,     // the compression field is not 0
    MaskDepth,      // a mask slot's file is neither 1 nor 8 bits per pixel
    PaletteDiffers, // a picture slot's colour table differs from the palette file
};

// Tests a file's bytes for a slot. Only the tested fields are read, at their fixed
// offsets: the signature (0), the info header size (14), the depth (28), the
// compression (30) and, for a
// picture slot, the 1024 bytes from offset 54, compared with the palette. Without a
// palette no colour test is made; a byte missing from the file or from the palette
// counts as a difference.
PictureVerdict CheckPictureBytes(std::span<const std::uint8_t> file, PartSlot slot,
                                 std::optional<std::span<const std::uint8_t>> palette);

} // namespace tessaly
