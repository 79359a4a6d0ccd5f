#include "bitmap/builtinpictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace tessaly {
namespace {

// Colours as RoomPalette indices: a cube colour from levels 0-5 of red, green, blue.
constexpr std::uint8_t Cube(int r, int g, int b) {
    return r == 0 && g == 0 && b == 0
               ? BlackIndex
               : static_cast<std::uint8_t>((5 - r) * 36 + (5 - g) * 6 + (5 - b));
}
constexpr std::uint8_t Grey(int step) {
    return static_cast<std::uint8_t>(245 + step);
} // 0 light - 9 dark

constexpr std::uint8_t Wall = Cube(5, 4, 3);
constexpr std::uint8_t WallDot = Cube(5, 3, 2);
constexpr std::uint8_t WallStripe = Cube(4, 3, 2);
constexpr std::uint8_t Skirting = Cube(2, 1, 0);
constexpr std::uint8_t Floor = Cube(4, 2, 1);
constexpr std::uint8_t FloorLine = Cube(3, 1, 0);
constexpr std::uint8_t Wood = Cube(3, 2, 1);
constexpr std::uint8_t WoodDark = Cube(2, 1, 0);
constexpr std::uint8_t WoodLight = Cube(4, 3, 1);
constexpr std::uint8_t Gold = Cube(5, 4, 0);
constexpr std::uint8_t Shine = Cube(5, 5, 2);
constexpr std::uint8_t Metal = Cube(2, 2, 2);
constexpr std::uint8_t White = WhiteIndex;
constexpr std::uint8_t Outline = Grey(8);

constexpr int FloorTop = 130;

// Drawing on a palettised picture; everything is clipped to the picture.
class Canvas {
  public:
    explicit Canvas(SlotPicture& picture) : p_(picture) {}
    void Dot(int x, int y, std::uint8_t c) {
        if (x >= 0 && y >= 0 && x < p_.width && y < p_.height) {
            p_.Set(x, y, c);
        }
    }
    void Fill(int x0, int y0, int x1, int y1, std::uint8_t c) {
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                Dot(x, y, c);
            }
        }
    }
    void Frame(int x0, int y0, int x1, int y1, std::uint8_t c) {
        Fill(x0, y0, x1, y0, c);
        Fill(x0, y1, x1, y1, c);
        Fill(x0, y0, x0, y1, c);
        Fill(x1, y0, x1, y1, c);
    }
    void Ellipse(int cx, int cy, int rx, int ry, std::uint8_t c) {
        for (int y = -ry; y <= ry; ++y) {
            for (int x = -rx; x <= rx; ++x) {
                if (x * x * ry * ry + y * y * rx * rx <= rx * rx * ry * ry) {
                    Dot(cx + x, cy + y, c);
                }
            }
        }
    }
    void Line(int x0, int y0, int x1, int y1, std::uint8_t c) {
        const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
        const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
        for (int err = dx + dy;;) {
            Dot(x0, y0, c);
            if (x0 == x1 && y0 == y1) {
                return;
            }
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }

  private:
    SlotPicture& p_;
};

std::vector<Rgb> RoomTable() {
    return {RoomPalette().begin(), RoomPalette().end()};
}

SlotPicture NewPicture(int width, int height, std::uint8_t fill) {
    SlotPicture picture = SlotPicture::Blank(width, height, 8, RoomTable());
    std::fill(picture.pixels.begin(), picture.pixels.end(), fill);
    return picture;
}

// ---- The views seen through the window and the door ----

void DrawDaySky(Canvas& c, int width, int height, int horizon) {
    for (int y = 0; y < horizon; ++y) {
        c.Fill(0, y, width - 1, y,
               y < horizon / 3       ? Cube(2, 3, 5)
               : y < 2 * horizon / 3 ? Cube(3, 4, 5)
                                     : Cube(4, 5, 5));
    }
    c.Fill(0, horizon, width - 1, height - 1, Cube(2, 4, 1));
    c.Ellipse(width / 3, horizon / 3, 9, 4, White);
    c.Ellipse(width / 3 + 8, horizon / 3 - 2, 7, 4, White);
    c.Ellipse(2 * width / 3 + 6, horizon / 2, 6, 3, White);
}

