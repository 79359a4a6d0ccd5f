#pragma once

#include "core/base/bytes.h"
#include "core/package/roompackage.h"

#include <vector>

namespace tessaly::test {

// The shipped header template (1056 bytes) and palette (1024 bytes), read through the
// program's own readers.
Bytes ShippedHeaderTemplate();
Bytes ShippedPalette();

// A package of the built-in pictures with the given texts, encoded in memory.
Bytes BuiltInPackage(const RoomTexts& texts = {});

// Offsets of the forty bitmaps in a well-formed package.
std::vector<std::size_t> BitmapOffsets(const Bytes& package);

} // namespace tessaly::test
