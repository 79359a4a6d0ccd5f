#pragma once

#include "core/base/bytes.h"
#include "core/base/temporaries.h"
#include "core/slots/slotpicture.h"

#include <span>
#include <string>

namespace tessaly {

// Reading refuses pictures past these sizes: each side at most MaxBitmapSide pixels and
// at most MaxBitmapPixels in all (what a whole package may hold), so that no file can
// ask for unbounded memory. Files past MaxBmpFileBytes are refused before they are read.
inline constexpr std::int32_t MaxBitmapSide = 32768;
inline constexpr std::int64_t MaxBitmapPixels = std::int64_t{1} << 24;
inline constexpr std::size_t MaxBmpFileBytes = std::size_t{64} << 20;

// Bytes in one stored pixel row: rows are padded to a multiple of four bytes.
std::int64_t BmpRowStride(std::int64_t width, int bitsPerPixel);

// Encodes a picture as a Windows BMP file: 14-byte file header, 40-byte info header,
// the whole colour table (colours-used = its entry count), rows bottom-up, padded with 0.
Bytes EncodeBmp(const SlotPicture& picture);

// Decodes a BMP file of 1 or 8 bits per pixel, uncompressed, with an info header of 40
// bytes or more. Every size and offset is checked against the bytes given; anything
// else throws PlatformError with the invalid-bitmap text and a reason.
SlotPicture DecodeBmp(std::span<const std::uint8_t> bytes);
// Runs every check of DecodeBmp, with the same errors, without unpacking the pixels: a
// file it passes decodes.
void CheckBmp(std::span<const std::uint8_t> bytes);

// The file forms of the two: WriteBmpFile replaces the file only once the whole bitmap is
// written (see WriteFileAtomically); WriteScratchBmpFile makes one of the program's
// scratch files (see WriteScratchFile) and returns what removes it. ReadBmpFile reads a
// file into a new picture. All three throw PlatformError and change no picture.
void WriteBmpFile(const SlotPicture& picture, const std::string& path);
[[nodiscard]] RemoveFileOnExit WriteScratchBmpFile(const SlotPicture& picture,
                                                   const std::string& path);
SlotPicture ReadBmpFile(const std::string& path);

} // namespace tessaly
