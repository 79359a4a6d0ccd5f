#include "core/package/scratchpassage.h"

#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
#include "core/package/roompackage.h"

namespace tessaly {

SlotPicture LoadThroughScratch(std::span<const std::uint8_t> bitmap, const std::string& scratch) {
    WriteScratchFile(scratch, Bytes(bitmap.begin(), bitmap.end()));
    return ReadBmpFile(scratch);
}

Bytes EncodeThroughScratch(const SlotPicture& picture, const std::string& scratch) {
    WriteScratchBmpFile(PictureForPackage(picture), scratch);
    try {
        return ReadWholeFile(scratch);
    } catch (const PlatformError& error) {
        throw ScratchReopenError(error.what());
    }
}

} // namespace tessaly
