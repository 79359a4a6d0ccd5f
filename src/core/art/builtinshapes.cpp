#include "core/art/builtinshapes.h"

#include <cmath>

namespace tessaly::art {
namespace {

// ---- The bubble ----

constexpr Colour BubbleEdge = Grey(8);

// The tail runs from under the bubble down to its tip at the bottom left.
void DrawTail(Canvas& canvas, int widen, Colour colour) {
    for (int y = 50; y <= 67 + widen * 2; ++y) {
        const int step = y - 50;
        canvas.Fill({22 - step * 10 / 19 - widen, y, 34 - step * 21 / 19 + widen, y}, colour);
    }
}

void DrawHeart(Canvas& canvas, int x, int y) {
    const Colour red = Cube(5, 1, 2);
    canvas.Ellipse(x - 4, y - 3, 4, 4, red);
    canvas.Ellipse(x + 4, y - 3, 4, 4, red);
    for (int row = 0; row < 9; ++row) {
        canvas.Fill({x - 8 + row, y + row - 1, x + 8 - row, y + row - 1}, red);
    }
    canvas.Fill({x - 6, y - 5, x - 5, y - 4}, Cube(5, 4, 4));
}

void DrawNote(Canvas& canvas, int x, int y) {
    const Colour ink = Cube(0, 0, 3);
    canvas.Ellipse(x - 3, y + 9, 3, 2, ink);
    canvas.Ellipse(x + 8, y + 7, 3, 2, ink);
    canvas.Fill({x, y - 5, x, y + 9}, ink);
    canvas.Fill({x + 11, y - 7, x + 11, y + 7}, ink);
    for (int row = 0; row < 3; ++row) { // the beam, sloping up
        canvas.Line(x, y - 5 + row, x + 11, y - 7 + row, ink);
    }
}

// ---- The letters ----

// Entry 0 is black, the see-through colour every letter picture starts from.
enum LetterColour : Colour { Paper = 1, PaperShade, Edge, Stamp, StampLight, Ink, Seal };

std::vector<Rgb> LetterTable() {
    std::vector<Rgb> table{{0, 0, 0},     {250, 246, 232}, {222, 212, 186}, {128, 104, 72},
                           {204, 64, 56}, {244, 206, 190}, {44, 62, 130},   {170, 28, 40}};
    const int first = static_cast<int>(table.size());
    for (int i = first; i < 256; ++i) { // the rest: a grey ramp down from white
        const auto v = static_cast<std::uint8_t>(255 - (i - first) * 250 / (255 - first));
        table.push_back({v, v, v});
    }
    return table;
}

SlotPicture LetterPicture(int width, int height) {
    return SlotPicture::Blank(width, height, 8, LetterTable());
}

// An envelope over the picture's width, from row top to the bottom row.
void DrawEnvelope(Canvas& canvas, int width, int height, int top) {
    canvas.Fill({0, top, width - 1, height - 1}, Paper);
    canvas.Fill({1, height - 2, width - 2, height - 2}, PaperShade);
    canvas.Frame({0, top, width - 1, height - 1}, Edge);
}

} // namespace

SlotPicture SpeechBubble() {
    SlotPicture bubble = RoomPalettePicture(82, 71);
    Canvas canvas(bubble);
    canvas.Ellipse(41, 29, 40, 28, BubbleEdge);
    DrawTail(canvas, 1, BubbleEdge);
    canvas.Ellipse(41, 29, 38, 26, Grey(1));
    canvas.Ellipse(40, 28, 37, 25, White);
    DrawTail(canvas, 0, White);
    DrawHeart(canvas, 22, 27);
    DrawNote(canvas, 41, 26);
    for (int x = 60; x <= 72; x += 6) {
        canvas.Fill({x, 33, x + 1, 34}, Grey(5));
    }
    return bubble;
}

SlotPicture EnvelopeInMailbox() {
    SlotPicture letter = LetterPicture(25, 16);
    Canvas canvas(letter);
    DrawEnvelope(canvas, 25, 16, 1);
    canvas.Fill({18, 3, 22, 7}, StampLight); // the stamp
    canvas.Fill({19, 4, 21, 6}, Stamp);
    for (auto [right, y] : {std::pair{14, 8}, {12, 10}, {10, 12}}) {
        canvas.Fill({5, y, right, y}, Ink); // the address
    }
    return letter;
}

SlotPicture LetterOnTable() {
    SlotPicture letter = LetterPicture(27, 23);
    Canvas canvas(letter);
    for (int y = 2; y <= 21; ++y) { // a sheet lying askew
        const int shift = (21 - y) / 3;
        canvas.Fill({2 + shift, y, 20 + shift, y}, y == 2 || y == 21 ? Edge : Paper);
        canvas.Dot(2 + shift, y, Edge);
        canvas.Dot(20 + shift, y, Edge);
    }
    for (int y = 5; y <= 14; y += 3) {
        const int shift = (21 - y) / 3;
        canvas.Fill({5 + shift, y, 16 + shift - y % 4, y}, Ink);
    }
    canvas.Line(11, 18, 16, 17, Ink); // the signature
    canvas.Line(16, 17, 17, 18, Ink);
    canvas.Fill({17, 20, 19, 20}, PaperShade); // a turned-up corner
    canvas.Dot(19, 19, PaperShade);
    return letter;
}

SlotPicture EnvelopeOnBoard() {
    SlotPicture letter = LetterPicture(25, 16);
    Canvas canvas(letter);
    DrawEnvelope(canvas, 25, 16, 2);
    for (int x = 1; x < 24; ++x) { // the flap
        const int depth = 12 - std::abs(x - 12);
        canvas.Fill({x, 3, x, 2 + depth * 7 / 12}, PaperShade);
        canvas.Dot(x, 2 + depth * 7 / 12, Edge);
    }
    canvas.Ellipse(12, 9, 2, 2, Seal);
    canvas.Ellipse(12, 1, 1, 1, Stamp); // the pin
    canvas.Dot(11, 0, StampLight);
    return letter;
}

} // namespace tessaly::art
