#pragma once

#include "core/slots/catalogue.h"
#include "core/slots/slotpicture.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace tessaly {

// The room as the preview shows it: 320x240, 8 bits per pixel, each pixel an index into
// RoomPalette. The composition works on the indices: white is 0 and black 255.

enum class DoorState { Closed, HalfOpen, Open };

struct PreviewState {
    bool night = false;
    DoorState door = DoorState::Closed;
    bool boxOpen = false;
    bool bedSleeping = false;
    bool lettersAndBubble = false;
    friend bool operator==(const PreviewState&, const PreviewState&) = default;
};

// The RoomPalette index of a colour: the entry of that colour, or else the nearest one
// by squared distance in red, green and blue, the lower index on a tie.
std::uint8_t NearestRoomIndex(Rgb colour);

// The RoomPalette index of every index of a colour table; indices past the table read
// as black.
using IndexMap = std::array<std::uint8_t, 256>;
IndexMap RoomIndexMap(const std::vector<Rgb>& colourTable);

// A picture's pixels as RoomPalette indices, rows from the top: the picture's own pixels
// when its colour table maps every index to itself, else a mapped copy. It points into
// them and must not outlive them.
struct IndexPlane {
    int width = 0;
    int height = 0;
    const std::uint8_t* pixels = nullptr;
};

// Where the composition finds the slot pictures and the placement table. A slot's
// pixels are mapped to RoomPalette indices when a layer first needs them and kept, with
// one colour-table mapping per distinct table: the slot pictures must stay unchanged
// while this object lives (a command reads its package once; the preview is modal).
class RoomSlots {
  public:
    // Pictures held elsewhere, read where they lie; those that need a mapping are copied.
    using PictureOf = std::function<const SlotPicture&(PartSlot)>;
    RoomSlots(PictureOf pictureOf, const PlacementRectTable& placements);
    // Pictures made when first needed and handed over, mapped in place.
    using PictureMaker = std::function<SlotPicture(PartSlot)>;
    static RoomSlots Taking(PictureMaker makePicture, const PlacementRectTable& placements);

    RoomSlots(RoomSlots&&) = default;
    RoomSlots(const RoomSlots&) = delete;

    const PlacementRect& Placement(PartSlot slot) const { return placements_[slot]; }
    IndexPlane Indices(PartSlot slot);

  private:
    struct Mapped {
        IndexPlane plane;              // into `own` or into the picture held elsewhere
        std::vector<std::uint8_t> own; // mapped pixels
    };
    Mapped MapBorrowed(const SlotPicture& picture);
    Mapped MapTaken(SlotPicture picture);
    const IndexMap& MapOf(const std::vector<Rgb>& colourTable);

    PictureOf pictureOf_;
    PictureMaker makePicture_;
    const PlacementRectTable& placements_;
    std::array<std::optional<Mapped>, SlotCount> slots_;
    std::vector<std::pair<std::vector<Rgb>, IndexMap>> maps_;
};

// A new preview picture: all white.
SlotPicture BlankPreview();

// One layer through its mask: over the target area each preview pixel becomes itself OR
// the mask's index, then that AND the picture's index. The source is the sourceWidth x
// sourceHeight area at the top-left of the picture and the mask, fitted into the target
// by dropping or repeating columns and rows (the same mapping for both). Where the
// picture or the mask is smaller than the source area, the pixel counts as see-through
// (mask white, picture black) and the preview keeps what it has.
void DrawMaskedPart(SlotPicture& preview, const PlacementRect& target, const IndexPlane& mask,
                    const IndexPlane& picture, int sourceWidth, int sourceHeight);
// The same for two pictures not held by RoomSlots: their colour tables are mapped anew.
void DrawMaskedPart(SlotPicture& preview, const PlacementRect& target, const SlotPicture& mask,
                    const SlotPicture& picture, int sourceWidth, int sourceHeight);

// The steps of a composition, in the order they are drawn.
// The white fill, the window view, the view through the door, the room, the mailbox,
// the bath tub and the table.
void DrawTimeLayers(SlotPicture& preview, RoomSlots& slots, bool night);
void DrawTreasureBox(SlotPicture& preview, RoomSlots& slots, bool open);
void DrawBed(SlotPicture& preview, RoomSlots& slots, bool sleeping);
void DrawDoor(SlotPicture& preview, RoomSlots& slots, DoorState door);
// The three letters and the bubble.
void DrawLettersAndBubble(SlotPicture& preview, RoomSlots& slots);

// The whole composition for a state, from the white fill up.
void ComposeRoom(SlotPicture& preview, RoomSlots& slots, const PreviewState& state);

} // namespace tessaly
