#include "core/base/platformerror.h"
#include "core/preview/jpegencoder.h"
#include "support/slotset.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace tessaly {
namespace {

struct Decoded {
    int width = 0;
    int height = 0;
    int components = 0;
    bool jfif = false;
    bool progressive = true;
    std::vector<std::uint8_t> rgb;
};

Decoded DecodeJpeg(const Bytes& bytes) {
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), bytes.size());
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    Decoded d{static_cast<int>(info.output_width),
              static_cast<int>(info.output_height),
              info.num_components,
              info.saw_JFIF_marker != 0,
              info.progressive_mode != 0,
              {}};
    d.rgb.resize(static_cast<std::size_t>(d.width) * d.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &d.rgb[static_cast<std::size_t>(info.output_scanline) * d.width * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return d;
}

bool HasBaselineFrame(const Bytes& bytes) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            return true;
        }
    }
    return false;
}

RgbImage ColoursOfPixels(const SlotPicture& picture) {
    RgbImage rgb = RgbImage::Filled(picture.width, picture.height, Rgb{});
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            rgb.Set(x, y, picture.ColourAt(x, y));
        }
    }
    return rgb;
}

TEST(JpegEncoder, PreviewBecomesABaselineColourJfifCloseToThePicture) {
    const SlotPicture preview = test::BuiltInSlots().Compose({});
    const RgbImage rgb = ColoursOfPixels(preview);
    const Bytes jpeg = EncodeJpeg(preview, PreviewJpegQuality);
    const Decoded decoded = DecodeJpeg(jpeg);
    EXPECT_EQ(decoded.width, 320);
    EXPECT_EQ(decoded.height, 240);
    EXPECT_EQ(decoded.components, 3);
    EXPECT_TRUE(decoded.jfif);
    EXPECT_FALSE(decoded.progressive);
    EXPECT_TRUE(HasBaselineFrame(jpeg));
    double difference = 0;
    for (std::size_t i = 0; i < rgb.rgb.size(); ++i) {
        difference += std::abs(int(rgb.rgb[i]) - int(decoded.rgb[i]));
    }
    EXPECT_LT(difference / static_cast<double>(rgb.rgb.size()), 8.0);
}

// A palettised picture is encoded as the colour picture of its pixels' colours, byte for
// byte; indices past a short colour table are black.
TEST(JpegEncoder, PalettisedPictureEncodesAsItsColours) {
    SlotPicture picture = test::BuiltInSlots().Compose({true, DoorState::Open, true, true, true});
    picture.colourTable.resize(200);
    EXPECT_EQ(EncodeJpeg(picture, PreviewJpegQuality),
              EncodeJpeg(ColoursOfPixels(picture), PreviewJpegQuality));
}

TEST(JpegEncoder, LibraryErrorsBecomeTheJpegErrorText) {
    try {
        EncodeJpeg(RgbImage{}, PreviewJpegQuality);
        ADD_FAILURE() << "an empty picture was encoded";
    } catch (const PlatformError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("JPEG エラー #", 0), 0u) << error.what();
    }
}

} // namespace
} // namespace tessaly
