#include "core/art/builtinpictures.h"
#include "core/base/platformerror.h"
#include "core/bitmap/bmpcodec.h"
#include "core/package/checkedpackage.h"
#include "core/package/roompackage.h"
#include "support/packagebytes.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tessaly {
namespace {

using test::BitmapOffsets;
using test::BuiltInPackage;

RoomPackage Decode(const Bytes& bytes) {
    return DecodeRoomPackage(bytes, [](std::span<const std::uint8_t> b) { return DecodeBmp(b); });
}

TEST(RoomPackage, BuiltInPicturesWithEmptyTextsMakeTheKnownFile) {
    const Bytes package = BuiltInPackage();
    const Bytes headerTemplate = test::ShippedHeaderTemplate();
    ASSERT_EQ(package.size(), 214032u);
    for (std::size_t at = 0; at < PackageHeaderSize; ++at) {
        const bool lengthByte = at == 32 || at == 288 || at == 544;
        EXPECT_EQ(package[at], lengthByte ? 0 : headerTemplate[at]) << at;
    }
    for (std::size_t bitmap : BitmapOffsets(package)) {
        EXPECT_EQ(U32At(package, bitmap - 4), U32At(package, bitmap + 2)) << bitmap;
        EXPECT_EQ(U32At(package, bitmap + 46), 0u) << bitmap;
    }
    const RoomPackage decoded = Decode(package);
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        EXPECT_EQ(decoded.pictures[slot], BuiltInPicture(slot)) << slot;
    }
}

TEST(RoomPackage, TextsComeBackUnchanged) {
    const RoomTexts texts{std::string(127, 'n'), "line one\r\nline two", "\xE6\x97\xA5 (c)"};
    const Bytes package = BuiltInPackage(texts);
    EXPECT_EQ(Decode(package).texts, texts);
    EXPECT_EQ(package[32], 127);
    EXPECT_EQ(package[288], 18);
}

TEST(RoomPackage, TextsAreReadUpToTheirLengthOrANul) {
    Bytes package = BuiltInPackage();
    package[32] = 3;
    std::copy_n("abcdef", 6, package.begin() + 33);
    package[288] = 5;
    std::copy_n("xy\0zz", 5, package.begin() + 289);
    package[544] = 200; // read as it stands: the bytes lie inside the field
    const RoomTexts texts = DecodePackageTexts(package);
    EXPECT_EQ(texts.name, "abc");
    EXPECT_EQ(texts.comment, "xy");
    EXPECT_EQ(texts.copyright.size(), 0u); // the template's field bytes are 0
}

TEST(RoomPackage, ATextOver127BytesIsRefusedWhenWriting) {
    EXPECT_THROW(BuiltInPackage(RoomTexts{"", std::string(128, 'c'), ""}), PlatformError);
}

TEST(RoomPackage, EntryLengthFieldsAreNotRead) {
    Bytes package = BuiltInPackage();
    for (std::size_t bitmap : BitmapOffsets(package)) {
        PutU32(package, bitmap - 4, 0xDEADBEEF);
    }
    EXPECT_EQ(Decode(package).pictures[MaskOf(Slot::Room)], BuiltInPicture(MaskOf(Slot::Room)));
}

TEST(RoomPackage, OnlyTheHeaderOfALongerTemplateIsUsed) {
    Bytes longTemplate = test::ShippedHeaderTemplate();
    longTemplate.resize(2000, 0xAB);
    const Bytes package = EncodeRoomPackage(
        longTemplate, {}, [](PartSlot slot) { return PackageBitmap(BuiltInPicture(slot)); });
    EXPECT_EQ(package, BuiltInPackage());
    longTemplate.resize(1055);
    EXPECT_THROW(EncodePackageHeader(longTemplate, {}), PlatformError);
}

TEST(RoomPackage, ShortColourTablesAreFilledUpForThePackage) {
    SlotPicture picture = BuiltInPicture(Slot::Table);
    picture.colourTable.resize(16);
    for (auto& pixel : picture.pixels) {
        pixel %= 16;
    }
    const SlotPicture stored = DecodeBmp(PackageBitmap(picture));
    ASSERT_EQ(stored.colourTable.size(), 256u);
    EXPECT_TRUE(std::equal(picture.colourTable.begin(), picture.colourTable.end(),
                           stored.colourTable.begin()));
    EXPECT_EQ(stored.pixels, picture.pixels);
}

struct Malformed {
    const char* name;
    std::function<void(Bytes&)> damage;
};

