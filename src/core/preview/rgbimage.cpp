#include "core/preview/rgbimage.h"

namespace tessaly {

RgbImage RgbImage::Filled(int width, int height, Rgb colour) {
    RgbImage image{width, height, {}};
    image.rgb.reserve(static_cast<std::size_t>(width) * height * 3);
    for (int i = 0; i < width * height; ++i) {
        image.rgb.insert(image.rgb.end(), {colour.red, colour.green, colour.blue});
    }
    return image;
}

Rgb RgbImage::At(int x, int y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
    return Rgb{rgb[at], rgb[at + 1], rgb[at + 2]};
}

void RgbImage::Set(int x, int y, Rgb colour) {
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
    rgb[at] = colour.red;
    rgb[at + 1] = colour.green;
    rgb[at + 2] = colour.blue;
}

RgbImage ToRgbImage(const SlotPicture& picture) {
    RgbImage image = RgbImage::Filled(picture.width, picture.height, Rgb{});
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            image.Set(x, y, picture.ColourAt(x, y));
        }
    }
    return image;
}

} // namespace tessaly