void DrawNightSky(Canvas& c, int width, int height, int horizon) {
    c.Fill(0, 0, width - 1, horizon - 1, Cube(0, 0, 1));
    c.Fill(0, horizon, width - 1, height - 1, Cube(0, 1, 0));
    unsigned seed = 12345u;
    for (int i = 0; i < width * horizon / 60; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = static_cast<int>((seed >> 8) % static_cast<unsigned>(width));
        seed = seed * 1103515245u + 12345u;
        const int y = static_cast<int>((seed >> 8) % static_cast<unsigned>(horizon));
        c.Dot(x, y, i % 3 ? White : Cube(5, 5, 3));
    }
    c.Ellipse(width - 14, 14, 7, 7, Cube(5, 5, 3));
    c.Ellipse(width - 11, 12, 6, 6, Cube(0, 0, 1)); // a crescent
}

SlotPicture WindowDayView() {
    SlotPicture p = NewPicture(55, 83, White);
    Canvas c(p);
    DrawDaySky(c, 55, 83, 60);
    c.Fill(8, 40, 11, 62, WoodDark); // a tree
    c.Ellipse(10, 36, 9, 10, Cube(1, 3, 0));
    c.Ellipse(40, 64, 14, 5, Cube(1, 3, 1)); // a hill
    return p;
}

SlotPicture WindowNightView() {
    SlotPicture p = NewPicture(55, 83, White);
    Canvas c(p);
    DrawNightSky(c, 55, 83, 60);
    c.Fill(8, 40, 11, 62, Cube(1, 0, 0));
    c.Ellipse(10, 36, 9, 10, Cube(0, 1, 0));
    return p;
}

// While connecting: waves of signal over a dark screen.
SlotPicture WindowConnectingView() {
    SlotPicture p = NewPicture(55, 83, Cube(0, 0, 1));
    Canvas c(p);
    for (int ring = 0; ring < 5; ++ring) {
        const int r = 8 + ring * 9;
        for (int a = -r; a <= r; ++a) {
            const int y = 70 - static_cast<int>(std::sqrt(static_cast<double>(r * r - a * a)));
            c.Dot(27 + a, y, ring % 2 ? Cube(0, 5, 3) : Cube(0, 4, 5));
        }
    }
    c.Fill(25, 68, 29, 82, Cube(0, 5, 3));
    for (int x = 3; x < 52; x += 6) {
        c.Dot(x, 5 + (x / 6) % 3, Cube(5, 5, 5));
    }
    return p;
}

void DrawGardenPath(Canvas& c, int width, int height, int horizon) {
    for (int y = horizon; y < height; ++y) {
        const int half = 3 + (y - horizon) / 2;
        c.Fill(width / 2 - half, y, width / 2 + half, y, Cube(4, 4, 3));
    }
}

SlotPicture DoorDayView() {
    SlotPicture p = NewPicture(80, 89, White);
    Canvas c(p);
    DrawDaySky(c, 80, 89, 52);
    DrawGardenPath(c, 80, 89, 52);
    for (int x = 6; x < 80; x += 17) { // flowers
        c.Ellipse(x, 72 + (x % 5), 2, 2, x % 2 ? Cube(5, 1, 2) : Cube(5, 5, 1));
    }
    return p;
}

SlotPicture DoorNightView() {
    SlotPicture p = NewPicture(80, 89, White);
    Canvas c(p);
    DrawNightSky(c, 80, 89, 52);
    for (int y = 52; y < 89; ++y) {
        const int half = 3 + (y - 52) / 2;
        c.Fill(40 - half, y, 40 + half, y, Cube(1, 1, 1));
    }
    return p;
}

// ---- The room, in any state of its furniture ----

struct Scene {
    int door = 0; // 0 closed, 1 half open, 2 open
    bool bedSleeping = false;
    bool boxOpen = false;
};

void DrawWallAndFloor(Canvas& c) {
    c.Fill(0, 0, 319, FloorTop - 5, Wall);
    for (int x = 6; x < 320; x += 16) { // wallpaper stripes with dots between them
        c.Fill(x, 0, x, FloorTop - 5, WallStripe);
        for (int y = 6 + (x / 16 % 2) * 8; y < FloorTop - 8; y += 16) {
            c.Dot(x + 8, y, WallDot);
        }
    }
    c.Fill(0, FloorTop - 4, 319, FloorTop - 1, Skirting);
    c.Fill(0, FloorTop, 319, 239, Floor);
    for (int y = FloorTop + 9; y < 240; y += 10) {
        c.Fill(0, y, 319, y, FloorLine);
        for (int x = (y * 7) % 50; x < 320; x += 50) {
            c.Fill(x, y - 9, x, y - 1, FloorLine);
        }
    }
}

