#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessaly {

struct Finding {
    enum class Severity { Problem, Warning };
    Severity severity;
    std::string text;
};

// Everything that is wrong with a package, in file order: its structure (too short, a
// text length above 127, an entry that does not fit, fewer than forty entries, a bitmap
// the picture loader refuses, pictures of more pixels in all than a package may hold)
// and each slot against the rules for loading a picture into it (depth; colour table
// against the palette, when one is given, and size against the built-in size as
// warnings; a slot keeping its built-in picture's own table, as the letters do, is not
// warned about); bytes after the last entry are a warning, but for the zero bytes that
// pad a package to the minimum size. Never throws for any bytes.
std::vector<Finding> InspectRoomPackage(std::span<const std::uint8_t> bytes,
                                        std::optional<std::span<const std::uint8_t>> palette);

} // namespace tessaly
