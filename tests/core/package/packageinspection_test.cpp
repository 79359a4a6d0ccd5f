#include "core/bitmap/bmpcodec.h"
#include "core/package/packageinspection.h"
#include "core/package/roompackage.h"
#include "support/packagebytes.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

std::vector<std::string> Texts(const std::vector<Finding>& findings, Finding::Severity severity) {
    std::vector<std::string> texts;
    for (const Finding& f : findings) {
        if (f.severity == severity) {
            texts.push_back(f.text);
        }
    }
    return texts;
}

// The letters carry colour tables of their own, as designed: no warning for them.
TEST(PackageInspection, BuiltInPackageIsClean) {
    EXPECT_TRUE(InspectRoomPackage(test::BuiltInPackage(), test::ShippedPalette()).empty());
}

TEST(PackageInspection, ReportsEveryProblemItFinds) {
    Bytes bytes = test::BuiltInPackage();
    const auto at = test::BitmapOffsets(bytes);
    bytes[288] = 130;                               // comment length above 127
    bytes[at[Slot::WinIO] + 28] = 4;                // a depth the loader refuses
    bytes[at[MaskOf(Slot::WinNight)]] = 'X';        // no bitmap signature
    PutU32(bytes, at[Slot::DoorClose] + 18, 60);    // door 60 wide: a warning
    bytes.resize(at[MaskOf(Slot::DoorNight)] + 30); // the last entry cut short
    const auto problems =
        Texts(InspectRoomPackage(bytes, test::ShippedPalette()), Finding::Severity::Problem);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_NE(problems[0].find("comment"), std::string::npos);
    EXPECT_NE(problems[1].find("slot 2 (WinIOImage)"), std::string::npos);
    EXPECT_NE(problems[2].find("slot 21 (WinNightMask)"), std::string::npos);
    EXPECT_NE(problems[3].find("slot 39"), std::string::npos);
}

TEST(PackageInspection, ChecksTheImportRulesOfEachSlot) {
    Bytes bytes = test::BuiltInPackage();
    const auto at = test::BitmapOffsets(bytes);
    bytes[at[Slot::WinDay] + 54] ^= 0xFF;  // window view: colour table off the palette
    bytes[at[Slot::Letter2] + 60] ^= 0xFF; // a letter's table neither the palette nor its own
    const auto findings = InspectRoomPackage(bytes, test::ShippedPalette());
    EXPECT_TRUE(Texts(findings, Finding::Severity::Problem).empty());
    const auto warnings = Texts(findings, Finding::Severity::Warning);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_NE(warnings[0].find("slot 0 (WinDayImage)"), std::string::npos);
    EXPECT_NE(warnings[1].find("slot 17 (Letter2Image)"), std::string::npos);
    EXPECT_EQ(Texts(InspectRoomPackage(bytes, std::nullopt), Finding::Severity::Warning).size(),
              0u);
}

// Zero bytes that pad a package to the minimum size are the writer's; anything else
// after the last entry is reported.
TEST(PackageInspection, BytesAfterTheLastEntry) {
    const Bytes package = test::BuiltInPackage();
    const std::pair<Bytes, std::size_t> cases[] = {
        {Bytes(1 << 20, 0xAB), 1},
        {Bytes(10, 0), 1},
        {Bytes{0, 0, 0, 1}, 1},
    };
    for (const auto& [tail, warnings] : cases) {
        Bytes bytes = package;
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        EXPECT_EQ(
            Texts(InspectRoomPackage(bytes, test::ShippedPalette()), Finding::Severity::Warning)
                .size(),
            warnings);
    }
    // A small package as the writer pads it, and the same with one byte changed.
    Bytes small = EncodeRoomPackage(test::ShippedHeaderTemplate(), {}, [](PartSlot slot) {
        return PackageBitmap(
            SlotPicture::Blank(2, 2, IsMaskSlot(slot) ? 1 : 8,
                               IsMaskSlot(slot) ? MaskColourTable() : std::vector<Rgb>(256)));
    });
    ASSERT_EQ(small.size(), MinPackageSize);
    const auto findings = InspectRoomPackage(small, std::nullopt);
    EXPECT_EQ(findings.size(), 40u) << "the forty size warnings alone";
    small.back() = 1;
    EXPECT_EQ(InspectRoomPackage(small, std::nullopt).size(), 41u);
}

// A package whose pictures claim more pixels than a package may hold is a problem found
// from the headers, without decoding the pictures.
TEST(PackageInspection, PicturesPastThePackageLimit) {
    Bytes bytes = test::BuiltInPackage();
    for (std::size_t at : test::BitmapOffsets(bytes)) {
        PutU32(bytes, at + 18, 1024);
        PutU32(bytes, at + 22, 1024);
    }
    const auto problems =
        Texts(InspectRoomPackage(bytes, test::ShippedPalette()), Finding::Severity::Problem);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("41943040 pixels"), std::string::npos) << problems[0];
}

TEST(PackageInspection, ShortFilesAreProblemsNotCrashes) {
    for (std::size_t size : {0u, 10u, 1056u, 1100u, 199999u}) {
        Bytes bytes = test::BuiltInPackage();
        bytes.resize(size);
        EXPECT_FALSE(
            Texts(InspectRoomPackage(bytes, test::ShippedPalette()), Finding::Severity::Problem)
                .empty())
            << size;
    }
}

} // namespace
} // namespace tessaly
