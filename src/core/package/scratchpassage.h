#pragma once

#include "core/base/bytes.h"
#include "core/slots/slotpicture.h"

#include <span>
#include <stdexcept>
#include <string>

namespace tessaly {

// The editor moves every picture between a package and a slot through a scratch bitmap
// file; these are the two directions of that passage. Each pass makes a fresh file
// (see WriteScratchFile), reads it back, checks that it gave back exactly the bytes
// written, and removes it on every path.

// Loads the bitmap as a picture through the scratch file. Throws PlatformError when the
// file cannot be made or read, when it gives back other bytes, or when the bitmap is
// refused.
SlotPicture LoadThroughScratch(std::span<const std::uint8_t> bitmap, const std::string& scratch);

// The scratch file could not be opened again after a picture was written to it.
class ScratchReopenError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes the picture (as a package stores it) to the scratch file and reads the bytes
// back. Throws PlatformError when writing fails or other bytes come back,
// ScratchReopenError when reading fails.
Bytes EncodeThroughScratch(const SlotPicture& picture, const std::string& scratch);

} // namespace tessaly
