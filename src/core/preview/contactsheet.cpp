#include "core/preview/contactsheet.h"

#include "core/preview/sheetfont.h"

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
    for (int y = 0; y < ThumbHeight; ++y) {
        for (int x = 0; x < ThumbWidth; ++x) {
            int sum[3] = {0, 0, 0};
            for (int k = 0; k < 4; ++k) {
                const Rgb c = preview.ColourAt(2 * x + k % 2, 2 * y + k / 2);
                sum[0] += c.red;
                sum[1] += c.green;
                sum[2] += c.blue;
            }
            sheet.Set(left + x, top + y,
                      Rgb{static_cast<std::uint8_t>(sum[0] / 4),
                          static_cast<std::uint8_t>(sum[1] / 4),
                          static_cast<std::uint8_t>(sum[2] / 4)});
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

RgbImage ContactSheet(const std::vector<SheetCell>& cells) {
    const int rows = (static_cast<int>(cells.size()) + Columns - 1) / Columns;
    const int columns = std::min<int>(Columns, static_cast<int>(cells.size()));
    RgbImage sheet =
        RgbImage::Filled(Gap + columns * CellWidth, Gap + rows * CellHeight, Background);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int left = Gap + static_cast<int>(i) % Columns * CellWidth;
        const int top = Gap + static_cast<int>(i) / Columns * CellHeight;
        DrawThumbnail(sheet, left, top, cells[i].preview);
        int line = 0;
        for (const std::string& text : LabelOf(cells[i].state)) {
            DrawSheetText(sheet, left, top + ThumbHeight + 4 + SheetLineHeight * line++, text, Ink);
        }
    }
    return sheet;
}

} // namespace tessaly
