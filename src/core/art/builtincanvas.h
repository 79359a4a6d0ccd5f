#pragma once

// Pixel-art drawing for the built-in pictures: RoomPalette colour names, a brush that
// either sets a colour or changes the one below, and a clipped canvas over a picture.

#include "core/slots/catalogue.h"
#include "core/slots/slotpicture.h"

#include <cstdint>
#include <vector>

namespace tessaly::art {

using Colour = std::uint8_t;

// A colour of the 6x6x6 cube by its levels 0 (none) to 5 (full) of red, green and blue.
constexpr Colour Cube(int red, int green, int blue) {
    return red + green + blue == 0
               ? BlackIndex
               : static_cast<Colour>((5 - red) * 36 + (5 - green) * 6 + (5 - blue));
}
// Ramp colours, step 0 the lightest (238) to 9 the darkest (17).
constexpr Colour Red(int step) {
    return static_cast<Colour>(215 + step);
}
constexpr Colour Grey(int step) {
    return static_cast<Colour>(245 + step);
}
inline constexpr Colour White = WhiteIndex;
inline constexpr Colour Black = BlackIndex;

// A cube colour one level lighter or darker in each component; other colours stay.
Colour Lighter(Colour colour);
Colour Darker(Colour colour);

// What a shape leaves on the pixels it covers: a colour, or a change of the colour there.
class Brush {
  public:
    Brush(Colour colour) : colour_(colour) {}
    Brush(Colour (*change)(Colour)) : change_(change) {}
    Colour Over(Colour below) const { return change_ ? change_(below) : colour_; }

  private:
    Colour colour_ = 0;
    Colour (*change_)(Colour) = nullptr;
};

// A rectangle of pixels, right and bottom inclusive.
struct Area {
    int left;
    int top;
    int right;
    int bottom;
};

// A picture of the given size in RoomPalette, every pixel black.
SlotPicture RoomPalettePicture(int width, int height);

// The colour at row y of a gradient running through the bands from top to bottom over
// the given height, the second half of each band dithered into the next one.
Colour Banded(const std::vector<Colour>& bands, int x, int y, int height);

// A fixed pseudo-random value 0-255 for a pixel, for texture without any state.
int Noise(int x, int y, int salt);

// Draws on a picture in coordinates of its own choosing: the picture's top-left pixel
// stands at the origin given. Everything is clipped to the picture and to the area the
// canvas was narrowed to, so a scene can be drawn once and land in any crop of it.
class Canvas {
  public:
    explicit Canvas(SlotPicture& picture, int originX = 0, int originY = 0);

    // The same canvas, drawing only inside the area as well.
    Canvas Within(Area area) const;

    void Dot(int x, int y, Brush brush);
    void Fill(Area area, Brush brush);
    void Frame(Area area, Brush brush);
    void Ellipse(int cx, int cy, int rx, int ry, Brush brush);
    void Line(int x0, int y0, int x1, int y1, Brush brush);

    // Colours every pixel of the area by colourAt(x, y).
    template <class Pattern> void Paint(Area area, Pattern colourAt) {
        const Area a = Clipped(area);
        for (int y = a.top; y <= a.bottom; ++y) {
            for (int x = a.left; x <= a.right; ++x) {
                picture_->Set(x - originX_, y - originY_, colourAt(x, y));
            }
        }
    }

  private:
    Area Clipped(Area area) const;

    SlotPicture* picture_;
    int originX_;
    int originY_;
    Area clip_;
};

} // namespace tessaly::art
