#include "core/art/builtincanvas.h"

#include <algorithm>
#include <cstdlib>

namespace tessaly::art {
namespace {

constexpr int CubeSize = 215;

Colour ShiftCube(Colour colour, int levels) {
    if (colour >= CubeSize) {
        return colour;
    }
    const auto shift = [levels](int level) { return std::clamp(level + levels, 0, 5); };
    return Cube(shift(5 - colour / 36), shift(5 - colour / 6 % 6), shift(5 - colour % 6));
}

} // namespace

Colour Lighter(Colour colour) {
    return ShiftCube(colour, 1);
}

Colour Darker(Colour colour) {
    return ShiftCube(colour, -1);
}

SlotPicture RoomPalettePicture(int width, int height) {
    SlotPicture picture = SlotPicture::Blank(
        width, height, 8, std::vector<Rgb>(RoomPalette().begin(), RoomPalette().end()));
    std::fill(picture.pixels.begin(), picture.pixels.end(), Black);
    return picture;
}

Colour Banded(const std::vector<Colour>& bands, int x, int y, int height) {
    // 4x4 ordered dither thresholds.
    static constexpr int Bayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const int steps = static_cast<int>(bands.size()) - 1;
    const int position = std::clamp(y, 0, height - 1) * steps * 32 / height;
    const int band = position / 32;
    const int within = position % 32 - 16; // the second half of a band dithers
    const bool next = band < steps && within >= 0 && within >= Bayer[y & 3][x & 3];
    return bands[band + (next ? 1 : 0)];
}

int Noise(int x, int y, int salt) {
    auto h = static_cast<std::uint32_t>(x) * 374761393u +
             static_cast<std::uint32_t>(y) * 668265263u +
             static_cast<std::uint32_t>(salt) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) & 0xFFu);
}

Canvas::Canvas(SlotPicture& picture, int originX, int originY)
    : picture_(&picture), originX_(originX),
      originY_(originY), clip_{originX, originY, originX + picture.width - 1,
                               originY + picture.height - 1} {}

Canvas Canvas::Within(Area area) const {
    Canvas narrowed = *this;
    narrowed.clip_ = Clipped(area);
    return narrowed;
}

Area Canvas::Clipped(Area area) const {
    return {std::max(area.left, clip_.left), std::max(area.top, clip_.top),
            std::min(area.right, clip_.right), std::min(area.bottom, clip_.bottom)};
}

void Canvas::Dot(int x, int y, Brush brush) {
    Fill({x, y, x, y}, brush);
}

void Canvas::Fill(Area area, Brush brush) {
    const Area a = Clipped(area);
    for (int y = a.top; y <= a.bottom; ++y) {
        for (int x = a.left; x <= a.right; ++x) {
            const int px = x - originX_;
            const int py = y - originY_;
            picture_->Set(px, py, brush.Over(picture_->At(px, py)));
        }
    }
}

void Canvas::Frame(Area area, Brush brush) {
    Fill({area.left, area.top, area.right, area.top}, brush);
    Fill({area.left, area.bottom, area.right, area.bottom}, brush);
    Fill({area.left, area.top + 1, area.left, area.bottom - 1}, brush);
    Fill({area.right, area.top + 1, area.right, area.bottom - 1}, brush);
}

// Filled, with the rim half a pixel out so that small ellipses come out round.
void Canvas::Ellipse(int cx, int cy, int rx, int ry, Brush brush) {
    const double ax = rx + 0.5;
    const double ay = ry + 0.5;
    for (int dy = -ry; dy <= ry; ++dy) {
        const double rest = 1.0 - (dy / ay) * (dy / ay);
        int half = 0;
        while (half < rx && ((half + 1) / ax) * ((half + 1) / ax) <= rest) {
            ++half;
        }
        Fill({cx - half, cy + dy, cx + half, cy + dy}, brush);
    }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Brush brush) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    for (int err = dx + dy;;) {
        Dot(x0, y0, brush);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * err;
        if (twice >= dy) {
            err += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

} // namespace tessaly::art
