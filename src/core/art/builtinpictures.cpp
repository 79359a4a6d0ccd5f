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
    case Slot::DoorClose:
    case Slot::Bed:
    case Slot::TBox:
    case Slot::Table:
    case Slot::Post:
    case Slot::Bath:
        return RoomState{};
    case Slot::DoorHalf:
        return RoomState{DoorPose::Ajar};
    case Slot::DoorOpen:
        return RoomState{DoorPose::Open};
    case Slot::BedSleeping:
        return RoomState{DoorPose::Closed, true};
    case Slot::TBoxOpen:
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
    case Slot::Bubble:
        return art::SpeechBubble();
    case Slot::Letter1:
        return art::EnvelopeInMailbox();
    case Slot::Letter2:
        return art::LetterOnTable();
    default:
        return art::EnvelopeOnBoard();
    }
}

SlotPicture PartPicture(PartSlot slot) {
    if (slot == Slot::Room) {
        return art::DrawRoom({});
    }
    if (const std::optional<RoomState> state = FurnitureState(slot)) {
        return CutFromRoom(*state, slot);
    }
    switch (slot) {
    case Slot::WinDay:
    case Slot::DoorDay:
        return art::OutdoorView(slot, art::Daytime::Day);
    case Slot::WinNight: // the night views look out where the day views do
        return art::OutdoorView(Slot::WinDay, art::Daytime::Night);
    case Slot::DoorNight:
        return art::OutdoorView(Slot::DoorDay, art::Daytime::Night);
    case Slot::WinIO:
        return art::ConnectingView();
    default:
        return ShapedPicture(slot);
    }
}

bool IsShaped(PartSlot pictureSlot) {
    return pictureSlot == Slot::Bubble || pictureSlot == Slot::Letter1 ||
           pictureSlot == Slot::Letter2 || pictureSlot == Slot::Letter3;
}

// All black, but for a shaped part white wherever its picture is black, the colour that
// lets the room show through.
SlotPicture BuiltInMask(PartSlot maskSlot, const SlotPicture& picture) {
    const SlotEntry& entry = SlotCatalogue(maskSlot);
    SlotPicture mask = SlotPicture::Blank(entry.width, entry.height, 1, MaskColourTable());
    if (!IsShaped(PictureOf(maskSlot))) {
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
            all[MaskOf(s)] = BuiltInMask(MaskOf(s), all[s]);
        }
        return all;
    }();
    return pictures;
}

SlotPicture BuiltInPicture(PartSlot slot) {
    return BuiltInPictures().at(slot);
}

} // namespace tessaly
