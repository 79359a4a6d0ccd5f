#include "core/art/builtindrawing.h"

#include "core/art/builtinoutdoors.h"
#include "core/art/builtinroom.h"
#include "core/art/builtinshapes.h"

#include <array>
#include <optional>

namespace tessaly::art {
namespace {

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
    const SlotPicture room = DrawRoom(state);
    const PlacementRect place = BuiltInPlacementRects()[slot];
    const SlotEntry& entry = SlotCatalogue(slot);
    SlotPicture part = RoomPalettePicture(entry.width, entry.height);
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
        return SpeechBubble();
    case Slot::Letter1:
        return EnvelopeInMailbox();
    case Slot::Letter2:
        return LetterOnTable();
    default:
        return EnvelopeOnBoard();
    }
}

SlotPicture PartPicture(PartSlot slot) {
    if (slot == Slot::Room) {
        return DrawRoom({});
    }
    if (const std::optional<RoomState> state = FurnitureState(slot)) {
        return CutFromRoom(*state, slot);
    }
    switch (slot) {
    case Slot::WinDay:
    case Slot::DoorDay:
        return OutdoorView(slot, Daytime::Day);
    case Slot::WinNight: // the night views look out where the day views do
        return OutdoorView(Slot::WinDay, Daytime::Night);
    case Slot::DoorNight:
        return OutdoorView(Slot::DoorDay, Daytime::Night);
    case Slot::WinIO:
        return ConnectingView();
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

std::array<SlotPicture, SlotCount> DrawBuiltInPictures() {
    std::array<SlotPicture, SlotCount> all;
    for (PartSlot slot = 0; slot < PictureSlotCount; ++slot) {
        all[slot] = PartPicture(slot);
        all[MaskOf(slot)] = BuiltInMask(MaskOf(slot), all[slot]);
    }
    return all;
}

} // namespace tessaly::art
