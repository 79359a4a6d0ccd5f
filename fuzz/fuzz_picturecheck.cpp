// CheckPictureBytes on any file, slot and palette. The input's first byte picks the
// slot, the next two the palette's length (0xFFFF: no palette); the palette is the
// input's tail, the file what lies between. Each gets a heap block of its own, so that
// AddressSanitizer sees a read past either.

#include "core/pictures/picturecheck.h"
#include "fuzzsupport.h"

#include <algorithm>

namespace tessaly {
namespace {

constexpr std::size_t ControlBytes = 3;
constexpr std::size_t NoPalette = 0xFFFF;
constexpr std::size_t ColourTableStart = 54;

struct CheckInput {
    PartSlot slot = 0;
    Bytes file;
    std::optional<Bytes> palette;
};

CheckInput SplitInput(std::span<const std::uint8_t> bytes) {
    CheckInput input;
    input.slot = bytes[0] % SlotCount;
    const std::size_t paletteLength = U16At(bytes, 1);
    const auto rest = bytes.subspan(ControlBytes);
    const std::size_t fileLength = paletteLength == NoPalette
                                       ? rest.size()
                                       : rest.size() - std::min(paletteLength, rest.size());
    input.file.assign(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(fileLength));
    if (paletteLength != NoPalette) {
        input.palette.emplace(rest.begin() + static_cast<std::ptrdiff_t>(fileLength), rest.end());
    }
    return input;
}

bool PaletteMatches(const CheckInput& input) {
    const Bytes& palette = *input.palette;
    return input.file.size() >= ColourTableStart + PaletteBytes && palette.size() >= PaletteBytes &&
           std::equal(palette.begin(), palette.begin() + PaletteBytes,
                      input.file.begin() + ColourTableStart);
}

void CheckVerdict(const CheckInput& input, PictureVerdict verdict) {
    Require((verdict == PictureVerdict::TooShort) == (input.file.size() < 34),
            "too short exactly when the tested fields are missing");
    Require((verdict == PictureVerdict::NotABitmap) ==
                (input.file.size() >= 34 && (input.file[0] != 'B' || input.file[1] != 'M')),
            "not a bitmap exactly when a long enough file lacks the signature");
    if (IsMaskSlot(input.slot)) {
        Require(verdict != PictureVerdict::PictureDepth &&
                    verdict != PictureVerdict::PaletteDiffers,
                "a mask is held to the mask rules");
        return;
    }
    Require(verdict != PictureVerdict::MaskDepth, "a picture is held to the picture rules");
    Require(input.palette || verdict != PictureVerdict::PaletteDiffers,
            "no colour test without a palette");
    Require(verdict != PictureVerdict::Accepted || !input.palette || PaletteMatches(input),
            "an accepted picture has the palette's colours");
}

} // namespace
} // namespace tessaly

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaly;
    if (size < ControlBytes) {
        return 0;
    }
    const CheckInput input = SplitInput({data, size});
    std::optional<std::span<const std::uint8_t>> palette;
    if (input.palette) {
        palette.emplace(*input.palette);
    }
    CheckVerdict(input, CheckPictureBytes(input.file, input.slot, palette));
    return 0;
}
