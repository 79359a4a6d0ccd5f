#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tessaly {

// The contents of a file or of an encoded picture, held in memory.
using Bytes = std::vector<std::uint8_t>;

// Little-endian fields inside bytes. The caller makes sure the field lies inside.
inline std::uint16_t U16At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(U16At(bytes, at)) |
           static_cast<std::uint32_t>(U16At(bytes, at + 2)) << 16;
}

inline void PutU16(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutU32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
    PutU16(bytes, at, static_cast<std::uint16_t>(value));
    PutU16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

// Little-endian fields added at the end of the bytes.
inline void AppendU16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void AppendU32(Bytes& bytes, std::uint32_t value) {
    AppendU16(bytes, static_cast<std::uint16_t>(value));
    AppendU16(bytes, static_cast<std::uint16_t>(value >> 16));
}

} // namespace tessaly