void DrawWindow(Canvas& c) {
    SlotPicture view = WindowDayView();
    for (int y = 0; y < 83; ++y) {
        for (int x = 0; x < 55; ++x) {
            c.Dot(79 + x, y, view.At(x, y));
        }
    }
    c.Fill(79, 0, 133, 3, WoodLight); // frame and cross bars
    c.Fill(79, 79, 133, 82, WoodLight);
    c.Fill(79, 0, 82, 82, WoodLight);
    c.Fill(130, 0, 133, 82, WoodLight);
    c.Fill(105, 0, 107, 82, WoodLight);
    c.Fill(79, 40, 133, 42, WoodLight);
    c.Fill(75, 83, 137, 87, WoodDark); // sill
}

void DrawDoor(Canvas& c, int state) {
    const int left = 213, top = 44, right = 277, bottom = 152;
    c.Fill(left, top, right, bottom, WoodDark);                  // frame
    c.Fill(left + 4, top + 4, right - 4, bottom, Cube(1, 1, 1)); // the dark opening
    const int leafRight = state == 0 ? right - 4 : state == 1 ? left + 38 : left + 14;
    const int leafLeft = left + 4;
    c.Fill(leafLeft, top + 4, leafRight, bottom, Cube(4, 2, 1));
    if (state == 0) {
        c.Frame(leafLeft + 7, top + 12, leafRight - 7, top + 48, Cube(3, 1, 0));
        c.Frame(leafLeft + 7, top + 58, leafRight - 7, bottom - 10, Cube(3, 1, 0));
        c.Ellipse(leafRight - 8, top + 56, 2, 2, Gold);
    } else {
        c.Fill(leafRight - 1, top + 4, leafRight, bottom, Cube(3, 1, 0));    // the leaf's edge
        c.Fill(leafRight + 1, bottom - 6, right - 4, bottom, Cube(1, 1, 0)); // light on the floor
    }
}

void DrawBed(Canvas& c, bool sleeping) {
    const int left = 105, top = 53, right = 200, bottom = 128;
    c.Fill(left, top + 8, left + 7, bottom, Wood);          // head board
    c.Fill(right - 6, top + 30, right, bottom, Wood);       // foot board
    c.Fill(left + 8, top + 44, right - 7, top + 58, White); // mattress
    c.Fill(left + 8, top + 59, right - 7, top + 64, Wood);  // frame
    c.Fill(left + 10, top + 65, left + 13, bottom, WoodDark);
    c.Fill(right - 13, top + 65, right - 10, bottom, WoodDark);
    c.Ellipse(left + 22, top + 40, 12, 6, White); // pillow
    c.Frame(left + 10, top + 34, left + 34, top + 46, Grey(1));
    const int blanketTop = sleeping ? top + 36 : top + 42;
    c.Fill(left + 36, blanketTop, right - 8, top + 60, Cube(1, 2, 4));
    for (int x = left + 40; x < right - 8; x += 8) {
        c.Fill(x, blanketTop + 2, x + 2, top + 58, Cube(2, 3, 5));
    }
    if (sleeping) {
        c.Ellipse(left + 24, top + 35, 7, 7, Cube(5, 4, 3)); // a sleeper's head
        c.Ellipse(left + 22, top + 31, 7, 4, Cube(2, 1, 0));
        for (int i = 0; i < 3; ++i) { // z z z
            const int x = left + 36 + i * 9, y = top + 22 - i * 8, s = 3 + i;
            c.Line(x, y, x + s, y, Cube(0, 1, 4));
            c.Line(x + s, y, x, y + s, Cube(0, 1, 4));
            c.Line(x, y + s, x + s, y + s, Cube(0, 1, 4));
        }
    }
}

