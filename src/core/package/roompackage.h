#pragma once

#include "core/base/bytes.h"
#include "core/slots/catalogue.h"
#include "core/slots/slotpicture.h"

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessaly {

// A room package: a 1056-byte header holding three texts, then forty entries in slot
// order, each a 4-byte length and a complete BMP file whose colours-used field is 0.

inline constexpr std::size_t PackageHeaderSize = 1056;
inline constexpr std::size_t MinPackageSize = 200000;

// What a package may hold, so that no file makes a reader use memory without bound. A
// room is 320 x 240 and its parts are smaller: the built-in package holds 330,002
// pixels in all. The limit, 16 Mi pixels (one byte each once decoded, 16 MiB), leaves
// room for rooms fifty times that size. A package at that limit needs about 20 MB of
// file (8-bit rows, padded); files past 64 MiB are refused before they are read.
inline constexpr std::int64_t MaxPackagePixels = std::int64_t{1} << 24;
inline constexpr std::size_t MaxPackageFileBytes = std::size_t{64} << 20;
inline constexpr std::size_t MaxPackageTextBytes = 127;
inline constexpr std::array<std::size_t, 3> PackageTextOffsets{32, 288, 544};

// The room's three texts as the locale's 8-bit bytes, line breaks as CR LF.
struct RoomTexts {
    std::string name;
    std::string comment;
    std::string copyright;
    friend bool operator==(const RoomTexts&, const RoomTexts&) = default;
};

struct RoomPackage {
    RoomTexts texts;
    std::array<SlotPicture, SlotCount> pictures;
};

// Where the forty bitmaps lie. Walking stops at the first entry that does not fit:
// entries holds the bitmaps before it and problem says what is wrong.
struct PackageLayout {
    std::vector<std::span<const std::uint8_t>> entries;
    std::optional<std::string> problem;
};

// The texts of a header: for each field the length byte and that many bytes after it,
// ending early at a NUL byte. The bytes must hold at least the header.
RoomTexts DecodePackageTexts(std::span<const std::uint8_t> bytes);

// Finds the bitmaps by stepping from the first by each bitmap's own size field (the
// entries' length fields are not read). Nothing outside the bytes is read.
PackageLayout LayOutPackage(std::span<const std::uint8_t> bytes);

// The pixels the forty pictures claim in their headers (a picture whose size the reader
// refuses counts as none). Nothing outside the entries is read.
std::int64_t PackagePixels(const PackageLayout& layout);

// The problem of a package whose pictures hold more than MaxPackagePixels.
std::string PackagePixelsProblem(std::int64_t pixels);

// "slot 5 (DoorCloseImage)": a slot as messages name it.
std::string PackageSlotName(PartSlot slot);

// Reads a whole package, each bitmap through loadBitmap. Throws PlatformError for a
// package shorter than the header, an entry that does not fit, pictures of more than
// MaxPackagePixels in all (before any is decoded), or a refused bitmap (the text then
// names the slot).
using BitmapLoader = std::function<SlotPicture(std::span<const std::uint8_t>)>;
RoomPackage DecodeRoomPackage(std::span<const std::uint8_t> bytes, const BitmapLoader& load);

// The header: the template's first 1056 bytes with the three texts written into their
// fields. Throws PlatformError for a shorter template or a text over 127 bytes.
Bytes EncodePackageHeader(std::span<const std::uint8_t> headerTemplate, const RoomTexts& texts);

// A whole package: the header, then the bitmap of each slot as encodeSlot gives it, each
// entry's length field copied from the bitmap's size field and its colours-used field
// set to 0; a package shorter than MinPackageSize is padded with zero bytes after the
// last entry, so that it opens again. Throws PlatformError when a bitmap's length is not
// what its size field says.
using SlotEncoder = std::function<Bytes(PartSlot)>;
Bytes EncodeRoomPackage(std::span<const std::uint8_t> headerTemplate, const RoomTexts& texts,
                        const SlotEncoder& encodeSlot);

// The picture as a package stores it: a colour table shorter than the depth allows is
// filled up with black, because the stored colours-used value 0 means a full table.
SlotPicture PictureForPackage(SlotPicture picture);

// The bitmap of a picture as a package entry holds it, before the entry's own changes.
Bytes PackageBitmap(const SlotPicture& picture);

} // namespace tessaly
