#include "core/preview/jpegencoder.h"

#include "core/base/platformerror.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace tessaly {
namespace {

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JumpBack(j_common_ptr info) {
    auto* error = reinterpret_cast<ErrorJump*>(info->err);
    std::longjmp(error->jump, 1);
}

void Silence(j_common_ptr, int) {}

// Plain C data only in this function: longjmp must not skip any destructor. Returns 0,
// or the library's message number after an error; *out is then the library's buffer
// (to be freed by the caller) or null.
int CompressRows(const std::uint8_t* rgb, int width, int height, int quality, unsigned char** out,
                 unsigned long* outSize) {
    jpeg_compress_struct info;
    ErrorJump error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpBack;
    error.manager.emit_message = Silence;
    *out = nullptr;
    *outSize = 0;
    if (setjmp(error.jump)) {
        const int code = error.manager.msg_code;
        jpeg_destroy_compress(&info);
        return code == 0 ? -1 : code;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, outSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(rgb + static_cast<std::size_t>(info.next_scanline) *
                                                   static_cast<std::size_t>(width) * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return 0;
}

} // namespace

Bytes EncodeJpeg(const RgbImage& image, int quality) {
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const int code =
        CompressRows(image.rgb.data(), image.width, image.height, quality, &buffer, &size);
    Bytes bytes;
    if (code == 0) {
        bytes.assign(buffer, buffer + size);
    }
    std::free(buffer);
    if (code != 0) {
        throw PlatformError(PlatformError::Kind::Jpeg, std::to_string(code));
    }
    return bytes;
}

} // namespace tessaly
