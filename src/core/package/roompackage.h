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

// Reads a whole package, each bitmap through loadBitmap. Throws PlatformError for a
// package shorter than the header, an entry that does not fit, or a refused bitmap.
using BitmapLoader = std::function<SlotPicture(std::span<const std::uint8_t>)>;
RoomPackage DecodeRoomPackage(std::span<const std::uint8_t> bytes, const BitmapLoader& load);

// The header: the template's first 1056 bytes with the three texts written into their
// fields. Throws PlatformError for a shorter template or a text over 127 bytes.
Bytes EncodePackageHeader(std::span<const std::uint8_t> headerTemplate, const RoomTexts& texts);

// Appends one entry: the length field copied from the bitmap's size field, then the
// bitmap with its colours-used field set to 0.
void AppendPackageEntry(Bytes& package, Bytes bitmap);

// A whole package: the header, then the bitmap of each slot as encodeSlot gives it.
using SlotEncoder = std::function<Bytes(PartSlot)>;
Bytes EncodeRoomPackage(std::span<const std::uint8_t> headerTemplate, const RoomTexts& texts,
                        const SlotEncoder& encodeSlot);

// The picture as a package stores it: a colour table shorter than the depth allows is
// filled up with black, because the stored colours-used value 0 means a full table.
SlotPicture PictureForPackage(SlotPicture picture);

// The bitmap of a picture as a package entry holds it, before the entry's own changes.
Bytes PackageBitmap(const SlotPicture& picture);

} // namespace tessaly
