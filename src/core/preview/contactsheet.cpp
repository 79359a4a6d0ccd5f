#include "core/preview/contactsheet.h"

#include "core/preview/sheetfont.h"

#include <algorithm>

namespace tessaly {
namespace {

constexpr int Columns = 8;
constexpr int ThumbWidth = RoomWidth / 2;
constexpr int ThumbHeight = RoomHeight / 2;
constexpr int Gap = 6;
constexpr int LabelLines = 3;
constexpr int CellWidth = ThumbWidth + Gap;
constexpr int CellHeight = ThumbHeight + 4 + LabelLines * SheetLineHeight + Gap;
constexpr Rgb Background{236, 236, 236};
constexpr Rgb Ink{32, 32, 32};

const char* DoorWord(DoorState door) {
    return door == DoorState::Open ? "open" : door == DoorState::HalfOpen ? "half" : "closed";
}

std::vector<std::string> LabelOf(const PreviewState& s) {
    return {std::string(s.night ? "night" : "day") + ", door " + DoorWord(s.door),
            std::string("box ") + (s.boxOpen ? "open" : "closed") + ", bed " +
                (s.bedSleeping ? "sleeping" : "default"),
            s.lettersAndBubble ? "+ letters and bubble" : ""};
}

// A half-size copy: each pixel the mean colour of a 2x2 block.
void DrawThumbnail(RgbImage& sheet, int left, int top, const SlotPicture& preview) {
    const IndexColours colours = ColoursOf(preview.colourTable);
    const auto width = static_cast<std::size_t>(preview.width);
    for (int y = 0; y < ThumbHeight; ++y) {
        const std::uint8_t* upper = &preview.pixels[2 * static_cast<std::size_t>(y) * width];
        const std::uint8_t* lower = upper + width;
        std::uint8_t* out =
            &sheet.rgb[(static_cast<std::size_t>(top + y) * sheet.width + left) * 3];
        for (int x = 0; x < 2 * ThumbWidth; x += 2) {
            const Rgb a = colours[upper[x]];
            const Rgb b = colours[upper[x + 1]];
            const Rgb c = colours[lower[x]];
            const Rgb d = colours[lower[x + 1]];
            *out++ = static_cast<std::uint8_t>((a.red + b.red + c.red + d.red) / 4);
            *out++ = static_cast<std::uint8_t>((a.green + b.green + c.green + d.green) / 4);
            *out++ = static_cast<std::uint8_t>((a.blue + b.blue + c.blue + d.blue) / 4);
        }
    }
}

} // namespace

std::vector<PreviewState> AllPreviewStates() {
    std::vector<PreviewState> states;
    for (bool night : {false, true}) {
        for (bool letters : {false, true}) {
            for (DoorState door : {DoorState::Closed, DoorState::HalfOpen, DoorState::Open}) {
                for (bool box : {false, true}) {
                    for (bool bed : {false, true}) {
                        states.push_back({night, door, box, bed, letters});
                    }
                }
            }
        }
    }
    return states;
}

std::string StateName(const PreviewState& s) {
    return std::string(s.night ? "night" : "day") + "_door-" + DoorWord(s.door) + "_box-" +
           (s.boxOpen ? "open" : "closed") + "_bed-" + (s.bedSleeping ? "sleeping" : "default") +
           (s.lettersAndBubble ? "_letters" : "");
}

ContactSheet::ContactSheet(int cellCount) {
    const int rows = (cellCount + Columns - 1) / Columns;
    const int columns = std::min(Columns, cellCount);
    sheet_ = RgbImage::Filled(Gap + columns * CellWidth, Gap + rows * CellHeight, Background);
}

void ContactSheet::Add(const PreviewState& state, const SlotPicture& preview) {
    const int left = Gap + added_ % Columns * CellWidth;
    const int top = Gap + added_ / Columns * CellHeight;
    DrawThumbnail(sheet_, left, top, preview);
    int line = 0;
    for (const std::string& text : LabelOf(state)) {
        DrawSheetText(sheet_, left, top + ThumbHeight + 4 + SheetLineHeight * line++, text, Ink);
    }
    ++added_;
}

} // namespace tessaly
