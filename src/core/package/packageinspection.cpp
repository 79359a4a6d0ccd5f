#include "core/package/packageinspection.h"

#include "core/art/builtinpictures.h"
#include "core/base/platformerror.h"
#include "core/bitmap/bmpcodec.h"
#include "core/package/roompackage.h"
#include "core/pictures/picturecheck.h"
#include "core/slots/catalogue.h"

#include <algorithm>

namespace tessaly {
namespace {

using Severity = Finding::Severity;

void InspectTexts(std::span<const std::uint8_t> bytes, std::vector<Finding>& findings) {
    const char* const names[3] = {"name", "comment", "copyright"};
    for (std::size_t field = 0; field < PackageTextOffsets.size(); ++field) {
        const unsigned length = bytes[PackageTextOffsets[field]];
        if (length > MaxPackageTextBytes) {
            findings.push_back({Severity::Problem, "the " + std::string(names[field]) + " claims " +
                                                       std::to_string(length) +
                                                       " bytes, more than 127"});
        }
    }
}

const char* VerdictText(PictureVerdict verdict) {
    switch (verdict) {
    case PictureVerdict::PictureDepth:
        return "a part picture must have 8 bits per pixel";
    case PictureVerdict::MaskDepth:
        return "a mask must have 1 or 8 bits per pixel";
    case PictureVerdict::Compressed:
        return "the bitmap is compressed";
    case PictureVerdict::CoreHeader:
        return "the bitmap has a 12-byte core header";
    case PictureVerdict::TooShort:
        return "the bitmap is too short";
    case PictureVerdict::NotABitmap:
        return "the bitmap has no \"BM\" signature";
    default:
        return nullptr;
    }
}

void InspectSlot(PartSlot slot, std::span<const std::uint8_t> bitmap,
                 std::optional<std::span<const std::uint8_t>> palette,
                 std::vector<Finding>& findings) {
    SlotPicture picture;
    try {
        picture = DecodeBmp(bitmap);
    } catch (const PlatformError& error) {
        findings.push_back({Severity::Problem, PackageSlotName(slot) + ": " + error.what()});
        return;
    }
    const PictureVerdict verdict = CheckPictureBytes(bitmap, slot, palette);
    if (const char* text = VerdictText(verdict)) {
        findings.push_back({Severity::Problem, PackageSlotName(slot) + ": " + text});
    }
    // A slot whose built-in picture carries a table of its own (the letters) may keep it.
    if (verdict == PictureVerdict::PaletteDiffers &&
        picture.colourTable != BuiltInPicture(slot).colourTable) {
        findings.push_back(
            {Severity::Warning,
             PackageSlotName(slot) + ": the colour table differs from the palette file"});
    }
    const SlotEntry& entry = SlotCatalogue(slot);
    if (picture.width != entry.width || picture.height != entry.height) {
        findings.push_back({Severity::Warning,
                            PackageSlotName(slot) + ": " + std::to_string(picture.width) + "x" +
                                std::to_string(picture.height) + " instead of the built-in " +
                                std::to_string(entry.width) + "x" + std::to_string(entry.height)});
    }
}

// Bytes after the last entry: zero bytes that pad a package to the minimum size are
// what the writer adds; anything else is reported.
void InspectTail(std::span<const std::uint8_t> bytes, const PackageLayout& layout,
                 std::vector<Finding>& findings) {
    const auto& last = layout.entries.back();
    const auto end = static_cast<std::size_t>(last.data() + last.size() - bytes.data());
    const auto tail = bytes.subspan(end);
    const bool padding =
        bytes.size() == MinPackageSize &&
        std::all_of(tail.begin(), tail.end(), [](std::uint8_t b) { return b == 0; });
    if (!tail.empty() && !padding) {
        findings.push_back(
            {Severity::Warning, std::to_string(tail.size()) + " bytes follow the last entry"});
    }
}

} // namespace

std::vector<Finding> InspectRoomPackage(std::span<const std::uint8_t> bytes,
                                        std::optional<std::span<const std::uint8_t>> palette) {
    std::vector<Finding> findings;
    if (bytes.size() < MinPackageSize) {
        findings.push_back({Severity::Problem, "the file has " + std::to_string(bytes.size()) +
                                                   " bytes; a package has at least 200000"});
    }
    if (bytes.size() < PackageHeaderSize) {
        return findings;
    }
    InspectTexts(bytes, findings);
    const PackageLayout layout = LayOutPackage(bytes);
    // Pictures past the package's limit are not decoded: that is the memory it bounds.
    if (const std::int64_t pixels = PackagePixels(layout); pixels > MaxPackagePixels) {
        findings.push_back({Severity::Problem, PackagePixelsProblem(pixels)});
    } else {
        for (PartSlot slot = 0; slot < static_cast<PartSlot>(layout.entries.size()); ++slot) {
            InspectSlot(slot, layout.entries[slot], palette, findings);
        }
    }
    if (layout.problem) {
        findings.push_back({Severity::Problem, *layout.problem});
    } else {
        InspectTail(bytes, layout, findings);
    }
    return findings;
}

} // namespace tessaly
