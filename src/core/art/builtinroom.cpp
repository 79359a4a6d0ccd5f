#include "core/art/builtinroom.h"

#include "core/art/builtinoutdoors.h"

#include <array>
#include <cmath>

namespace tessaly::art {
namespace {

// The back wall: wallpaper, dado rail, painted panelling and skirting down to WallFoot;
// the floor boards below it.
constexpr int DadoTop = 86;
constexpr int PanelTop = 90;
constexpr int SkirtingTop = 118;
constexpr int WallFoot = 123;
constexpr int PlankHeight = 8;

constexpr Colour Wood = Cube(3, 2, 1);
constexpr Colour WoodLight = Cube(4, 3, 2);
constexpr Colour WoodDark = Cube(2, 1, 0);
constexpr Colour WoodEdge = Cube(1, 0, 0);
constexpr Colour Brass = Cube(5, 4, 1);
constexpr Colour BrassDark = Cube(4, 3, 0);
constexpr Colour Ink = Grey(8);

Area PlaceOf(PartSlot slot) {
    const PlacementRect r = BuiltInPlacementRects()[slot];
    return {r.left, r.top, r.right, r.bottom};
}

void Block(Canvas& canvas, Area area, Colour fill, Colour edge) {
    canvas.Fill(area, fill);
    canvas.Frame(area, edge);
}

// ---- Wall and floor ----

Colour WallpaperAt(int x, int y) {
    const int stripe = x % 16;
    if (stripe == 0 || stripe == 2) {
        return Cube(5, 4, 3);
    }
    const int fx = stripe - 8;
    const int fy = (y + (x / 16 % 2) * 10) % 20 - 10; // little flowers, staggered
    const int petal = std::abs(fx) + std::abs(fy);
    return petal == 0 ? Cube(5, 4, 2) : petal == 1 ? Cube(5, 4, 4) : Cube(5, 5, 4);
}

Colour PanellingAt(int x, int y) {
    const int px = x % 32;
    const bool inPanel = px >= 4 && px <= 27 && y >= PanelTop + 4 && y <= SkirtingTop - 4;
    if (!inPanel) {
        return Cube(3, 4, 3);
    }
    if (px == 4 || y == PanelTop + 4) {
        return Cube(2, 3, 2);
    }
    if (px == 27 || y == SkirtingTop - 4) {
        return Cube(4, 5, 4);
    }
    return Cube(3, 4, 3);
}

Colour WallAt(int x, int y) {
    if (y < DadoTop) {
        return WallpaperAt(x, y);
    }
    if (y < PanelTop) {
        constexpr std::array<Colour, 4> Rail{WoodLight, Wood, Wood, WoodDark};
        return Rail[y - DadoTop];
    }
    if (y < SkirtingTop) {
        return PanellingAt(x, y);
    }
    return y == SkirtingTop ? Grey(2) : y == WallFoot ? Grey(4) : Grey(0);
}

Colour FloorAt(int x, int y) {
    const int plank = (y - WallFoot - 1) / PlankHeight;
    const int row = (y - WallFoot - 1) % PlankHeight;
    const bool joint = (x + plank * 37) % 71 == 0;
    if (row == PlankHeight - 1 || joint) {
        return WoodDark;
    }
    if (row == 0) {
        return Cube(4, 3, 1);
    }
    const bool grain = Noise(x / 5, y, plank) < 40;
    return grain ? Wood : WoodLight;
}

void DrawWallAndFloor(Canvas& canvas) {
    canvas.Paint({0, 0, RoomWidth - 1, WallFoot}, WallAt);
    canvas.Paint({0, WallFoot + 1, RoomWidth - 1, RoomHeight - 1}, FloorAt);
}

// ---- The window, and what hangs on the wall ----

int CurtainWidth(int y) {
    return y <= 46 ? 16 - y * 10 / 46 : 6 + (y - 46) * 7 / 30;
}

void DrawCurtains(Canvas& canvas) {
    constexpr int Left = 66;
    constexpr int Right = 146;
    for (int y = 2; y <= 76; ++y) {
        const int width = CurtainWidth(y);
        for (int i = 0; i <= width; ++i) {
            const Colour colour = i % 4 == 2 ? Cube(4, 1, 1) : Cube(5, 2, 2);
            canvas.Dot(Left + i, y, colour);
            canvas.Dot(Right - i, y, colour);
        }
    }
    canvas.Fill({Left, 45, Left + 7, 47}, Brass); // the tie-backs
    canvas.Fill({Right - 7, 45, Right, 47}, Brass);
    canvas.Fill({Left - 3, 0, Right + 3, 1}, WoodDark); // the rod
    canvas.Ellipse(Left - 4, 1, 2, 1, Brass);
    canvas.Ellipse(Right + 4, 1, 2, 1, Brass);
}

void DrawWindow(Canvas& canvas) {
    const Area place = PlaceOf(Slot::WinDay);
    Canvas panes = canvas.Within({place.left + 4, place.top + 4, place.right - 4, 77});
    DrawOutdoors(panes, Daytime::Day);
    const std::array<Area, 6> bars{{{place.left, 0, place.left + 3, place.bottom},
                                    {place.right - 3, 0, place.right, place.bottom},
                                    {place.left, 0, place.right, 3},
                                    {place.left, 78, place.right, place.bottom},
                                    {105, 0, 107, place.bottom},
                                    {place.left, 39, place.right, 41}}};
    for (const Area& bar : bars) {
        canvas.Fill(bar, White);
    }
    canvas.Frame(place, Grey(4));
    canvas.Fill({place.left + 4, 78, place.right - 4, 78}, Grey(2)); // shade under the panes
    canvas.Fill({place.left - 4, 83, place.right + 4, 84}, White);   // the sill
    canvas.Fill({place.left - 4, 85, place.right + 4, 85}, Grey(3));
    DrawCurtains(canvas);
}

void DrawPainting(Canvas& canvas) {
    canvas.Line(31, 12, 17, 20, Grey(5)); // wire and nail
    canvas.Line(31, 12, 45, 20, Grey(5));
    canvas.Dot(31, 11, Grey(7));
    Block(canvas, {14, 20, 48, 50}, Brass, Cube(3, 2, 0));
    canvas.Frame({17, 23, 45, 47}, BrassDark);
    canvas.Fill({18, 24, 44, 38}, Cube(4, 5, 5)); // sky and sea
    canvas.Fill({18, 39, 44, 46}, Cube(1, 3, 4));
    canvas.Fill({18, 39, 44, 39}, Cube(2, 4, 5));
    canvas.Ellipse(39, 29, 2, 2, Cube(5, 5, 1));
    for (int row = 0; row < 9; ++row) { // a sailing boat
        canvas.Fill({29, 28 + row, 29 + row * 2 / 3, 28 + row}, White);
    }
    canvas.Fill({28, 27, 28, 37}, WoodDark);
    canvas.Fill({23, 38, 34, 39}, Cube(4, 1, 1));
    canvas.Fill({25, 40, 32, 40}, Cube(4, 1, 1));
}

void DrawClock(Canvas& canvas) {
    constexpr int X = 166;
    constexpr int Y = 24;
    canvas.Ellipse(X, Y, 11, 11, WoodEdge);
    canvas.Ellipse(X, Y, 10, 10, Wood);
    canvas.Ellipse(X, Y, 8, 8, White);
    for (auto [dx, dy] : std::array<std::pair<int, int>, 4>{{{0, -7}, {7, 0}, {0, 7}, {-7, 0}}}) {
        canvas.Dot(X + dx, Y + dy, Grey(5));
    }
    canvas.Line(X, Y, X + 1, Y - 6, Ink);
    canvas.Line(X, Y, X - 4, Y + 2, Ink);
    canvas.Dot(X, Y, Cube(4, 1, 1));
}

void DrawNoticeBoard(Canvas& canvas) {
    Block(canvas, {280, 72, 310, 114}, Wood, WoodEdge);
    canvas.Paint({283, 75, 307, 111}, [](int x, int y) {
        const int n = Noise(x, y, 9);
        return n < 40 ? Wood : n > 230 ? Cube(5, 4, 2) : Cube(4, 3, 1);
    });
    canvas.Fill({286, 78, 297, 89}, Cube(5, 5, 2)); // a note
    for (int y = 82; y <= 87; y += 2) {
        canvas.Fill({288, y, 295 - (y % 3), y}, Cube(3, 3, 2));
    }
    canvas.Ellipse(291, 78, 1, 1, Cube(0, 2, 5));
}

void DrawLightSwitch(Canvas& canvas) {
    Block(canvas, {202, 82, 207, 90}, Grey(0), Grey(3));
    canvas.Fill({204, 84, 205, 86}, Grey(5));
}

// ---- The door: trim, doorway, mat, and the leaf in its pose ----

constexpr Area Doorway{219, 50, 271, WallFoot};
constexpr int LeafWidth = 53;
constexpr int LeafHeight = 74;
constexpr Colour DoorPaint = Cube(1, 2, 3);
constexpr Colour PaintLight = Cube(2, 3, 4);
constexpr Colour PaintDark = Cube(0, 1, 2);

// Which bevel of a raised panel a pixel lies on: -1 lit, +1 shaded, 0 neither.
int PanelBevel(int u, int v, int left, int top, int right, int bottom) {
    if (u < left || u > right || v < top || v > bottom) {
        return 0;
    }
    if (u <= left + 1 || v <= top + 1) {
        return -1;
    }
    return u >= right - 1 || v >= bottom - 1 ? 1 : 0;
}

// The leaf's face as it stands closed: u from its free edge (0) to the hinges (52).
Colour LeafAt(int u, int v) {
    if (u == 0 || v == 0 || u == LeafWidth - 1 || v == LeafHeight - 1) {
        return PaintDark;
    }
    const bool hinge = u >= LeafWidth - 3 && ((v >= 8 && v <= 13) || (v >= 60 && v <= 65));
    if (hinge) {
        return Grey(5);
    }
    const int kx = u - 5;
    const int ky = v - 38;
    if (kx * kx + ky * ky <= 4) {
        return kx + ky < -1 ? Cube(5, 5, 3) : Brass;
    }
    if (u == 5 && v >= 42 && v <= 44) {
        return WoodEdge; // the keyhole
    }
    int bevel = 0;
    for (auto [left, right] : std::array<std::pair<int, int>, 2>{{{9, 26}, {30, 47}}}) {
        bevel += PanelBevel(u, v, left, 6, right, 33) + PanelBevel(u, v, left, 40, right, 67);
    }
    return bevel < 0 ? PaintLight : bevel > 0 ? PaintDark : DoorPaint;
}

struct LeafPose {
    int width; // columns the leaf covers, from the hinge side
    int drop;  // how far its free edge comes down, swung towards the room
};

// By DoorPose: closed, ajar, open.
constexpr std::array<LeafPose, 3> LeafPoses{{{LeafWidth, 0}, {26, 18}, {9, 29}}};

void DrawLeaf(Canvas& canvas, LeafPose pose) {
    for (int i = 0; i < pose.width; ++i) {
        const int x = Doorway.right - i;
        const int u = LeafWidth - 1 - i * (LeafWidth - 1) / (pose.width - 1);
        const int drop = i * pose.drop / (pose.width - 1);
        for (int v = 0; v < LeafHeight; ++v) {
            canvas.Dot(x, Doorway.top + v + drop, LeafAt(u, v));
        }
    }
    if (pose.drop > 0) { // the leaf's edge, seen as it swings in
        const int x = Doorway.right - pose.width;
        canvas.Fill({x - 1, Doorway.top + pose.drop, x, Doorway.bottom + pose.drop - 1}, PaintDark);
        canvas.Fill({x, Doorway.top + pose.drop + 1, x, Doorway.bottom + pose.drop - 2},
                    PaintLight);
    }
}

// Daylight from the doorway falls on the floor as far as the leaf lets it.
void DrawSunlight(Canvas& canvas, LeafPose pose) {
    const int gapRight = Doorway.right - pose.width - 2;
    for (int y = WallFoot + 1; y < RoomHeight; ++y) {
        const int shift = (y - WallFoot) / 3;
        canvas.Fill({Doorway.left + shift, y, gapRight + shift, y}, Lighter);
    }
}

void DrawDoorTrim(Canvas& canvas, Area place) {
    const std::array<Area, 3> trim{{{place.left, place.top, Doorway.left - 1, WallFoot},
                                    {Doorway.right + 1, place.top, place.right, WallFoot},
                                    {place.left, place.top, place.right, Doorway.top - 1}}};
    for (const Area& part : trim) {
        canvas.Fill(part, White);
        canvas.Frame(part, Grey(4));
    }
    canvas.Fill({place.left + 2, place.top + 2, place.left + 2, WallFoot - 1}, Grey(1));
    canvas.Fill({place.right - 2, place.top + 2, place.right - 2, WallFoot - 1}, Grey(1));
    canvas.Fill({place.left + 1, place.top + 1, place.right - 1, place.top + 1}, Grey(0));
    canvas.Fill({Doorway.left - 1, Doorway.top, Doorway.left - 1, WallFoot}, Grey(3));
    canvas.Fill({Doorway.left, Doorway.top - 1, Doorway.right, Doorway.top - 1}, Grey(3));
}

void DrawDoormat(Canvas& canvas) {
    constexpr Area Mat{226, 126, 264, 132};
    canvas.Paint(Mat,
                 [](int x, int y) { return Noise(x, y, 4) < 90 ? Cube(4, 3, 1) : Cube(3, 2, 0); });
    canvas.Frame(Mat, WoodDark);
}

void DrawDoor(Canvas& room, DoorPose pose) {
    const Area place = PlaceOf(Slot::DoorClose);
    Canvas canvas = room.Within(place);
    Canvas doorway = canvas.Within(Doorway);
    DrawOutdoors(doorway, Daytime::Day);
    canvas.Fill({Doorway.left, WallFoot - 1, Doorway.right, WallFoot}, Grey(3)); // threshold
    DrawDoorTrim(canvas, place);
    DrawDoormat(canvas);
    const LeafPose leaf = LeafPoses[static_cast<int>(pose)];
    if (pose != DoorPose::Closed) {
        DrawSunlight(canvas, leaf);
    }
    DrawLeaf(canvas, leaf);
}

// ---- Furniture ----

// A head or foot board: a post with a rounded top and a lighter inlay.
void DrawBedEnd(Canvas& canvas, Area board, Area inlay) {
    const int cx = (board.left + board.right) / 2;
    const int rx = (board.right - board.left) / 2;
    Block(canvas, board, Wood, WoodEdge);
    canvas.Ellipse(cx, board.top, rx, rx - 1, WoodEdge);
    canvas.Ellipse(cx, board.top, rx - 1, rx - 2, Wood);
    canvas.Frame(inlay, WoodLight);
}

void DrawBedFrame(Canvas& canvas) {
    canvas.Ellipse(152, 127, 46, 2, Darker); // its shadow on the floor
    DrawBedEnd(canvas, {107, 66, 117, 127}, {110, 72, 114, 100});
    Block(canvas, {118, 106, 188, 113}, Wood, WoodEdge); // side rail
    canvas.Fill({119, 107, 187, 107}, WoodLight);
    canvas.Fill({118, 97, 188, 104}, White); // mattress
    canvas.Fill({118, 105, 188, 105}, Grey(2));
}

void DrawPillow(Canvas& canvas) {
    canvas.Ellipse(130, 93, 11, 5, Grey(2));
    canvas.Ellipse(130, 92, 10, 4, White);
    canvas.Line(123, 92, 127, 93, Grey(1));
}

Colour QuiltAt(int x, int y) {
    if ((x - 1) % 7 == 3 && (y - 1) % 7 == 3) {
        return White; // a tuft of stitching
    }
    return ((x - 1) / 7 + (y - 1) / 7) % 2 ? Cube(1, 2, 4) : Cube(2, 3, 5);
}

// The quilt from its turned-down top edge to the foot, over a sleeper if there is one.
void DrawQuilt(Canvas& canvas, bool sleeper) {
    const int left = sleeper ? 137 : 141;
    for (int x = left; x <= 190; ++x) {
        const double body = (x - 166) / 23.0;
        const int hump =
            sleeper && std::abs(body) < 1 ? static_cast<int>(7 * std::sqrt(1 - body * body)) : 0;
        const int top = (sleeper ? 93 : 95) - hump;
        const bool fold = x < left + 5;
        canvas.Paint({x, top, x, 114},
                     [fold](int px, int py) { return fold ? White : QuiltAt(px, py); });
        canvas.Dot(x, top, fold ? Grey(2) : Cube(0, 1, 3));
        canvas.Dot(x, 115, Cube(0, 1, 3));
    }
    canvas.Fill({left + 4, sleeper ? 93 : 95, left + 4, 114}, Grey(2));
}

void DrawSnore(Canvas& canvas, int x, int y, int size) {
    canvas.Line(x, y, x + size, y, Cube(1, 1, 4));
    canvas.Line(x + size, y, x, y + size, Cube(1, 1, 4));
    canvas.Line(x, y + size, x + size, y + size, Cube(1, 1, 4));
}

void DrawSleeper(Canvas& canvas) {
    canvas.Ellipse(127, 87, 6, 5, Cube(3, 1, 0)); // hair
    canvas.Ellipse(130, 89, 5, 4, Cube(5, 4, 3));
    canvas.Line(131, 89, 133, 89, WoodDark); // a closed eye
    canvas.Dot(133, 91, Cube(5, 3, 3));
    DrawSnore(canvas, 148, 77, 3);
    DrawSnore(canvas, 157, 66, 5);
    DrawSnore(canvas, 168, 54, 7);
}

void DrawBed(Canvas& room, bool sleeper) {
    Canvas canvas = room.Within(PlaceOf(Slot::Bed));
    DrawBedFrame(canvas);
    DrawPillow(canvas);
    if (sleeper) {
        DrawSleeper(canvas);
    }
    DrawQuilt(canvas, sleeper);
    DrawBedEnd(canvas, {189, 90, 197, 127}, {191, 96, 195, 118});
}

constexpr Colour BoxWood = Cube(3, 1, 0);
constexpr Colour BoxLight = Cube(4, 2, 1);
constexpr Colour Gold = Cube(5, 4, 0);
constexpr std::array<int, 2> BoxBands{61, 92};

void DrawBands(Canvas& canvas, int top, int bottom) {
    for (int x : BoxBands) {
        canvas.Fill({x, top, x + 3, bottom}, Grey(4));
        canvas.Fill({x, top, x, bottom}, Grey(2));
        canvas.Dot(x + 2, top + 2, Grey(1));
        canvas.Dot(x + 2, bottom - 2, Grey(1));
    }
}

void DrawBoxBody(Canvas& canvas) {
    canvas.Ellipse(78, 132, 25, 1, Darker);
    Block(canvas, {56, 106, 100, 131}, BoxWood, WoodEdge);
    canvas.Fill({57, 107, 99, 107}, BoxLight);
    canvas.Fill({57, 115, 99, 115}, WoodDark);
    canvas.Fill({57, 123, 99, 123}, WoodDark);
    DrawBands(canvas, 106, 131);
    canvas.Fill({57, 132, 61, 133}, WoodEdge); // feet
    canvas.Fill({95, 132, 99, 133}, WoodEdge);
}

void DrawLock(Canvas& canvas, int top) {
    Block(canvas, {74, top, 82, 112}, Brass, BrassDark);
    canvas.Fill({78, top + 3, 78, top + 5}, WoodEdge);
}

void DrawClosedLid(Canvas& canvas) {
    for (int x = 56; x <= 100; ++x) {
        const int top = 91 + (x - 78) * (x - 78) * 5 / 484;
        canvas.Fill({x, top, x, 105}, BoxWood);
        canvas.Fill({x, top + 1, x, top + 2}, BoxLight);
        canvas.Dot(x, top, WoodEdge);
    }
    canvas.Fill({56, 95, 56, 105}, WoodEdge);
    canvas.Fill({100, 95, 100, 105}, WoodEdge);
    canvas.Fill({56, 105, 100, 105}, WoodEdge);
    DrawBands(canvas, 93, 104);
    DrawLock(canvas, 101);
}

void DrawCoin(Canvas& canvas, int x, int y) {
    canvas.Ellipse(x, y, 3, 2, BrassDark);
    canvas.Ellipse(x, y - 1, 2, 1, Gold);
    canvas.Dot(x - 1, y - 1, Cube(5, 5, 3));
}

// A row of 2 * half + 1 coins from left, heaped up by height in the middle.
void DrawCoinHeap(Canvas& canvas, int left, int bottom, int spacing, int half, int height) {
    for (int i = 0; i <= 2 * half; ++i) {
        DrawCoin(canvas, left + i * spacing, bottom - (half - std::abs(i - half)) * height / half);
    }
}

void DrawSparkle(Canvas& canvas, int x, int y) {
    canvas.Line(x - 2, y, x + 2, y, White);
    canvas.Line(x, y - 2, x, y + 2, White);
}

void DrawOpenLid(Canvas& canvas) {
    for (int y = 77; y <= 97; ++y) { // the lid's inside, thrown back
        const int inset = (97 - y) / 5;
        canvas.Fill({57 + inset, y, 99 - inset, y}, (y - 77) % 5 == 4 ? WoodEdge : WoodDark);
        canvas.Dot(56 + inset, y, WoodEdge);
        canvas.Dot(100 - inset, y, WoodEdge);
    }
    canvas.Fill({60, 77, 96, 77}, WoodEdge);
    DrawBands(canvas, 79, 96);
    canvas.Fill({57, 98, 99, 105}, WoodEdge); // the dark inside
    DrawCoinHeap(canvas, 59, 104, 4, 5, 4);
    DrawCoinHeap(canvas, 63, 101, 5, 3, 2);
    canvas.Ellipse(70, 98, 2, 2, Red(1)); // gems
    canvas.Dot(69, 97, Cube(5, 3, 3));
    canvas.Ellipse(87, 99, 2, 2, Cube(0, 4, 1));
    canvas.Dot(86, 98, Cube(3, 5, 3));
    DrawSparkle(canvas, 65, 95);
    DrawSparkle(canvas, 91, 93);
    DrawSparkle(canvas, 78, 96);
    DrawLock(canvas, 106);
}

// The box keeps two columns clear on its right: the bed's picture covers them.
void DrawTreasureBox(Canvas& room, bool open) {
    const Area place = PlaceOf(Slot::TBox);
    Canvas canvas = room.Within({place.left, place.top, PlaceOf(Slot::Bed).left - 1, place.bottom});
    DrawBoxBody(canvas);
    if (open) {
        DrawOpenLid(canvas);
    } else {
        DrawClosedLid(canvas);
    }
}

void DrawTableThings(Canvas& canvas) {
    Block(canvas, {149, 137, 156, 145}, White, Grey(3)); // a cup
    canvas.Frame({157, 139, 159, 142}, Grey(3));
    canvas.Fill({150, 138, 155, 138}, Cube(3, 2, 1));
    canvas.Ellipse(203, 141, 5, 5, Cube(1, 2, 4)); // a vase of flowers
    canvas.Fill({201, 135, 205, 136}, Cube(1, 2, 4));
    canvas.Ellipse(202, 140, 2, 2, Cube(2, 3, 5));
    canvas.Line(203, 134, 199, 130, Cube(1, 3, 1));
    canvas.Line(203, 134, 208, 131, Cube(1, 3, 1));
    canvas.Ellipse(199, 130, 1, 1, Cube(5, 1, 2));
    canvas.Ellipse(208, 131, 1, 1, Cube(5, 4, 0));
    canvas.Dot(203, 130, Cube(5, 2, 4));
}

void DrawTable(Canvas& room) {
    Canvas canvas = room.Within(PlaceOf(Slot::Table));
    canvas.Ellipse(180, 177, 38, 2, Darker);
    canvas.Fill({159, 150, 162, 170}, WoodDark); // back legs
    canvas.Fill({196, 150, 199, 170}, WoodDark);
    for (int x : {149, 206}) { // front legs
        Block(canvas, {x, 150, x + 5, 177}, Wood, WoodEdge);
        canvas.Fill({x + 1, 151, x + 1, 176}, WoodLight);
    }
    canvas.Paint({145, 138, 215, 146},
                 [](int x, int y) { return Noise(x / 6, y, 7) < 50 ? Cube(4, 3, 1) : WoodLight; });
    canvas.Frame({145, 138, 215, 146}, WoodDark);
    Block(canvas, {144, 147, 216, 151}, Wood, WoodEdge);
    canvas.Fill({145, 148, 215, 148}, WoodLight);
    DrawTableThings(canvas);
}

void DrawFoam(Canvas& canvas) {
    constexpr std::array<std::array<int, 3>, 7> Bubbles{{{270, 182, 4},
                                                         {277, 180, 5},
                                                         {285, 182, 4},
                                                         {301, 182, 4},
                                                         {307, 183, 3},
                                                         {292, 183, 3},
                                                         {274, 177, 2}}};
    for (auto [x, y, r] : Bubbles) {
        canvas.Ellipse(x, y, r, r - 1, Grey(1));
        canvas.Ellipse(x - 1, y - 1, r - 1, r - 2, White);
    }
}

void DrawDuck(Canvas& canvas) {
    canvas.Ellipse(291, 180, 5, 3, Cube(5, 4, 0));
    canvas.Ellipse(291, 179, 4, 2, Cube(5, 5, 0));
    canvas.Ellipse(295, 175, 3, 3, Cube(5, 5, 0));
    canvas.Fill({298, 176, 300, 177}, Cube(5, 2, 0));
    canvas.Dot(296, 174, Grey(9));
}

void DrawTap(Canvas& canvas) {
    canvas.Fill({311, 174, 313, 184}, Grey(3));
    canvas.Fill({305, 174, 313, 176}, Grey(3));
    canvas.Fill({305, 177, 306, 178}, Grey(4));
    canvas.Fill({306, 174, 312, 174}, Grey(1));
    canvas.Fill({310, 171, 314, 172}, Grey(5)); // its handle
    canvas.Dot(305, 180, Cube(3, 4, 5));
}

void DrawBath(Canvas& room) {
    Canvas canvas = room.Within(PlaceOf(Slot::Bath));
    canvas.Ellipse(288, 214, 29, 2, Darker);
    for (int x : {266, 305}) { // claw feet
        canvas.Fill({x, 204, x + 5, 213}, BrassDark);
        canvas.Fill({x - 1, 213, x + 6, 215}, BrassDark);
        canvas.Fill({x + 1, 205, x + 1, 212}, Brass);
    }
    DrawTap(canvas);
    DrawFoam(canvas);
    DrawDuck(canvas);
    canvas.Ellipse(288, 199, 27, 9, Grey(5)); // the tub
    canvas.Fill({261, 186, 315, 199}, Grey(5));
    canvas.Ellipse(288, 199, 26, 8, Grey(1));
    canvas.Fill({262, 187, 314, 199}, White);
    canvas.Ellipse(288, 198, 24, 7, White);
    canvas.Fill({264, 200, 312, 200}, Grey(0));
    Block(canvas, {259, 183, 317, 186}, White, Grey(4)); // the rim
    canvas.Fill({260, 186, 316, 186}, Grey(2));
}

// A round-topped letterbox seen from its side, its door at the front on the left.
void DrawLetterbox(Canvas& canvas) {
    canvas.Ellipse(56, 176, 5, 5, Red(6)); // the side, its back corner rounded
    Block(canvas, {26, 171, 56, 196}, Red(1), Red(6));
    canvas.Fill({57, 176, 61, 196}, Red(6));
    canvas.Ellipse(56, 176, 4, 4, Red(1));
    canvas.Fill({27, 176, 60, 195}, Red(1));
    canvas.Fill({27, 173, 57, 174}, Cube(5, 2, 2));
    canvas.Fill({27, 192, 60, 195}, Red(3));
    canvas.Ellipse(22, 177, 5, 6, Red(6)); // the arched door
    canvas.Fill({17, 177, 27, 196}, Red(6));
    canvas.Ellipse(22, 177, 4, 5, Red(3));
    canvas.Fill({18, 177, 26, 195}, Red(3));
    canvas.Fill({19, 176, 19, 194}, Red(2));
    canvas.Fill({14, 178, 17, 180}, Grey(3));          // its handle
    Block(canvas, {32, 182, 50, 188}, White, Grey(3)); // name plate
    canvas.Fill({34, 185, 45, 185}, Ink);
}

void DrawMailbox(Canvas& room) {
    Canvas canvas = room.Within(PlaceOf(Slot::Post));
    canvas.Ellipse(39, 233, 13, 1, Darker);
    Block(canvas, {30, 228, 48, 232}, Grey(4), Grey(6)); // foot
    Block(canvas, {36, 196, 42, 228}, Wood, WoodEdge);   // post
    canvas.Fill({37, 197, 37, 227}, WoodLight);
    DrawLetterbox(canvas);
    canvas.Fill({54, 166, 55, 190}, Grey(5)); // the flag, up
    Block(canvas, {56, 165, 62, 170}, Cube(5, 4, 0), BrassDark);
    canvas.Ellipse(54, 189, 1, 1, Grey(6));
}

constexpr Area Rug{96, 194, 232, 226};

void DrawRug(Canvas& canvas) {
    canvas.Paint(Rug, [](int x, int y) {
        const int dx = std::min(x - Rug.left, Rug.right - x);
        const int dy = std::min(y - Rug.top, Rug.bottom - y);
        const int border = std::min(dx, dy);
        if (border < 4) {
            return border == 1 || border == 2 ? Cube(5, 4, 2) : Cube(4, 1, 1);
        }
        const int diamond = (std::abs((x - Rug.left) % 16 - 8) + std::abs((y - Rug.top) % 16 - 8));
        return diamond == 4 ? Cube(5, 4, 2) : diamond < 2 ? Cube(4, 1, 1) : Cube(5, 2, 1);
    });
    for (int y = Rug.top + 1; y < Rug.bottom; y += 2) { // fringes
        canvas.Fill({Rug.left - 3, y, Rug.left - 1, y}, Cube(5, 5, 4));
        canvas.Fill({Rug.right + 1, y, Rug.right + 3, y}, Cube(5, 5, 4));
    }
}

void DrawPlant(Canvas& canvas) {
    canvas.Ellipse(12, 150, 11, 1, Darker);
    constexpr std::array<std::array<int, 4>, 7> Leaves{{{4, 118, 3, 12},
                                                        {20, 116, 3, 13},
                                                        {12, 108, 3, 15},
                                                        {7, 104, 2, 9},
                                                        {17, 102, 2, 8},
                                                        {1, 126, 2, 7},
                                                        {23, 126, 2, 7}}};
    for (auto [x, y, rx, ry] : Leaves) {
        canvas.Ellipse(x, y, rx, ry, Cube(0, 2, 0));
        canvas.Ellipse(x, y - 1, rx - 1, ry - 1, Cube(1, 3, 1));
        canvas.Line(x, y - ry + 2, x, y + ry - 2, Cube(2, 4, 1));
    }
    canvas.Fill({3, 132, 21, 135}, Cube(4, 2, 1)); // the pot
    canvas.Fill({5, 136, 19, 149}, Cube(4, 2, 1));
    canvas.Fill({16, 136, 19, 149}, Cube(3, 1, 0));
    canvas.Fill({3, 135, 21, 135}, Cube(3, 1, 0));
    canvas.Fill({4, 132, 20, 132}, Cube(5, 3, 2));
}

} // namespace

SlotPicture DrawRoom(const RoomState& state) {
    SlotPicture room = RoomPalettePicture(RoomWidth, RoomHeight);
    Canvas canvas(room);
    DrawWallAndFloor(canvas);
    DrawWindow(canvas);
    DrawPainting(canvas);
    DrawClock(canvas);
    DrawNoticeBoard(canvas);
    DrawLightSwitch(canvas);
    DrawRug(canvas);
    DrawDoor(canvas, state.door);
    DrawPlant(canvas);
    DrawBed(canvas, state.sleeper);
    DrawTreasureBox(canvas, state.boxOpen);
    DrawTable(canvas);
    DrawBath(canvas);
    DrawMailbox(canvas);
    return room;
}

} // namespace tessaly::art
