// DecodeBmp on any bytes: what it accepts is a well-formed picture that survives
// encoding, both as a plain BMP file and as a package stores it.

#include "fuzzsupport.h"

#include <algorithm>

namespace tessaly {
namespace {

void CheckShape(const SlotPicture& picture) {
    Require(picture.width > 0 && picture.height > 0, "an accepted picture has a size");
    Require(picture.pixels.size() == static_cast<std::size_t>(picture.width) * picture.height,
            "one index per pixel");
    Require(picture.colourTable.size() <= (std::size_t{1} << picture.bitsPerPixel),
            "no more colours than the depth allows");
    if (picture.bitsPerPixel == 1) {
        Require(std::all_of(picture.pixels.begin(), picture.pixels.end(),
                            [](std::uint8_t index) { return index <= 1; }),
                "a 1-bit picture has indices 0 and 1");
    }
}

void CheckRoundTrips(const SlotPicture& picture) {
    const Bytes encoded = EncodeBmp(picture);
    const auto again = TryDecodeBmp(encoded);
    Require(again.has_value(), "an encoded picture is accepted");
    Require(*again == picture, "an encoded picture decodes to itself");
    const auto stored = TryDecodeBmp(PackageBitmap(picture));
    Require(stored.has_value(), "a package bitmap is accepted");
    Require(*stored == PictureForPackage(picture), "a package bitmap decodes to its picture");
}

} // namespace
} // namespace tessaly

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaly;
    const auto picture = TryDecodeBmp({data, size});
    if (picture) {
        CheckShape(*picture);
        CheckRoundTrips(*picture);
    }
    return 0;
}
