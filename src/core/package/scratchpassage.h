#pragma once

#include "core/base/bytes.h"
#include "core/slots/slotpicture.h"

#include <span>
#include <stdexcept>
#include <string>

namespace tessaly {

// The editor moves every picture between a package and a slot through one scratch
// bitmap file; these are the two directions of that passage.

// Writes the bitmap's bytes to the scratch file and loads it as a picture.
SlotPicture LoadThroughScratch(std::span<const std::uint8_t> bitmap, const std::string& scratch);

// The scratch file could not be opened again after a picture was written to it.
class ScratchReopenError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes the picture (as a package stores it) to the scratch file and reads the bytes
// back. Throws PlatformError when writing fails, ScratchReopenError when reading does.
Bytes EncodeThroughScratch(const SlotPicture& picture, const std::string& scratch);

} // namespace tessaly
