// The package readers on any bytes: the layout stays inside the bytes, the inspection
// never throws and reports every package the reader refuses, and an accepted package
// written again with its own header reads back the same.

#include "core/package/packageinspection.h"
#include "fuzzsupport.h"

#include <algorithm>

namespace tessaly {
namespace {

constexpr std::size_t EntryLengthSize = 4;

void CheckLayout(std::span<const std::uint8_t> bytes) {
    const PackageLayout layout = LayOutPackage(bytes);
    Require(layout.problem.has_value() == (layout.entries.size() < SlotCount),
            "the layout names a problem exactly when entries are missing");
    Require(layout.entries.size() <= SlotCount, "at most forty entries");
    std::size_t at = PackageHeaderSize + EntryLengthSize;
    for (const auto& entry : layout.entries) {
        Require(entry.data() == bytes.data() + at, "each entry follows the one before");
        Require(entry.size() >= 54 && entry.size() <= bytes.size() - at,
                "each entry holds a bitmap header and lies inside the bytes");
        at += entry.size() + EntryLengthSize;
    }
}

bool HasProblem(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Finding::Severity::Problem; });
}

void CheckInspection(std::span<const std::uint8_t> bytes, bool accepted) {
    const Bytes palette = RoomPaletteBytes();
    for (const auto& given : {std::optional<std::span<const std::uint8_t>>{},
                              std::optional<std::span<const std::uint8_t>>{palette}}) {
        std::vector<Finding> findings;
        try {
            findings = InspectRoomPackage(bytes, given);
        } catch (...) {
            Require(false, "the inspection never throws");
        }
        Require(accepted || HasProblem(findings), "a refused package has a problem");
    }
}

bool FitsHeader(const RoomTexts& texts) {
    return std::max({texts.name.size(), texts.comment.size(), texts.copyright.size()}) <=
           MaxPackageTextBytes;
}

void CheckRoundTrip(std::span<const std::uint8_t> bytes, const RoomPackage& package) {
    for (const std::string* text :
         {&package.texts.name, &package.texts.comment, &package.texts.copyright}) {
        Require(text->find('\0') == std::string::npos, "a text ends at a NUL byte");
    }
    if (!FitsHeader(package.texts)) {
        return; // such texts are refused when written
    }
    const Bytes written =
        EncodeRoomPackage(bytes.first(PackageHeaderSize), package.texts,
                          [&](PartSlot slot) { return PackageBitmap(package.pictures[slot]); });
    const auto again = TryDecodePackage(written);
    Require(again.has_value(), "a written package is accepted");
    Require(again->texts == package.texts, "a written package keeps its texts");
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        Require(again->pictures[slot] == PictureForPackage(package.pictures[slot]),
                "a written package keeps its pictures");
    }
}

} // namespace
} // namespace tessaly

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaly;
    const std::span<const std::uint8_t> bytes(data, size);
    CheckLayout(bytes);
    const auto package = TryDecodePackage(bytes);
    CheckInspection(bytes, package.has_value());
    if (package) {
        CheckRoundTrip(bytes, *package);
    }
    return 0;
}
