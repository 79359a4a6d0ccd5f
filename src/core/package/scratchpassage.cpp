#include "core/package/scratchpassage.h"

#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
#include "core/package/roompackage.h"

#include <algorithm>

namespace tessaly {
namespace {

Bytes ReadBack(const std::string& scratch, std::span<const std::uint8_t> written) {
    Bytes read = ReadWholeFile(scratch, MaxBmpFileBytes);
    if (!std::equal(read.begin(), read.end(), written.begin(), written.end())) {
        throw PlatformError("The scratch file " + scratch +
                            " did not give back the bytes written to it");
    }
    return read;
}

} // namespace

SlotPicture LoadThroughScratch(std::span<const std::uint8_t> bitmap, const std::string& scratch) {
    const RemoveFileOnExit file = WriteScratchFile(scratch, Bytes(bitmap.begin(), bitmap.end()));
    return DecodeBmp(ReadBack(scratch, bitmap));
}

Bytes EncodeThroughScratch(const SlotPicture& picture, const std::string& scratch) {
    const Bytes bitmap = EncodeBmp(PictureForPackage(picture));
    const RemoveFileOnExit file = WriteScratchFile(scratch, bitmap);
    try {
        return ReadBack(scratch, bitmap);
    } catch (const FileOpenError& error) {
        throw ScratchReopenError(error.what());
    }
}

} // namespace tessaly
