#include "core/bitmap/bmpcodec.h"

#include "core/base/platformerror.h"
#include "core/base/wholefile.h"

#include <algorithm>

namespace tessaly {
namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;

[[noreturn]] void Refuse(const std::string& reason) {
    throw PlatformError("Invalid bitmap: " + reason);
}

void PackRow(const SlotPicture& picture, int y, std::uint8_t* row) {
    const std::uint8_t* source = &picture.pixels[static_cast<std::size_t>(y) * picture.width];
    if (picture.bitsPerPixel == 8) {
        std::copy(source, source + picture.width, row);
        return;
    }
    for (int x = 0; x < picture.width; ++x) {
        if (source[x] & 1) {
            row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
}

void UnpackRow(const std::uint8_t* row, int bitsPerPixel, int width, std::uint8_t* target) {
    if (bitsPerPixel == 8) {
        std::copy(row, row + width, target);
        return;
    }
    for (int x = 0; x < width; x += 8) {
        const std::uint8_t bits = row[x / 8];
        const int count = std::min(8, width - x);
        for (int k = 0; k < count; ++k) {
            target[x + k] = static_cast<std::uint8_t>((bits >> (7 - k)) & 1);
        }
    }
}

struct InfoHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t planes;
    std::uint16_t bitsPerPixel;
    std::uint32_t compression;
    std::int32_t xPelsPerMeter;
    std::int32_t yPelsPerMeter;
    std::uint32_t coloursUsed;
    std::uint32_t importantColours;
};

InfoHeader ReadInfoHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        Refuse("no \"BM\" signature");
    }
    if (bytes.size() < FileHeaderSize + InfoHeaderSize) {
        Refuse("the header is cut short");
    }
    const std::size_t at = FileHeaderSize;
    return InfoHeader{U32At(bytes, at),
                      static_cast<std::int32_t>(U32At(bytes, at + 4)),
                      static_cast<std::int32_t>(U32At(bytes, at + 8)),
                      U16At(bytes, at + 12),
                      U16At(bytes, at + 14),
                      U32At(bytes, at + 16),
                      static_cast<std::int32_t>(U32At(bytes, at + 24)),
                      static_cast<std::int32_t>(U32At(bytes, at + 28)),
                      U32At(bytes, at + 32),
                      U32At(bytes, at + 36)};
}

void CheckInfoHeader(const InfoHeader& h, std::size_t fileSize) {
    if (h.size < InfoHeaderSize || FileHeaderSize + h.size > fileSize) {
        Refuse("an info header of " + std::to_string(h.size) + " bytes is not supported");
    }
    if (h.planes != 1) {
        Refuse("the number of planes is not 1");
    }
    if (h.bitsPerPixel != 1 && h.bitsPerPixel != 8) {
        Refuse(std::to_string(h.bitsPerPixel) + " bits per pixel are not supported");
    }
    if (h.compression != 0) {
        Refuse("compressed bitmaps are not supported");
    }
    const bool sidesOk =
        h.width > 0 && h.height > 0 && h.width <= MaxBitmapSide && h.height <= MaxBitmapSide;
    if (!sidesOk || std::int64_t{h.width} * h.height > MaxBitmapPixels) {
        Refuse("a size of " + std::to_string(h.width) + " x " + std::to_string(h.height) +
               " pixels is not supported");
    }
    if (h.coloursUsed > (1u << h.bitsPerPixel)) {
        Refuse("the colour table claims " + std::to_string(h.coloursUsed) + " entries");
    }
}

// Where the parts of a checked BMP file lie.
struct BmpLayout {
    InfoHeader header;
    std::uint32_t colours;
    std::size_t tableAt;
    std::size_t rowsAt;
    std::size_t stride;
};

