#include "core/preview/rgbimage.h"

#include <algorithm>

namespace tessaly {

RgbImage RgbImage::Filled(int width, int height, Rgb colour) {
    RgbImage image{width, height, {}};
    image.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t at = 0; at < image.rgb.size(); at += 3) {
        image.rgb[at] = colour.red;
        image.rgb[at + 1] = colour.green;
        image.rgb[at + 2] = colour.blue;
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

IndexColours ColoursOf(const std::vector<Rgb>& colourTable) {
    IndexColours colours{};
    std::copy_n(colourTable.begin(), std::min(colourTable.size(), colours.size()), colours.begin());
    return colours;
}

} // namespace tessaly
