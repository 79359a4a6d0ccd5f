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

// Where the rows to compress come from: row y as RGB, either in place or converted into
// the buffer given. Plain data, so that it may live in the function that calls setjmp.
struct RowSource {
    int width;
    int height;
    const std::uint8_t* (*row)(const void* context, int y, std::uint8_t* buffer);
    const void* context;
};

// Plain C data only in this function: longjmp must not skip any destructor. *out and
// *outSize hold a malloc'd buffer to write into (or null and 0); the library replaces it
// with a larger one of its own when it runs out. Returns 0, or the library's message
// number after an error; either way the caller frees *out and, if *out changed, the
// buffer it gave.
int CompressRows(const RowSource& source, int quality, unsigned char** out,
                 unsigned long* outSize) {
    jpeg_compress_struct info;
    ErrorJump error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpBack;
    error.manager.emit_message = Silence;
    if (setjmp(error.jump)) {
        const int code = error.manager.msg_code;
        jpeg_destroy_compress(&info);
        return code == 0 ? -1 : code;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, outSize);
    info.image_width = static_cast<JDIMENSION>(source.width);
    info.image_height = static_cast<JDIMENSION>(source.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    // Released with the compression object.
    JSAMPARRAY buffer = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info),
                                                  JPOOL_IMAGE, info.image_width * 3, 1);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(
            source.row(source.context, static_cast<int>(info.next_scanline), buffer[0]));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return 0;
}

Bytes Compress(const RowSource& source, int quality) {
    // Room for a stream half the size of the raw pixels: the library then need not grow
    // its buffer (and copy it) while it writes. Pages never written are never touched.
    unsigned long size = static_cast<unsigned long>(source.width) *
                         static_cast<unsigned long>(source.height) * 3 / 2;
    auto* const given = static_cast<unsigned char*>(size ? std::malloc(size) : nullptr);
    unsigned char* buffer = given;
    size = given ? size : 0;
    const int code = CompressRows(source, quality, &buffer, &size);
    Bytes bytes;
    if (code == 0) {
        bytes.assign(buffer, buffer + size);
    }
    if (buffer != given) {
        std::free(given);
    }
    std::free(buffer);
    if (code != 0) {
        throw PlatformError(PlatformError::Kind::Jpeg, std::to_string(code));
    }
    return bytes;
}

const std::uint8_t* RgbRow(const void* context, int y, std::uint8_t*) {
    const auto& image = *static_cast<const RgbImage*>(context);
    return image.rgb.data() + static_cast<std::size_t>(y) * image.width * 3;
}

struct PaletteRows {
    const SlotPicture& picture;
    IndexColours colours;
};

const std::uint8_t* PaletteRow(const void* context, int y, std::uint8_t* buffer) {
    const auto& rows = *static_cast<const PaletteRows*>(context);
    const auto width = static_cast<std::size_t>(rows.picture.width);
    const std::uint8_t* index = rows.picture.pixels.data() + static_cast<std::size_t>(y) * width;
    for (std::size_t x = 0; x < width; ++x) {
        const Rgb colour = rows.colours[index[x]];
        buffer[3 * x] = colour.red;
        buffer[3 * x + 1] = colour.green;
        buffer[3 * x + 2] = colour.blue;
    }
    return buffer;
}

} // namespace

Bytes EncodeJpeg(const RgbImage& image, int quality) {
    return Compress(RowSource{image.width, image.height, RgbRow, &image}, quality);
}

Bytes EncodeJpeg(const SlotPicture& picture, int quality) {
    const PaletteRows rows{picture, ColoursOf(picture.colourTable)};
    return Compress(RowSource{picture.width, picture.height, PaletteRow, &rows}, quality);
}

} // namespace tessaly
