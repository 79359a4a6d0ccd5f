#include "core/art/builtinoutdoors.h"

#include <array>
#include <cmath>

namespace tessaly::art {
namespace {

constexpr int Horizon = 78;

struct OutdoorColours {
    std::vector<Colour> sky; // from the top down to the horizon
    Colour hills;
    Colour grass;
    Colour tuft;
    Colour path;
    Colour pebble;
    Colour trunk;
    Colour leavesDark;
    Colour leaves;
    Colour leavesLight;
    Colour fence;
    Colour fenceShade;
    Colour houseWall;
    Colour roof;
    Colour houseWindow;
};

const OutdoorColours& ColoursOf(Daytime time) {
    static const OutdoorColours day{
        {Cube(2, 3, 5), Cube(2, 4, 5), Cube(3, 4, 5), Cube(4, 5, 5)},
        Cube(2, 4, 3),
        Cube(2, 4, 1),
        Cube(1, 3, 1),
        Cube(4, 4, 3),
        Cube(3, 3, 2),
        Cube(2, 1, 0),
        Cube(0, 2, 0),
        Cube(1, 3, 0),
        Cube(2, 4, 1),
        White,
        Grey(2),
        Cube(5, 4, 3),
        Cube(4, 1, 1),
        Cube(2, 3, 4),
    };
    static const OutdoorColours night{
        {Cube(0, 0, 1), Cube(0, 0, 2), Cube(0, 1, 2), Cube(1, 1, 2)},
        Cube(0, 1, 1),
        Cube(0, 1, 0),
        Cube(0, 2, 1),
        Cube(1, 1, 1),
        Cube(1, 1, 2),
        Cube(1, 0, 0),
        Cube(0, 1, 0),
        Cube(0, 1, 1),
        Cube(0, 2, 1),
        Cube(1, 1, 2),
        Cube(0, 1, 1),
        Cube(1, 1, 2),
        Cube(1, 0, 1),
        Cube(5, 5, 1),
    };
    return time == Daytime::Day ? day : night;
}

// The garden path runs from the doorway's foot up to the horizon.
int PathCentre(int y) {
    return 258 - (y - Horizon) * 13 / 45;
}
int PathHalfWidth(int y) {
    return 1 + (y - Horizon) * 21 / 45;
}

int HillTop(int x) {
    const double wave = 3.0 * std::sin(x * 0.045) + 2.0 * std::sin(x * 0.13 + 1.3);
    return Horizon - 5 - static_cast<int>(std::lround(wave));
}

Colour LandAt(const OutdoorColours& colours, int x, int y) {
    if (y < HillTop(x)) {
        return Banded(colours.sky, x, y, Horizon);
    }
    if (y < Horizon) {
        return colours.hills;
    }
    const int offPath = std::abs(x - PathCentre(y)) - PathHalfWidth(y);
    if (offPath <= 0) {
        return offPath == 0 || Noise(x, y, 3) < 24 ? colours.pebble : colours.path;
    }
    const bool tuft = Noise(x, y, 1) < 14 || Noise(x, y + 1, 1) < 14;
    return tuft ? colours.tuft : colours.grass;
}

void DrawFence(Canvas& canvas, const OutdoorColours& colours) {
    constexpr int Top = 86;
    constexpr int Bottom = 97;
    for (int x = 0; x < RoomWidth; ++x) {
        const int picket = x % 7;
        if (std::abs(x - PathCentre(Bottom)) <= PathHalfWidth(Bottom) + 2) {
            continue; // the gate stands open
        }
        if (picket < 3) {
            const Colour colour = picket == 2 ? colours.fenceShade : colours.fence;
            canvas.Fill({x, picket == 1 ? Top : Top + 1, x, Bottom}, colour);
        } else {
            canvas.Fill({x, Top + 3, x, Top + 4}, colours.fenceShade);
            canvas.Fill({x, Top + 8, x, Top + 9}, colours.fenceShade);
        }
    }
}

void DrawTree(Canvas& canvas, const OutdoorColours& colours, int x, int ground, int radius) {
    const int crownY = ground - radius - 8;
    canvas.Fill({x - 1, crownY, x + 1, ground}, colours.trunk);
    canvas.Ellipse(x, crownY, radius, radius - 1, colours.leavesDark);
    canvas.Ellipse(x - 1, crownY - 1, radius - 2, radius - 3, colours.leaves);
    canvas.Ellipse(x - radius / 3, crownY - radius / 3, radius / 2, radius / 2 - 1,
                   colours.leavesLight);
}

void DrawHouse(Canvas& canvas, const OutdoorColours& colours) {
    constexpr int Left = 236;
    constexpr int Right = 250;
    constexpr int Ground = 76;
    canvas.Fill({Left, Ground - 8, Right, Ground}, colours.houseWall);
    for (int row = 0; row < 7; ++row) { // the roof
        canvas.Fill({Left - 1 + row, Ground - 9 - row, Right + 1 - row, Ground - 9 - row},
                    colours.roof);
    }
    canvas.Fill({Left + 3, Ground - 6, Left + 5, Ground - 4}, colours.houseWindow);
    canvas.Fill({Right - 5, Ground - 6, Right - 3, Ground - 4}, colours.houseWindow);
}

void DrawCloud(Canvas& canvas, int x, int y, int size) {
    canvas.Ellipse(x, y, size * 2, size / 2 + 1, Grey(0)); // the shaded underside
    canvas.Ellipse(x, y - 1, size * 2 - 1, size / 2, White);
    canvas.Ellipse(x - size, y - size / 2, size, size - 1, White);
    canvas.Ellipse(x + size / 2, y - size, size + 1, size, White);
}

void DrawSun(Canvas& canvas) {
    constexpr int X = 296;
    constexpr int Y = 47;
    for (auto [dx, dy] : std::array<std::pair<int, int>, 4>{{{1, 0}, {0, 1}, {1, 1}, {1, -1}}}) {
        canvas.Line(X - 10 * dx, Y - 10 * dy, X + 10 * dx, Y + 10 * dy, Cube(5, 5, 3));
    }
    canvas.Ellipse(X, Y, 6, 6, Cube(5, 4, 1));
    canvas.Ellipse(X - 1, Y - 1, 4, 4, Cube(5, 5, 2));
}

void DrawDaySky(Canvas& canvas) {
    DrawSun(canvas);
    DrawCloud(canvas, 100, 14, 5);
    DrawCloud(canvas, 123, 32, 3);
    DrawCloud(canvas, 262, 48, 4);
}

void DrawNightSky(Canvas& canvas, const OutdoorColours& colours) {
    for (int y = 0; y < Horizon; ++y) {
        for (int x = 0; x < RoomWidth; ++x) {
            const int star = Noise(x, y, 2);
            if (star < 4 && y < HillTop(x) - 1) {
                canvas.Dot(x, y, star == 0 ? Cube(5, 5, 3) : star == 1 ? Grey(2) : White);
            }
        }
    }
    // A crescent: the moon's disc less a disc of sky beside it.
    constexpr int X = 118;
    constexpr int Y = 16;
    const auto inDisc = [](int dx, int dy, int r) { return dx * dx + dy * dy <= r * r + r; };
    canvas.Paint({X - 7, Y - 7, X + 7, Y + 7}, [&](int x, int y) {
        const bool moon = inDisc(x - X, y - Y, 7) && !inDisc(x - X - 4, y - Y + 2, 6);
        return moon ? Cube(5, 5, 3) : Banded(colours.sky, x, y, Horizon);
    });
}

// Dashed arcs over the upper half of a circle, for the signal of the connecting view.
void DrawArc(Canvas& canvas, int cx, int cy, int radius, Colour colour) {
    for (int y = cy - radius; y <= cy; ++y) {
        for (int x = cx - radius; x <= cx + radius; ++x) {
            const double distance = std::hypot(x - cx, y - cy);
            const bool dash = (x + y) % 5 != 0;
            if (std::abs(distance - radius) < 0.6 && cy - y > radius / 3 && dash) {
                canvas.Dot(x, y, colour);
            }
        }
    }
}

} // namespace

void DrawOutdoors(Canvas& canvas, Daytime time) {
    const OutdoorColours& colours = ColoursOf(time);
    canvas.Paint({0, 0, RoomWidth - 1, RoomHeight - 1},
                 [&](int x, int y) { return LandAt(colours, x, y); });
    if (time == Daytime::Day) {
        DrawDaySky(canvas);
    } else {
        DrawNightSky(canvas, colours);
    }
    DrawHouse(canvas, colours);
    DrawTree(canvas, colours, 125, Horizon, 5);
    DrawTree(canvas, colours, 92, Horizon + 2, 11);
    DrawFence(canvas, colours);
    DrawTree(canvas, colours, 303, 100, 14);
    canvas.Ellipse(227, 116, 8, 5, colours.leavesDark); // a bush by the doorway
    canvas.Ellipse(226, 115, 6, 3, colours.leaves);
}

SlotPicture OutdoorView(PartSlot slot, Daytime time) {
    const SlotEntry& entry = SlotCatalogue(slot);
    const PlacementRect place = BuiltInPlacementRects()[slot];
    SlotPicture view = RoomPalettePicture(entry.width, entry.height);
    Canvas canvas(view, place.left, place.top);
    DrawOutdoors(canvas, time);
    return view;
}

SlotPicture ConnectingView() {
    constexpr int Width = 55;
    constexpr int Height = 83;
    SlotPicture view = RoomPalettePicture(Width, Height);
    Canvas canvas(view);
    const std::vector<Colour> screen{Cube(0, 0, 1), Cube(0, 0, 2), Cube(0, 1, 2)};
    canvas.Paint({0, 0, Width - 1, Height - 1}, [&](int x, int y) {
        return x % 6 == 3 && y % 6 == 3 ? Cube(0, 1, 3) : Banded(screen, x, y, Height);
    });
    constexpr std::array<std::pair<int, int>, 6> Nodes{
        {{9, 13}, {27, 7}, {45, 15}, {14, 33}, {39, 30}, {27, 47}}};
    constexpr std::array<std::pair<int, int>, 8> Links{
        {{0, 1}, {1, 2}, {0, 3}, {1, 4}, {2, 4}, {3, 4}, {3, 5}, {4, 5}}};
    for (auto [from, to] : Links) {
        const auto [x0, y0] = Nodes[from];
        const auto [x1, y1] = Nodes[to];
        canvas.Line(x0, y0, x1, y1, Cube(0, 2, 4));
        canvas.Dot((2 * x0 + x1) / 3, (2 * y0 + y1) / 3, Cube(3, 5, 5)); // data on its way
    }
    for (auto [x, y] : Nodes) {
        canvas.Ellipse(x, y, 2, 2, Cube(0, 4, 5));
        canvas.Dot(x, y, White);
    }
    for (int ring = 1; ring <= 4; ++ring) {
        DrawArc(canvas, 27, 72, 5 * ring + 1, ring % 2 ? Cube(0, 5, 4) : Cube(0, 3, 5));
    }
    canvas.Line(27, 68, 27, 79, Grey(3)); // the aerial on its stand
    canvas.Dot(27, 67, Cube(5, 1, 1));
    canvas.Fill({21, 79, 33, 82}, Grey(5));
    canvas.Fill({22, 80, 24, 80}, Cube(0, 5, 1));
    return view;
}

} // namespace tessaly::art
