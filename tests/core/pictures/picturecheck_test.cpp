#include "core/art/builtinpictures.h"
#include "core/bitmap/bmpcodec.h"
#include "core/pictures/picturecheck.h"
#include "support/bytepatch.h"
#include "support/packagebytes.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

using test::Patched;

constexpr PartSlot Door = Slot::DoorClose;
constexpr PartSlot DoorMask = MaskOf(Slot::DoorClose);

TEST(PictureCheck, ShippedPaletteFileIsTheRoomPalette) {
    const Bytes palette = test::ShippedPalette();
    ASSERT_EQ(palette.size(), PaletteBytes);
    for (int i = 0; i < 256; ++i) {
        const Rgb c = RoomPalette()[i];
        EXPECT_EQ(Bytes(palette.begin() + 4 * i, palette.begin() + 4 * i + 4),
                  (Bytes{c.blue, c.green, c.red, 0}))
            << i;
    }
}

TEST(PictureCheck, VerdictsInTheirOrder) {
    const Bytes palette = test::ShippedPalette();
    const Bytes picture = EncodeBmp(BuiltInPicture(Door));
    const Bytes mask = EncodeBmp(BuiltInPicture(DoorMask));
    const Bytes coreHeader = Patched(picture, 14, {12, 0, 0, 0});
    struct Case {
        const char* name;
        Bytes file;
        PartSlot slot;
        PictureVerdict verdict;
    };
    const Case cases[] = {
        {"8-bit picture", picture, Door, PictureVerdict::Accepted},
        {"room picture", EncodeBmp(BuiltInPicture(Slot::Room)), Slot::Room,
         PictureVerdict::Accepted},
        {"1-bit file for a picture slot", mask, Door, PictureVerdict::PictureDepth},
        {"1-bit mask", mask, DoorMask, PictureVerdict::Accepted},
        {"8-bit file for a mask, no colour test", Patched(picture, 54, {9, 9, 9}), DoorMask,
         PictureVerdict::Accepted},
        {"24-bit file for a mask", Patched(picture, 28, {24, 0}), DoorMask,
         PictureVerdict::MaskDepth},
        {"compressed 8-bit mask", Patched(picture, 30, {1, 0, 0, 0}), DoorMask,
         PictureVerdict::Compressed},
        {"compressed picture", Patched(picture, 30, {2, 0, 0, 0}), Door,
         PictureVerdict::Compressed},
        {"core header, picture", coreHeader, Door, PictureVerdict::CoreHeader},
        {"core header before depth", Patched(coreHeader, 28, {24, 0}), MaskOf(Slot::TBox),
         PictureVerdict::CoreHeader},
        {"colour table off the palette", Patched(picture, 60, {1}), Door,
         PictureVerdict::PaletteDiffers},
        {"letters carry their own table", EncodeBmp(BuiltInPicture(Slot::Letter1)), Slot::Letter1,
         PictureVerdict::PaletteDiffers},
        {"table cut short", Bytes(picture.begin(), picture.begin() + 1000), Door,
         PictureVerdict::PaletteDiffers},
        {"a text file", Bytes(40, 'x'), Door, PictureVerdict::NotABitmap},
        {"no signature, for a mask", test::Patched(mask, 0, {'M', 'B'}), DoorMask,
         PictureVerdict::NotABitmap},
        {"33 bytes", Bytes(picture.begin(), picture.begin() + 33), Door, PictureVerdict::TooShort},
        {"empty", Bytes{}, DoorMask, PictureVerdict::TooShort},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckPictureBytes(c.file, c.slot, palette), c.verdict) << c.name;
    }
}

TEST(PictureCheck, WithoutAPaletteNoColourTestAndAShortPaletteDiffers) {
    const Bytes offPalette = Patched(EncodeBmp(BuiltInPicture(Door)), 60, {1});
    EXPECT_EQ(CheckPictureBytes(offPalette, Door, std::nullopt), PictureVerdict::Accepted);
    const Bytes picture = EncodeBmp(BuiltInPicture(Door));
    const Bytes palette = test::ShippedPalette();
    const Bytes shortPalette(palette.begin(), palette.begin() + 1000);
    EXPECT_EQ(CheckPictureBytes(picture, Door, shortPalette), PictureVerdict::PaletteDiffers);
}

} // namespace
} // namespace tessaly