BmpLayout CheckedLayout(std::span<const std::uint8_t> bytes) {
    const InfoHeader h = ReadInfoHeader(bytes);
    CheckInfoHeader(h, bytes.size());
    const std::uint32_t colours = h.coloursUsed ? h.coloursUsed : 1u << h.bitsPerPixel;
    const std::size_t tableAt = FileHeaderSize + h.size;
    if (bytes.size() - tableAt < std::size_t{4} * colours) {
        Refuse("the colour table is cut short");
    }
    const std::size_t rowsAt = tableAt + std::size_t{4} * colours;
    const auto stride = static_cast<std::size_t>(BmpRowStride(h.width, h.bitsPerPixel));
    if ((bytes.size() - rowsAt) / stride < static_cast<std::size_t>(h.height)) {
        Refuse("the pixel rows are cut short");
    }
    return BmpLayout{h, colours, tableAt, rowsAt, stride};
}

} // namespace

std::int64_t BmpRowStride(std::int64_t width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

Bytes EncodeBmp(const SlotPicture& picture) {
    const auto colours = static_cast<std::uint32_t>(picture.colourTable.size());
    const auto stride =
        static_cast<std::uint32_t>(BmpRowStride(picture.width, picture.bitsPerPixel));
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(picture.height);
    const std::uint32_t pixelOffset = 54 + 4 * colours;
    Bytes out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    AppendU32(out, pixelOffset + imageSize);
    AppendU32(out, 0);
    AppendU32(out, pixelOffset);
    AppendU32(out, InfoHeaderSize);
    AppendU32(out, static_cast<std::uint32_t>(picture.width));
    AppendU32(out, static_cast<std::uint32_t>(picture.height));
    AppendU16(out, 1);
    AppendU16(out, picture.bitsPerPixel);
    AppendU32(out, 0);
    AppendU32(out, imageSize);
    AppendU32(out, static_cast<std::uint32_t>(picture.xPelsPerMeter));
    AppendU32(out, static_cast<std::uint32_t>(picture.yPelsPerMeter));
    AppendU32(out, colours);
    AppendU32(out, picture.importantColours);
    for (const Rgb& c : picture.colourTable) {
        out.insert(out.end(), {c.blue, c.green, c.red, 0});
    }
    out.resize(out.size() + imageSize, 0);
    for (int y = 0; y < picture.height; ++y) {
        const std::size_t fileRow = static_cast<std::size_t>(picture.height - 1 - y);
        PackRow(picture, y, &out[pixelOffset + fileRow * stride]);
    }
    return out;
}

void CheckBmp(std::span<const std::uint8_t> bytes) {
    CheckedLayout(bytes);
}

SlotPicture DecodeBmp(std::span<const std::uint8_t> bytes) {
    const BmpLayout layout = CheckedLayout(bytes);
    const InfoHeader& h = layout.header;
    SlotPicture picture;
    picture.width = h.width;
    picture.height = h.height;
    picture.bitsPerPixel = h.bitsPerPixel;
    picture.xPelsPerMeter = h.xPelsPerMeter;
    picture.yPelsPerMeter = h.yPelsPerMeter;
    picture.importantColours = h.importantColours;
    picture.colourTable.reserve(layout.colours);
    for (std::size_t i = 0; i < layout.colours; ++i) {
        const std::size_t at = layout.tableAt + 4 * i;
        picture.colourTable.push_back(Rgb{bytes[at + 2], bytes[at + 1], bytes[at]});
    }
    picture.pixels.resize(static_cast<std::size_t>(h.width) * h.height);
    for (int y = 0; y < h.height; ++y) {
        const std::size_t fileRow = static_cast<std::size_t>(h.height - 1 - y);
        UnpackRow(&bytes[layout.rowsAt + fileRow * layout.stride], h.bitsPerPixel, h.width,
                  &picture.pixels[static_cast<std::size_t>(y) * h.width]);
    }
    return picture;
}

void WriteBmpFile(const SlotPicture& picture, const std::string& path) {
    WriteFileAtomically(path, EncodeBmp(picture));
}

RemoveFileOnExit WriteScratchBmpFile(const SlotPicture& picture, const std::string& path) {
    return WriteScratchFile(path, EncodeBmp(picture));
}

SlotPicture ReadBmpFile(const std::string& path) {
    return DecodeBmp(ReadWholeFile(path, MaxBmpFileBytes));
}

} // namespace tessaly
