// Writes the fuzz targets' seed inputs, made by the program's own code:
//   fuzz_makecorpus DATA_DIR OUT_DIR
// OUT_DIR/<target>/ receives the built-in pictures encoded, packages of them and of
// tiny pictures (with the header template DATA_DIR/QelbHead.dat), and the language
// files of DATA_DIR.

#include "core/art/builtinpictures.h"
#include "core/base/datafiles.h"
#include "fuzzsupport.h"

#include <filesystem>
#include <string>

namespace tessaly {
namespace {

namespace fs = std::filesystem;

void WriteSeed(const fs::path& folder, const std::string& name, const Bytes& bytes) {
    fs::create_directories(folder);
    WriteWholeFile((folder / name).string(), bytes);
}

std::string SlotName(PartSlot slot) {
    return (slot < 10 ? "0" : "") + std::to_string(slot);
}

// A picture of one or two pixels a side with a short colour table.
SlotPicture TinyPicture(PartSlot slot, std::uint16_t depth) {
    const std::vector<Rgb> table =
        depth == 1 ? MaskColourTable() : std::vector<Rgb>{RoomPalette()[0], RoomPalette()[255]};
    SlotPicture picture =
        SlotPicture::Blank(1 + slot % 2, 1 + slot / PictureSlotCount, depth, table);
    picture.pixels.back() = 1;
    return picture;
}

// In the slot's built-in depth.
SlotPicture TinySlotPicture(PartSlot slot) {
    return TinyPicture(slot, SlotCatalogue(slot).bitsPerPixel);
}

// All 1 bit deep: the smallest package the reader accepts.
SlotPicture TinyMaskPicture(PartSlot slot) {
    return TinyPicture(slot, 1);
}

Bytes PackageOf(const Bytes& header, const RoomTexts& texts, SlotPicture (*pictureOf)(PartSlot)) {
    return EncodeRoomPackage(header, texts,
                             [&](PartSlot slot) { return PackageBitmap(pictureOf(slot)); });
}

void WriteBmpSeeds(const fs::path& out) {
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        WriteSeed(out, "builtin-" + SlotName(slot) + ".bmp", EncodeBmp(BuiltInPicture(slot)));
    }
    WriteSeed(out, "tiny-picture.bmp", EncodeBmp(TinySlotPicture(Slot::WinDay)));
    WriteSeed(out, "tiny-mask.bmp", EncodeBmp(TinySlotPicture(SlotCount - 1)));
}

void WritePackageSeeds(const fs::path& out, const Bytes& header) {
    const RoomTexts builtIn{"Built-in room", "Drawn in code,\r\nwith its views", "Tessaly"};
    const RoomTexts longest{std::string(MaxPackageTextBytes, 'n'), "", "\xC2\xA9 2024"};
    WriteSeed(out, "builtin.pac", PackageOf(header, builtIn, BuiltInPicture));
    WriteSeed(out, "tiny.pac", PackageOf(header, builtIn, TinySlotPicture));
    WriteSeed(out, "tiny-1bit.pac", PackageOf(header, builtIn, TinyMaskPicture));
    WriteSeed(out, "tiny-1bit-longest-name.pac", PackageOf(header, longest, TinyMaskPicture));
}

// Control bytes (slot, palette length) then the file and the palette.
Bytes PictureCheckInput(PartSlot slot, const Bytes& file, const Bytes& palette, bool withPalette) {
    Bytes input{static_cast<std::uint8_t>(slot)};
    AppendU16(input, static_cast<std::uint16_t>(withPalette ? palette.size() : 0xFFFF));
    input.insert(input.end(), file.begin(), file.end());
    input.insert(input.end(), palette.begin(), palette.end());
    return input;
}

void WritePictureCheckSeeds(const fs::path& out) {
    const Bytes palette = RoomPaletteBytes();
    for (PartSlot slot :
         {Slot::WinDay, Slot::Room, Slot::Letter1, MaskOf(Slot::WinDay), MaskOf(Slot::Room)}) {
        const Bytes file = EncodeBmp(TinySlotPicture(slot));
        WriteSeed(out, "slot-" + SlotName(slot), PictureCheckInput(slot, file, palette, true));
    }
    const Bytes letter = EncodeBmp(BuiltInPicture(Slot::Letter1));
    WriteSeed(out, "letter-no-palette", PictureCheckInput(Slot::Letter1, letter, palette, false));
    WriteSeed(out, "short-palette",
              PictureCheckInput(Slot::WinDay, letter, Bytes(palette.begin(), palette.begin() + 100),
                                true));
}

void WriteLanguageSeeds(const fs::path& data, const fs::path& out) {
    std::vector<fs::path> files{data / LanguageListFileName};
    for (const auto& entry : fs::directory_iterator(data / LanguageFolderName)) {
        files.push_back(entry.path());
    }
    for (const fs::path& file : files) {
        WriteSeed(out, file.filename().string(), ReadWholeFile(file.string()));
    }
}

} // namespace
} // namespace tessaly

int main(int argc, char** argv) {
    using namespace tessaly;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR OUT_DIR\n", argv[0]);
        return 2;
    }
    try {
        const fs::path data = argv[1];
        const fs::path out = argv[2];
        const Bytes header = ReadHeaderTemplate(data.string());
        WriteBmpSeeds(out / "fuzz_bmp");
        WritePackageSeeds(out / "fuzz_package", header);
        WritePackageSeeds(out / "fuzz_composition", header);
        WritePictureCheckSeeds(out / "fuzz_picturecheck");
        WriteLanguageSeeds(data, out / "fuzz_language");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
