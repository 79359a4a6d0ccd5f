#include "core/pictures/picturecheck.h"

#include "core/base/bytes.h"

#include <algorithm>

namespace tessaly {
namespace {

constexpr std::size_t TestedHeaderEnd = 34;
constexpr std::size_t ColourTableStart = 54;

bool SamePalette(std::span<const std::uint8_t> file, std::span<const std::uint8_t> palette) {
    if (file.size() < ColourTableStart + PaletteBytes || palette.size() < PaletteBytes) {
        return false;
    }
    return std::equal(palette.begin(), palette.begin() + PaletteBytes,
                      file.begin() + ColourTableStart);
}

} // namespace

PictureVerdict CheckPictureBytes(std::span<const std::uint8_t> file, PartSlot slot,
                                 std::optional<std::span<const std::uint8_t>> palette) {
    if (file.size() < TestedHeaderEnd) {
        return PictureVerdict::TooShort;
    }
    if (file[0] != 'B' || file[1] != 'M') {
        return PictureVerdict::NotABitmap;
    }
    const std::uint32_t headerSize = U32At(file, 14);
    const std::uint16_t depth = U16At(file, 28);
    const bool compressed = U32At(file, 30) != 0;
    if (headerSize == 12) {
        return PictureVerdict::CoreHeader;
    }
    if (IsMaskSlot(slot)) {
        if (depth != 8 && depth != 1) {
            return PictureVerdict::MaskDepth;
        }
        return compressed ? PictureVerdict::Compressed : PictureVerdict::Accepted;
    }
    if (depth != 8) {
        return PictureVerdict::PictureDepth;
    }
    if (compressed) {
        return PictureVerdict::Compressed;
    }
    if (palette && !SamePalette(file, *palette)) {
        return PictureVerdict::PaletteDiffers;
    }
    return PictureVerdict::Accepted;
}

} // namespace tessaly
