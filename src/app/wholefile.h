#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessaly {

using Bytes = std::vector<std::uint8_t>;

// Reads a whole regular file as bytes. Throws PlatformError with the cannot-open text
// when the file cannot be opened or read, and with the too-large text when it holds
// more than maxBytes, so that no file can make a reader take memory without bound.
inline constexpr std::size_t DefaultMaxFileBytes = std::size_t{1} << 30;
Bytes ReadWholeFile(const std::string& path, std::size_t maxBytes = DefaultMaxFileBytes);

// Creates the file (or empties an existing one) and writes the bytes. Throws
// PlatformError with the cannot-create text when that fails.
void WriteWholeFile(const std::string& path, const Bytes& bytes);

// As WriteWholeFile, for the program's scratch files: the file is readable by the user
// alone, and a symbolic link standing in its place is refused rather than followed.
void WriteScratchFile(const std::string& path, const Bytes& bytes);

} // namespace tessaly