void DrawTreasureBox(Canvas& c, bool open) {
    const int left = 51, top = 75, right = 106, bottom = 134;
    c.Fill(left + 2, top + 30, right - 2, bottom - 2, Wood);
    c.Fill(left + 2, bottom - 1, right - 2, bottom, WoodDark);
    for (int x : {left + 10, right - 12}) {
        c.Fill(x, top + 30, x + 2, bottom - 2, Metal);
    }
    if (open) {
        c.Fill(left + 4, top + 8, right - 4, top + 28, WoodDark); // the lid, raised
        c.Frame(left + 4, top + 8, right - 4, top + 28, Metal);
        for (int i = 0; i < 9; ++i) { // gold heaped inside
            c.Ellipse(left + 9 + i * 5, top + 30 - (i % 3), 3, 2, i % 2 ? Gold : Shine);
        }
    } else {
        c.Fill(left + 2, top + 20, right - 2, top + 30, WoodLight); // the lid, shut
        c.Fill(left + 2, top + 29, right - 2, top + 30, WoodDark);
        c.Fill(left + 24, top + 28, left + 31, top + 36, Gold); // the lock
        c.Dot(left + 27, top + 33, WoodDark);
    }
}

void DrawTable(Canvas& c) {
    const int left = 142, top = 129, right = 218;
    c.Fill(left, top + 12, right, top + 17, WoodLight);
    c.Fill(left, top + 18, right, top + 19, WoodDark);
    c.Fill(left + 4, top + 20, left + 8, top + 49, Wood);
    c.Fill(right - 8, top + 20, right - 4, top + 49, Wood);
    c.Ellipse(left + 58, top + 8, 5, 4, Cube(4, 4, 5)); // a cup
    c.Fill(left + 62, top + 6, left + 65, top + 8, Cube(4, 4, 5));
}

void DrawMailbox(Canvas& c) {
    const int left = 15, top = 159;
    c.Fill(left + 22, top + 28, left + 27, top + 75, WoodDark); // post
    c.Fill(left + 2, top + 8, left + 47, top + 30, Cube(5, 0, 0));
    c.Ellipse(left + 24, top + 9, 22, 7, Cube(5, 0, 0));            // rounded top
    c.Fill(left + 6, top + 18, left + 22, top + 20, Cube(3, 0, 0)); // slot
    c.Fill(left + 44, top + 2, left + 46, top + 14, Metal);         // flag
    c.Fill(left + 38, top + 2, left + 45, top + 6, Cube(5, 4, 0));
}

void DrawBath(Canvas& c) {
    const int left = 258, top = 171, right = 318, bottom = 216;
    c.Fill(left + 2, top + 12, right - 2, top + 36, White);
    c.Ellipse((left + right) / 2, top + 36, (right - left) / 2 - 2, 6, White);
    c.Fill(left + 4, top + 12, right - 4, top + 16, Cube(2, 4, 5)); // water
    c.Frame(left + 1, top + 11, right - 1, top + 37, Grey(3));
    c.Fill(left + 6, top + 40, left + 9, bottom, Gold); // feet
    c.Fill(right - 9, top + 40, right - 6, bottom, Gold);
    c.Fill(right - 6, top, right - 4, top + 11, Metal); // tap
    c.Fill(right - 14, top, right - 5, top + 2, Metal);
}

SlotPicture RoomScene(const Scene& scene) {
    SlotPicture room = NewPicture(RoomWidth, RoomHeight, Wall);
    Canvas c(room);
    DrawWallAndFloor(c);
    DrawWindow(c);
    DrawBed(c, scene.bedSleeping);
    DrawTreasureBox(c, scene.boxOpen);
    DrawMailbox(c);
    DrawBath(c);
    DrawTable(c);
    DrawDoor(c, scene.door);
    return room;
}

SlotPicture Crop(const SlotPicture& room, PartSlot slot) {
    const PlacementRect r = BuiltInPlacementRects()[slot];
    const SlotEntry& entry = SlotCatalogue(slot);
    SlotPicture part = NewPicture(entry.width, entry.height, BlackIndex);
    for (int y = 0; y < entry.height; ++y) {
        for (int x = 0; x < entry.width; ++x) {
            part.Set(x, y, room.At(r.left + x, r.top + y));
        }
    }
    return part;
}

// ---- The parts with shapes of their own: the bubble and the letters ----

SlotPicture Bubble() {
    SlotPicture p = NewPicture(82, 71, BlackIndex); // black: see-through
    Canvas c(p);
    c.Ellipse(41, 30, 39, 28, Outline);
    c.Ellipse(41, 30, 37, 26, White);
    for (int i = 0; i < 12; ++i) { // the tail
        c.Fill(18 - i / 2, 56 + i, 24 - i, 56 + i, Outline);
        c.Fill(19 - i / 2, 56 + i, 22 - i, 56 + i, White);
    }
    c.Ellipse(34, 27, 7, 7, Cube(5, 1, 2)); // a heart
    c.Ellipse(48, 27, 7, 7, Cube(5, 1, 2));
    for (int y = 0; y < 16; ++y) {
        c.Fill(28 + y, 30 + y, 54 - y, 30 + y, Cube(5, 1, 2));
    }
    return p;
}

