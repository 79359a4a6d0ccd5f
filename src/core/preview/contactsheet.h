#pragma once

#include "core/preview/rgbimage.h"
#include "core/preview/roomcomposition.h"

#include <string>
#include <vector>

namespace tessaly {

// Every state the preview can show: 2 times x 3 doors x 2 boxes x 2 beds x letters on
// or off, 48 in all, day before night and letters off before on.
std::vector<PreviewState> AllPreviewStates();

// A file name for a state, e.g. "night_door-half_box-open_bed-sleeping_letters".
std::string StateName(const PreviewState& state);

struct SheetCell {
    PreviewState state;
    SlotPicture preview;
};

// One picture of many previews: each at half size in a grid of eight columns, labelled
// with its state underneath.
RgbImage ContactSheet(const std::vector<SheetCell>& cells);

} // namespace tessaly
