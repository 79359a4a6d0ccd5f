#include "core/package/roompackage.h"

#include "core/base/platformerror.h"
#include "core/bitmap/bmpcodec.h"

#include <algorithm>

namespace tessaly {
namespace {

constexpr std::size_t EntryLengthSize = 4;
constexpr std::size_t BitmapHeaderSize = 54;
constexpr std::size_t BitmapSizeField = 2;
constexpr std::size_t BitmapWidthField = 18;
constexpr std::size_t BitmapColoursUsedField = 46;

[[noreturn]] void Refuse(const std::string& reason) {
    throw PlatformError("Invalid room package: " + reason);
}

std::string TextAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(offset) + 1;
    const auto end = begin + bytes[offset];
    return std::string(begin, std::find(begin, end, std::uint8_t{0}));
}

void PutText(Bytes& header, std::size_t offset, const std::string& text, const char* field) {
    if (text.size() > MaxPackageTextBytes) {
        throw PlatformError("The " + std::string(field) + " has " + std::to_string(text.size()) +
                            " bytes; a room package holds at most 127");
    }
    header[offset] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), header.begin() + static_cast<std::ptrdiff_t>(offset) + 1);
}

std::string EntryProblem(PartSlot slot, const std::string& what) {
    return "the entry of slot " + std::to_string(slot) + " " + what;
}

// The entry: the length field copied from the bitmap's size field, then the bitmap with
// its colours-used field set to 0.
void AppendPackageEntry(Bytes& package, PartSlot slot, Bytes bitmap) {
    if (bitmap.size() < BitmapHeaderSize || U32At(bitmap, BitmapSizeField) != bitmap.size()) {
        Refuse("the bitmap of " + PackageSlotName(slot) + " holds " +
               std::to_string(bitmap.size()) + " bytes, not the number its size field gives");
    }
    const auto sizeField = bitmap.begin() + BitmapSizeField;
    package.insert(package.end(), sizeField, sizeField + EntryLengthSize);
    std::fill_n(bitmap.begin() + BitmapColoursUsedField, 4, std::uint8_t{0});
    package.insert(package.end(), bitmap.begin(), bitmap.end());
}

// A refused bitmap: the loader's text, naming the slot. Errors about files (the scratch
// file) name their file and pass unchanged.
SlotPicture LoadSlot(const BitmapLoader& load, PartSlot slot, std::span<const std::uint8_t> entry) {
    try {
        return load(entry);
    } catch (const PlatformError& error) {
        if (error.TextKind() != PlatformError::Kind::Other) {
            throw;
        }
        std::string name = PackageSlotName(slot);
        name[0] = 'S';
        throw PlatformError(name + ": " + error.what());
    }
}

} // namespace

RoomTexts DecodePackageTexts(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < PackageHeaderSize) {
        Refuse("the header is cut short");
    }
    return RoomTexts{TextAt(bytes, PackageTextOffsets[0]), TextAt(bytes, PackageTextOffsets[1]),
                     TextAt(bytes, PackageTextOffsets[2])};
}

PackageLayout LayOutPackage(std::span<const std::uint8_t> bytes) {
    PackageLayout layout;
    std::size_t at = PackageHeaderSize + EntryLengthSize;
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        if (bytes.size() < at || bytes.size() - at < BitmapHeaderSize) {
            layout.problem = EntryProblem(slot, "lies past the end of the file");
            return layout;
        }
        const std::uint32_t length = U32At(bytes, at + BitmapSizeField);
        if (length < BitmapHeaderSize) {
            layout.problem = EntryProblem(slot, "has a size of " + std::to_string(length) +
                                                    " bytes, too small for a bitmap");
            return layout;
        }
        if (bytes.size() - at < length) {
            layout.problem = EntryProblem(slot, "runs past the end of the file");
            return layout;
        }
        layout.entries.push_back(bytes.subspan(at, length));
        at += length + EntryLengthSize;
    }
    return layout;
}

std::int64_t PackagePixels(const PackageLayout& layout) {
    std::int64_t pixels = 0;
    for (const auto& entry : layout.entries) {
        const auto width = static_cast<std::int32_t>(U32At(entry, BitmapWidthField));
        const auto height = static_cast<std::int32_t>(U32At(entry, BitmapWidthField + 4));
        if (width > 0 && height > 0 && width <= MaxBitmapSide && height <= MaxBitmapSide) {
            pixels += std::int64_t{width} * height;
        }
    }
    return pixels;
}

std::string PackageSlotName(PartSlot slot) {
    return "slot " + std::to_string(slot) + " (" + std::string(SlotCatalogue(slot).component) + ")";
}

std::string PackagePixelsProblem(std::int64_t pixels) {
    return "the pictures hold " + std::to_string(pixels) + " pixels in all, more than the " +
           std::to_string(MaxPackagePixels) + " a package may hold";
}

RoomPackage DecodeRoomPackage(std::span<const std::uint8_t> bytes, const BitmapLoader& load) {
    RoomPackage package;
    package.texts = DecodePackageTexts(bytes);
    const PackageLayout layout = LayOutPackage(bytes);
    if (layout.problem) {
        Refuse(*layout.problem);
    }
    if (const std::int64_t pixels = PackagePixels(layout); pixels > MaxPackagePixels) {
        Refuse(PackagePixelsProblem(pixels));
    }
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        package.pictures[slot] = LoadSlot(load, slot, layout.entries[slot]);
    }
    return package;
}

Bytes EncodePackageHeader(std::span<const std::uint8_t> headerTemplate, const RoomTexts& texts) {
    if (headerTemplate.size() < PackageHeaderSize) {
        Refuse("the header template has only " + std::to_string(headerTemplate.size()) + " bytes");
    }
    // Only the header's bytes are taken: a longer template would shift every entry.
    Bytes header(headerTemplate.begin(), headerTemplate.begin() + PackageHeaderSize);
    PutText(header, PackageTextOffsets[0], texts.name, "name");
    PutText(header, PackageTextOffsets[1], texts.comment, "comment");
    PutText(header, PackageTextOffsets[2], texts.copyright, "copyright");
    return header;
}

Bytes EncodeRoomPackage(std::span<const std::uint8_t> headerTemplate, const RoomTexts& texts,
                        const SlotEncoder& encodeSlot) {
    Bytes package = EncodePackageHeader(headerTemplate, texts);
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        AppendPackageEntry(package, slot, encodeSlot(slot));
    }
    if (package.size() < MinPackageSize) {
        package.resize(MinPackageSize, 0);
    }
    return package;
}

Bytes PackageBitmap(const SlotPicture& picture) {
    return EncodeBmp(PictureForPackage(picture));
}

SlotPicture PictureForPackage(SlotPicture picture) {
    const std::size_t full = std::size_t{1} << picture.bitsPerPixel;
    if (picture.colourTable.size() < full) {
        picture.colourTable.resize(full, Rgb{});
    }
    return picture;
}

} // namespace tessaly
