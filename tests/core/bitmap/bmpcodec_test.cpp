#include "core/art/builtinpictures.h"
#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

// A small 8-bit picture with distinct pixels and a 256-entry table.
SlotPicture SamplePicture(int width, int height, int bits) {
    std::vector<Rgb> table;
    const int colours = 1 << bits;
    for (int i = 0; i < colours; ++i) {
        table.push_back(Rgb{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                            static_cast<std::uint8_t>(i * 7)});
    }
    SlotPicture picture =
        SlotPicture::Blank(width, height, static_cast<std::uint16_t>(bits), table);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        picture.pixels[i] = static_cast<std::uint8_t>((i * 37 + i / 5) % colours);
    }
    picture.xPelsPerMeter = 2835;
    picture.yPelsPerMeter = 3780;
    picture.importantColours = 3;
    return picture;
}

TEST(BmpCodec, BuiltInPicturesEncodeToTheirLengthsAndRoundTrip) {
    const std::uint32_t lengths[SlotCount] = {
        5726, 5726, 5726, 8198, 77878, 8490, 8490, 8490, 8374, 8374, 4438, 4438, 5078, 5030,
        7042, 4022, 1526, 1722, 1526,  8198, 726,  726,  726,  1130, 9662, 1370, 1370, 1370,
        974,  974,  542,  542,  662,   670,  914,  430,  126,  154,  126,  1130};
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        const SlotPicture picture = BuiltInPicture(slot);
        const Bytes bytes = EncodeBmp(picture);
        EXPECT_EQ(bytes.size(), lengths[slot]) << slot;
        EXPECT_EQ(U32At(bytes, 2), lengths[slot]) << slot;
        EXPECT_EQ(DecodeBmp(bytes), picture) << slot;
        EXPECT_EQ(EncodeBmp(DecodeBmp(bytes)), bytes) << slot;
    }
}

TEST(BmpCodec, HeaderFieldsOfAMadeMask) {
    SlotPicture mask = SlotPicture::Blank(25, 16, 1, MaskColourTable());
    mask.Set(3, 0, 1);
    const Bytes b = EncodeBmp(mask);
    const Bytes blackWhite{0, 0, 0, 0, 255, 255, 255, 0};
    EXPECT_EQ(b.size(), 126u);
    EXPECT_EQ(Bytes(b.begin() + 54, b.begin() + 62), blackWhite);
    EXPECT_EQ(U32At(b, 10), 62u);
    EXPECT_EQ(U32At(b, 14), 40u);
    EXPECT_EQ(U32At(b, 34), 64u);
    for (std::size_t at : {38u, 42u, 50u}) {
        EXPECT_EQ(U32At(b, at), 0u) << at;
    }
    EXPECT_EQ(U32At(b, 46), 2u);
    // The top row is stored last; pixel 3 is bit 4 of its first byte.
    EXPECT_EQ(b[62 + 15 * 4], 0x10);
}

TEST(BmpCodec, KeepsResolutionAndImportantColours) {
    for (int bits : {1, 8}) {
        const SlotPicture picture = SamplePicture(13, 7, bits);
        EXPECT_EQ(DecodeBmp(EncodeBmp(picture)), picture) << bits;
    }
}

TEST(BmpCodec, ColoursUsedZeroMeansAFullTable) {
    for (int bits : {1, 8}) {
        Bytes b = EncodeBmp(SamplePicture(9, 4, bits));
        PutU32(b, 46, 0);
        EXPECT_EQ(DecodeBmp(b).colourTable.size(), 1u << bits) << bits;
    }
}

TEST(BmpCodec, IgnoresThePixelOffsetAndSkipsLongerInfoHeaders) {
    const SlotPicture picture = SamplePicture(6, 5, 8);
    Bytes wrongOffset = EncodeBmp(picture);
    PutU32(wrongOffset, 10, 12345);
    EXPECT_EQ(DecodeBmp(wrongOffset), picture);

    Bytes longHeader = EncodeBmp(picture);
    longHeader.insert(longHeader.begin() + 54, 68, 0xEE); // a 108-byte header
    PutU32(longHeader, 14, 108);
    EXPECT_EQ(DecodeBmp(longHeader), picture);
}

TEST(BmpCodec, ShortColourTableIsReadAsGiven) {
    SlotPicture picture = SamplePicture(4, 4, 8);
    picture.colourTable.resize(16);
    for (auto& p : picture.pixels) {
        p %= 16;
    }
    EXPECT_EQ(DecodeBmp(EncodeBmp(picture)), picture);
}

struct Malformed {
    const char* name;
    std::function<void(Bytes&)> damage;
};

TEST(BmpCodec, RefusesMalformedFiles) {
    const Bytes good = EncodeBmp(SamplePicture(10, 6, 8));
    const Malformed cases[] = {
        {"no signature", [](Bytes& b) { b[0] = 'X'; }},
        {"empty", [](Bytes& b) { b.clear(); }},
        {"truncated file header", [](Bytes& b) { b.resize(10); }},
        {"truncated info header", [](Bytes& b) { b.resize(40); }},
        {"truncated colour table", [](Bytes& b) { b.resize(600); }},
        {"truncated rows", [](Bytes& b) { b.pop_back(); }},
        {"core header", [](Bytes& b) { PutU32(b, 14, 12); }},
        {"header larger than file", [](Bytes& b) { PutU32(b, 14, 0xFFFFFFF0u); }},
        {"planes not 1", [](Bytes& b) { PutU16(b, 26, 2); }},
        {"24 bits", [](Bytes& b) { PutU16(b, 28, 24); }},
        {"4 bits", [](Bytes& b) { PutU16(b, 28, 4); }},
        {"compressed", [](Bytes& b) { PutU32(b, 30, 1); }},
        {"width 0", [](Bytes& b) { PutU32(b, 18, 0); }},
        {"height 0", [](Bytes& b) { PutU32(b, 22, 0); }},
        {"negative width", [](Bytes& b) { PutU32(b, 18, static_cast<std::uint32_t>(-10)); }},
        {"negative height", [](Bytes& b) { PutU32(b, 22, static_cast<std::uint32_t>(-6)); }},
        {"huge width", [](Bytes& b) { PutU32(b, 18, 0x7FFFFFFF); }},
        {"huge area", [](Bytes& b) { PutU32(b, 18, 30000), PutU32(b, 22, 30000); }},
        {"more colours than the depth has", [](Bytes& b) { PutU32(b, 46, 257); }},
        {"colours used past the file", [](Bytes& b) { PutU32(b, 46, 200), b.resize(700); }},
    };
    for (const Malformed& c : cases) {
        Bytes bytes = good;
        c.damage(bytes);
        try {
            DecodeBmp(bytes);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const PlatformError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("Invalid bitmap: ", 0), 0u)
                << c.name << ": " << error.what();
        }
    }
}

TEST(BmpCodec, FilesRoundTripAndAFailedReadRaises) {
    test::ScratchFolder folder;
    const SlotPicture picture = SamplePicture(11, 3, 1);
    WriteBmpFile(picture, folder.File("mask.dat"));
    EXPECT_EQ(ReadBmpFile(folder.File("mask.dat")), picture);
    WriteWholeFile(folder.File("text.bmp"), Bytes{'h', 'i'});
    EXPECT_THROW(ReadBmpFile(folder.File("text.bmp")), PlatformError);
    EXPECT_THROW(ReadBmpFile(folder.File("missing.bmp")), PlatformError);
}

} // namespace
} // namespace tessaly
