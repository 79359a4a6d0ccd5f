#include "core/bitmap/bmpcodec.h"
#include "core/package/packageinspection.h"
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

TEST(PackageInspection, BuiltInPackageHasNoProblems) {
    const auto findings = InspectRoomPackage(test::BuiltInPackage(), test::ShippedPalette());
    EXPECT_TRUE(Texts(findings, Finding::Severity::Problem).empty());
    // The letters carry colour tables of their own.
    EXPECT_EQ(Texts(findings, Finding::Severity::Warning).size(), 3u);
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
    bytes[at[Slot::WinDay] + 54] ^= 0xFF; // window view: colour table off the palette
    const auto findings = InspectRoomPackage(bytes, test::ShippedPalette());
    EXPECT_TRUE(Texts(findings, Finding::Severity::Problem).empty());
    EXPECT_EQ(Texts(findings, Finding::Severity::Warning).size(), 4u);
    EXPECT_EQ(Texts(InspectRoomPackage(bytes, std::nullopt), Finding::Severity::Warning).size(),
              0u);
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
