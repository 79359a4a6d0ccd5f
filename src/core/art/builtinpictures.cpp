#include "core/art/builtinpictures.h"

#include "core/art/builtinoutdoors.h"
#include "core/art/builtinroom.h"
#include "core/art/builtinshapes.h"

#include <array>
#include <optional>

namespace tessaly {
namespace {

using art::DoorPose;
using art::RoomState;

// The room's state that a furniture part shows; none for the views and shaped parts.
std::optional<RoomState> FurnitureState(PartSlot slot) {
    switch (slot) {
    case 5:
    case 8:
    case 10:
    case 12:
    case 13:
    case 15:
        return RoomState{};
    case 6:
        return RoomState{DoorPose::Ajar};
    case 7:
        return RoomState{DoorPose::Open};
    case 9:
        return RoomState{DoorPose::Closed, true};
    case 11:
        return RoomState{DoorPose::Closed, false, true};
    default:
        return std::nullopt;
    }
}

SlotPicture CutFromRoom(const RoomState& state, PartSlot slot) {
    const SlotPicture room = art::DrawRoom(state);
    const PlacementRect place = BuiltInPlacementRects()[slot];
    const SlotEntry& entry = SlotCatalogue(slot);
    SlotPicture part = art::RoomPalettePicture(entry.width, entry.height);
    for (int y = 0; y < entry.height; ++y) {
        for (int x = 0; x < entry.width; ++x) {
            part.Set(x, y, room.At(place.left + x, place.top + y));
        }
    }
    return part;
}

SlotPicture ShapedPicture(PartSlot slot) {
    switch (slot) {
    case 14:
        return art::SpeechBubble();
    case 16:
        return art::EnvelopeInMailbox();
    case 17:
        return art::LetterOnTable();
    default:
        return art::EnvelopeOnBoard();
    }
}

SlotPicture PartPicture(PartSlot slot) {
    if (slot == RoomSlot) {
        return art::DrawRoom({});
    }
    if (const std::optional<RoomState> state = FurnitureState(slot)) {
        return CutFromRoom(*state, slot);
    }
    switch (slot) {
    case 0:
    case 3:
        return art::OutdoorView(slot, art::Daytime::Day);
    case 1: // the night views look out where the day views do
        return art::OutdoorView(0, art::Daytime::Night);
    case 19:
        return art::OutdoorView(3, art::Daytime::Night);
    case 2:
        return art::ConnectingView();
    default:
        return ShapedPicture(slot);
    }
}

bool IsShaped(PartSlot pictureSlot) {
    return pictureSlot == 14 || (pictureSlot >= 16 && pictureSlot <= 18);
}

// All black, but for a shaped part white wherever its picture is black, the colour that
// lets the room show through.
SlotPicture MaskOf(PartSlot maskSlot, const SlotPicture& picture) {
    const SlotEntry& entry = SlotCatalogue(maskSlot);
    SlotPicture mask = SlotPicture::Blank(entry.width, entry.height, 1, MaskColourTable());
    if (!IsShaped(PictureSlotOf(maskSlot))) {
        return mask;
    }
    for (int y = 0; y < entry.height; ++y) {
        for (int x = 0; x < entry.width; ++x) {
            mask.Set(x, y, picture.ColourAt(x, y) == Rgb{} ? 1 : 0);
        }
    }
    return mask;
}

} // namespace

const std::array<SlotPicture, SlotCount>& BuiltInPictures() {
    static const std::array<SlotPicture, SlotCount> pictures = [] {
        std::array<SlotPicture, SlotCount> all;
        for (PartSlot s = 0; s < PictureSlotCount; ++s) {
            all[s] = PartPicture(s);
            all[MaskSlotOf(s)] = MaskOf(MaskSlotOf(s), all[s]);
        }
        return all;
    }();
    return pictures;
}

SlotPicture BuiltInPicture(PartSlot slot) {
    return BuiltInPictures().at(slot);
}

} // namespace tessaly
