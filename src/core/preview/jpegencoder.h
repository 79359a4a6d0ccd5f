#pragma once

#include "core/base/bytes.h"
#include "core/preview/rgbimage.h"

namespace tessaly {

// Compresses a colour picture with libjpeg into memory: jpeg_set_defaults, then
// jpeg_set_quality(quality, force baseline); colour (YCbCr, JFIF), sequential, rows
// from the top. A library error throws PlatformError "JPEG エラー #<message number>";
// the library's own error exit is never taken and its memory is always released.
Bytes EncodeJpeg(const RgbImage& image, int quality);
// The same for a palettised picture, each pixel as its colour-table colour (an index past
// the table as black), converted a row at a time as the library asks for it.
Bytes EncodeJpeg(const SlotPicture& picture, int quality);

// The preview's export quality.
inline constexpr int PreviewJpegQuality = 80;

} // namespace tessaly
