#pragma once

#include "core/base/wholefile.h"
#include "core/package/roompackage.h"

#include <cstdint>

namespace tessaly::test {

// The shipped header template: 1056 bytes.
Bytes ShippedHeaderTemplate();

// A package of the built-in pictures with the given texts, encoded in memory.
Bytes BuiltInPackage(const RoomTexts& texts = {});

std::uint32_t U32At(const Bytes& bytes, std::size_t at);
void PutU32(Bytes& bytes, std::size_t at, std::uint32_t value);

// Offsets of the forty bitmaps in a well-formed package.
std::vector<std::size_t> BitmapOffsets(const Bytes& package);

} // namespace tessaly::test
