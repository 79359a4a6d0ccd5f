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

// One picture of many previews: each at half size in a grid of eight columns, labelled
// with its state underneath. The cells are drawn as the previews are added, so that no
// preview need be kept.
class ContactSheet {
  public:
    explicit ContactSheet(int cellCount);

    // Draws the next cell. Previews are 320x240; a sheet takes cellCount of them.
    void Add(const PreviewState& state, const SlotPicture& preview);
    const RgbImage& Image() const { return sheet_; }

  private:
    RgbImage sheet_;
    int added_ = 0;
};

} // namespace tessaly