// The letters' own colour table: black (see-through), paper, edges, stamp, ink; then a
// grey ramp.
std::vector<Rgb> LetterTable() {
    std::vector<Rgb> table{{0, 0, 0},     {250, 246, 232}, {184, 164, 128}, {214, 56, 48},
                           {48, 72, 160}, {232, 220, 194}, {120, 96, 64}};
    while (table.size() < 256) {
        const auto v = static_cast<std::uint8_t>(255 - (table.size() - 7) * 255 / 248);
        table.push_back({v, v, v});
    }
    return table;
}

enum LetterColour : std::uint8_t { SeeThrough, Paper, Edge, Stamp, Ink };

SlotPicture Envelope(int width, int height) {
    SlotPicture p = SlotPicture::Blank(width, height, 8, LetterTable());
    Canvas c(p);
    c.Fill(1, 2, width - 2, height - 2, Paper);
    c.Frame(1, 2, width - 2, height - 2, Edge);
    c.Line(1, 2, width / 2, height / 2 + 1, Edge); // the flap
    c.Line(width - 2, 2, width / 2, height / 2 + 1, Edge);
    c.Fill(width - 7, 4, width - 4, 7, Stamp);
    return p;
}

SlotPicture LetterOnTable() {
    SlotPicture p = SlotPicture::Blank(27, 23, 8, LetterTable());
    Canvas c(p);
    for (int y = 3; y < 21; ++y) { // a sheet lying askew
        const int shift = (21 - y) / 4;
        c.Fill(3 + shift, y, 22 + shift, y, Paper);
        c.Dot(3 + shift, y, Edge);
        c.Dot(22 + shift, y, Edge);
    }
    c.Fill(8, 3, 26, 3, Edge);
    c.Fill(3, 20, 22, 20, Edge);
    for (int y = 7; y < 18; y += 3) {
        c.Fill(6 + (21 - y) / 4, y, 17 + (21 - y) / 4, y, Ink);
    }
    return p;
}

// A mask white where the picture is black, black inside its shape.
SlotPicture ShapeMask(const SlotPicture& picture) {
    SlotPicture mask = SlotPicture::Blank(picture.width, picture.height, 1, MaskColourTable());
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            mask.Set(x, y, picture.ColourAt(x, y) == Rgb{} ? 1 : 0);
        }
    }
    return mask;
}

SlotPicture MakePicture(PartSlot slot) {
    switch (slot) {
    case 0:
        return WindowDayView();
    case 1:
        return WindowNightView();
    case 2:
        return WindowConnectingView();
    case 3:
        return DoorDayView();
    case 19:
        return DoorNightView();
    case RoomSlot:
        return RoomScene({});
    case 6:
        return Crop(RoomScene({1}), slot);
    case 7:
        return Crop(RoomScene({2}), slot);
    case 9:
        return Crop(RoomScene({0, true}), slot);
    case 11:
        return Crop(RoomScene({0, false, true}), slot);
    case 14:
        return Bubble();
    case 16:
    case 18:
        return Envelope(25, 16);
    case 17:
        return LetterOnTable();
    default:
        return Crop(RoomScene({}), slot);
    }
}

SlotPicture MakeSlot(PartSlot slot) {
    if (!IsMaskSlot(slot)) {
        return MakePicture(slot);
    }
    const PartSlot picture = PictureSlotOf(slot);
    const bool shaped = picture == 14 || (picture >= 16 && picture <= 18);
    if (shaped) {
        return ShapeMask(MakePicture(picture));
    }
    const SlotEntry& entry = SlotCatalogue(slot);
    return SlotPicture::Blank(entry.width, entry.height, 1, MaskColourTable());
}

} // namespace

SlotPicture BuiltInPicture(PartSlot slot) {
    static const std::array<SlotPicture, SlotCount> pictures = [] {
        std::array<SlotPicture, SlotCount> all;
        for (PartSlot s = 0; s < SlotCount; ++s) {
            all[s] = MakeSlot(s);
        }
        return all;
    }();
    return pictures.at(slot);
}

} // namespace tessaly