TEST(RoomPackage, MalformedPackagesAreRefused) {
    const Bytes good = BuiltInPackage();
    const std::vector<std::size_t> at = BitmapOffsets(good);
    const Malformed cases[] = {
        {"cut in the header", [](Bytes& b) { b.resize(1000); }},
        {"cut mid-entry", [&](Bytes& b) { b.resize(at[MaskOf(Slot::WinDay)] + 100); }},
        {"cut before an entry's header",
         [&](Bytes& b) { b.resize(at[MaskOf(Slot::DoorNight)] + 20); }},
        {"fewer than forty entries", [&](Bytes& b) { b.resize(at[MaskOf(Slot::DoorNight)] - 4); }},
        {"size field huge", [&](Bytes& b) { PutU32(b, at[Slot::DoorDay] + 2, 0xFFFFFFF0u); }},
        {"size field zero", [&](Bytes& b) { PutU32(b, at[Slot::DoorDay] + 2, 0); }},
        {"size field below a header", [&](Bytes& b) { PutU32(b, at[Slot::DoorDay] + 2, 53); }},
        {"entry not a bitmap", [&](Bytes& b) { b[at[Slot::DoorOpen]] = 'X'; }},
        {"entry with a bad depth", [&](Bytes& b) { b[at[MaskOf(Slot::TBox)] + 28] = 24; }},
        // slots the preview never draws
        {"never-drawn entry with a bad depth", [&](Bytes& b) { b[at[Slot::WinIO] + 28] = 4; }},
        {"never-drawn entry with rows cut short",
         [&](Bytes& b) { PutU32(b, at[MaskOf(Slot::DoorNight)] + 22, 900); }},
        {"pictures past the package limit",
         [&](Bytes& b) {
             for (std::size_t bitmap : at) {
                 PutU32(b, bitmap + 18, 1000);
                 PutU32(b, bitmap + 22, 1000);
             }
         }},
    };
    for (const Malformed& c : cases) {
        Bytes bytes = good;
        c.damage(bytes);
        std::string refusal;
        try {
            Decode(bytes);
        } catch (const PlatformError& error) {
            refusal = error.what();
        }
        EXPECT_FALSE(refusal.empty()) << c.name;
        // The package read for rendering refuses it in the same words.
        try {
            CheckedPackage{bytes};
            ADD_FAILURE() << c.name;
        } catch (const PlatformError& error) {
            EXPECT_EQ(error.what(), refusal) << c.name;
        }
    }
}

TEST(RoomPackage, CheckedPackageUnpacksWhatItIsAskedFor) {
    const Bytes bytes = BuiltInPackage({"Room", "", ""});
    const CheckedPackage checked(bytes);
    EXPECT_EQ(checked.Texts().name, "Room");
    for (PartSlot slot : {MaskOf(Slot::Room), Slot::Room, MaskOf(Slot::DoorNight)}) {
        EXPECT_EQ(checked.Decode(slot), Decode(bytes).pictures[slot]) << slot;
    }
}

// The bitmaps are decoded only when the headers' pixels fit the package's limit, and a
// refused bitmap is named by its slot.
TEST(RoomPackage, ErrorsNameTheSlotAndLimitsComeFirst) {
    Bytes bytes = BuiltInPackage();
    bytes[BitmapOffsets(bytes)[Slot::DoorOpen]] = 'X';
    try {
        Decode(bytes);
        ADD_FAILURE() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Slot 7 (DoorOpenImage): Invalid bitmap: no \"BM\" signature");
    }
    bytes = BuiltInPackage();
    PutU32(bytes, BitmapOffsets(bytes)[Slot::Room] + 18, 32768);
    PutU32(bytes, BitmapOffsets(bytes)[Slot::Room] + 22, 600);
    int loaded = 0;
    EXPECT_THROW(DecodeRoomPackage(bytes,
                                   [&](std::span<const std::uint8_t> b) {
                                       ++loaded;
                                       return DecodeBmp(b);
                                   }),
                 PlatformError);
    EXPECT_EQ(loaded, 0);
}

// A package shorter than the minimum is padded with zero bytes, and reads back.
TEST(RoomPackage, SmallPackagesArePaddedToTheMinimum) {
    const auto tiny = [](PartSlot slot) {
        return SlotPicture::Blank(3, 2, IsMaskSlot(slot) ? 1 : 8,
                                  IsMaskSlot(slot) ? MaskColourTable() : std::vector<Rgb>(256));
    };
    const Bytes package =
        EncodeRoomPackage(test::ShippedHeaderTemplate(), {"tiny", "", ""},
                          [&](PartSlot slot) { return PackageBitmap(tiny(slot)); });
    ASSERT_EQ(package.size(), MinPackageSize);
    const std::size_t end =
        BitmapOffsets(package)[39] + U32At(package, BitmapOffsets(package)[39] + 2);
    EXPECT_TRUE(std::all_of(package.begin() + static_cast<std::ptrdiff_t>(end), package.end(),
                            [](std::uint8_t b) { return b == 0; }));
    const RoomPackage read = Decode(package);
    EXPECT_EQ(read.texts.name, "tiny");
    EXPECT_EQ(read.pictures[39], tiny(39));
}

TEST(RoomPackage, LayoutNamesTheEntryThatDoesNotFit) {
    Bytes bytes = BuiltInPackage();
    bytes.resize(BitmapOffsets(bytes)[Slot::Table] + 10);
    const PackageLayout layout = LayOutPackage(bytes);
    EXPECT_EQ(layout.entries.size(), std::size_t{Slot::Table}); // the entries before it
    ASSERT_TRUE(layout.problem);
    EXPECT_NE(layout.problem->find("slot 12"), std::string::npos) << *layout.problem;
}

} // namespace
} // namespace tessaly
