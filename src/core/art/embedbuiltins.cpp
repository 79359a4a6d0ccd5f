// A build step: draws the built-in pictures with the drawing code and writes a source
// file that embeds their bitmap files and defines BuiltInBitmap over them.
//   embedbuiltins OUT.cpp
#include "core/art/builtindrawing.h"
#include "core/bitmap/bmpcodec.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

void WriteArray(std::ostream& out, int slot, const tessaly::Bytes& bytes) {
    char name[32];
    std::snprintf(name, sizeof name, "Slot%02d", slot);
    out << "constexpr std::uint8_t " << name << "[" << bytes.size() << "] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out << (i % 24 == 0 ? "\n   " : "") << ' ' << static_cast<int>(bytes[i]) << ',';
    }
    out << "\n};\n";
}

void WriteSource(std::ostream& out) {
    const auto pictures = tessaly::art::DrawBuiltInPictures();
    out << "// Generated at build time by embedbuiltins from the drawing code in src/core/art.\n"
           "#include \"core/art/builtinpictures.h\"\n\n"
           "#include <array>\n\n"
           "namespace tessaly {\nnamespace {\n\n";
    for (int slot = 0; slot < tessaly::SlotCount; ++slot) {
        WriteArray(out, slot, tessaly::EncodeBmp(pictures[static_cast<std::size_t>(slot)]));
    }
    out << "\n} // namespace\n\n"
           "std::span<const std::uint8_t> BuiltInBitmap(PartSlot slot) {\n"
           "    static constexpr std::array<std::span<const std::uint8_t>, SlotCount> bitmaps{";
    for (int slot = 0; slot < tessaly::SlotCount; ++slot) {
        char name[32];
        std::snprintf(name, sizeof name, "Slot%02d", slot);
        out << (slot % 8 == 0 ? "\n        " : " ") << name << ',';
    }
    out << "\n    };\n    return bitmaps.at(static_cast<std::size_t>(slot));\n}\n\n"
           "} // namespace tessaly\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: embedbuiltins OUT.cpp\n";
        return 2;
    }
    // Written beside the target and renamed, so that a failed run leaves no half file.
    const std::filesystem::path target = argv[1];
    const std::filesystem::path partial = target.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        WriteSource(out);
        if (!out.flush()) {
            std::cerr << "embedbuiltins: cannot write " << partial << "\n";
            return 1;
        }
    }
    std::filesystem::rename(partial, target);
    return 0;
}
