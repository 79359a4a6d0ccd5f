#include "core/preview/roomcomposition.h"

#include "core/slots/colourmatch.h"

#include <algorithm>
#include <cstring>

namespace tessaly {
namespace {

constexpr PlacementRect WholePreview{0, 0, RoomWidth - 1, RoomHeight - 1};

bool IsIdentity(const IndexMap& map) {
    for (std::size_t i = 0; i < map.size(); ++i) {
        if (map[i] != i) {
            return false;
        }
    }
    return true;
}

IndexPlane PlaneOf(const SlotPicture& picture, const std::uint8_t* pixels) {
    return IndexPlane{picture.width, picture.height, pixels};
}

// The pixels of a picture through a map.
std::vector<std::uint8_t> MappedCopy(const SlotPicture& picture, const IndexMap& map) {
    std::vector<std::uint8_t> mapped(picture.pixels.size());
    std::transform(picture.pixels.begin(), picture.pixels.end(), mapped.begin(),
                   [&](std::uint8_t index) { return map[index]; });
    return mapped;
}

// The plane of a picture: its own pixels when the map changes nothing, else a mapped
// copy kept in `copy`.
IndexPlane PlaneThrough(const SlotPicture& picture, const IndexMap& map,
                        std::vector<std::uint8_t>& copy) {
    if (IsIdentity(map)) {
        return PlaneOf(picture, picture.pixels.data());
    }
    copy = MappedCopy(picture, map);
    return PlaneOf(picture, copy.data());
}

// The drawn part of one axis of a layer's target: the positions inside the preview
// whose source position lies inside what the picture and the mask hold.
struct Axis {
    int first = 0;            // the first target position drawn
    int count = 0;            // how many are drawn
    int sourceFirst = 0;      // the source position of the first, when drawn one to one
    std::vector<int> sources; // the source position of each, when fitted (else empty)
};

// For a target of `extent` positions from `origin`, a preview of `limit` positions and a
// source of sourceExtent positions of which `held` exist. Target position t reads source
// position (t - origin) * sourceExtent / extent, which never decreases with t, so the
// drawn positions are the ones before the first that reads past `held`.
Axis AxisOf(int origin, int extent, int limit, int sourceExtent, int held) {
    Axis axis;
    axis.first = std::max(origin, 0);
    const int last = std::min(origin + extent - 1, limit - 1);
    if (sourceExtent == extent) {
        axis.sourceFirst = axis.first - origin;
        axis.count = std::max(std::min(last, origin + held - 1) - axis.first + 1, 0);
        return axis;
    }
    for (int at = axis.first; at <= last; ++at) {
        const auto source = static_cast<int>(std::int64_t{at - origin} * sourceExtent / extent);
        if (source >= held) {
            break;
        }
        axis.sources.push_back(source);
    }
    axis.count = static_cast<int>(axis.sources.size());
    return axis;
}

int SourceAt(const Axis& axis, int i) {
    return axis.sources.empty() ? axis.sourceFirst + i : axis.sources[i];
}

// One row of a layer: each preview pixel becomes (pixel OR mask) AND picture.
void DrawRow(std::uint8_t* out, const std::uint8_t* mask, const std::uint8_t* picture,
             const Axis& columns) {
    if (columns.sources.empty()) {
        mask += columns.sourceFirst;
        picture += columns.sourceFirst;
        int i = 0;
        // Eight pixels at a time: OR and AND work on each byte of a word alone.
        for (; i + 8 <= columns.count; i += 8) {
            std::uint64_t o;
            std::uint64_t m;
            std::uint64_t p;
            std::memcpy(&o, out + i, 8);
            std::memcpy(&m, mask + i, 8);
            std::memcpy(&p, picture + i, 8);
            o = (o | m) & p;
            std::memcpy(out + i, &o, 8);
        }
        for (; i < columns.count; ++i) {
            out[i] = static_cast<std::uint8_t>((out[i] | mask[i]) & picture[i]);
        }
        return;
    }
    for (int i = 0; i < columns.count; ++i) {
        const int at = columns.sources[i];
        out[i] = static_cast<std::uint8_t>((out[i] | mask[at]) & picture[at]);
    }
}

void DrawSlots(SlotPicture& preview, RoomSlots& slots, PartSlot picture, PartSlot mask,
               PartSlot place) {
    const SlotEntry& size = SlotCatalogue(picture);
    const PlacementRect target = place == Slot::Room ? WholePreview : slots.Placement(place);
    DrawMaskedPart(preview, target, slots.Indices(mask), slots.Indices(picture), size.width,
                   size.height);
}

} // namespace

std::uint8_t NearestRoomIndex(Rgb colour) {
    return NearestColourIndex(RoomPalette(), colour);
}

IndexMap RoomIndexMap(const std::vector<Rgb>& colourTable) {
    IndexMap map;
    map.fill(BlackIndex);
    const std::size_t entries = std::min<std::size_t>(colourTable.size(), map.size());
    for (std::size_t i = 0; i < entries; ++i) {
        // RoomPalette's own entries are distinct, so each maps to itself.
        const Rgb colour = colourTable[i];
        map[i] =
            colour == RoomPalette()[i] ? static_cast<std::uint8_t>(i) : NearestRoomIndex(colour);
    }
    return map;
}

RoomSlots::RoomSlots(PictureOf pictureOf, const PlacementRectTable& placements)
    : pictureOf_(std::move(pictureOf)), placements_(placements) {}

RoomSlots RoomSlots::Taking(PictureMaker makePicture, const PlacementRectTable& placements) {
    RoomSlots slots(nullptr, placements);
    slots.makePicture_ = std::move(makePicture);
    return slots;
}

const IndexMap& RoomSlots::MapOf(const std::vector<Rgb>& colourTable) {
    const auto known =
        std::ranges::find_if(maps_, [&](const auto& entry) { return entry.first == colourTable; });
    if (known != maps_.end()) {
        return known->second;
    }
    maps_.emplace_back(colourTable, RoomIndexMap(colourTable));
    return maps_.back().second;
}

RoomSlots::Mapped RoomSlots::MapBorrowed(const SlotPicture& picture) {
    Mapped mapped;
    mapped.plane = PlaneThrough(picture, MapOf(picture.colourTable), mapped.own);
    return mapped;
}

RoomSlots::Mapped RoomSlots::MapTaken(SlotPicture picture) {
    const IndexMap& map = MapOf(picture.colourTable);
    if (!IsIdentity(map)) {
        for (std::uint8_t& index : picture.pixels) {
            index = map[index];
        }
    }
    Mapped mapped;
    mapped.own = std::move(picture.pixels);
    mapped.plane = PlaneOf(picture, mapped.own.data());
    return mapped;
}

IndexPlane RoomSlots::Indices(PartSlot slot) {
    std::optional<Mapped>& mapped = slots_.at(static_cast<std::size_t>(slot));
    if (!mapped) {
        mapped = makePicture_ ? MapTaken(makePicture_(slot)) : MapBorrowed(pictureOf_(slot));
    }
    return mapped->plane;
}

SlotPicture BlankPreview() {
    return SlotPicture::Blank(RoomWidth, RoomHeight, 8,
                              {RoomPalette().begin(), RoomPalette().end()});
}

void DrawMaskedPart(SlotPicture& preview, const PlacementRect& target, const IndexPlane& mask,
                    const IndexPlane& picture, int sourceWidth, int sourceHeight) {
    const int targetWidth = target.right - target.left + 1;
    const int targetHeight = target.bottom - target.top + 1;
    if (targetWidth <= 0 || targetHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return;
    }
    const Axis columns = AxisOf(target.left, targetWidth, preview.width, sourceWidth,
                                std::min({sourceWidth, mask.width, picture.width}));
    const Axis rows = AxisOf(target.top, targetHeight, preview.height, sourceHeight,
                             std::min({sourceHeight, mask.height, picture.height}));
    for (int j = 0; j < rows.count; ++j) {
        const auto row = static_cast<std::size_t>(SourceAt(rows, j));
        const auto y = static_cast<std::size_t>(rows.first + j);
        DrawRow(preview.pixels.data() + y * static_cast<std::size_t>(preview.width) + columns.first,
                mask.pixels + row * mask.width, picture.pixels + row * picture.width, columns);
    }
}

void DrawMaskedPart(SlotPicture& preview, const PlacementRect& target, const SlotPicture& mask,
                    const SlotPicture& picture, int sourceWidth, int sourceHeight) {
    std::vector<std::uint8_t> maskCopy;
    std::vector<std::uint8_t> pictureCopy;
    DrawMaskedPart(preview, target, PlaneThrough(mask, RoomIndexMap(mask.colourTable), maskCopy),
                   PlaneThrough(picture, RoomIndexMap(picture.colourTable), pictureCopy),
                   sourceWidth, sourceHeight);
}

void DrawTimeLayers(SlotPicture& preview, RoomSlots& slots, bool night) {
    std::fill(preview.pixels.begin(), preview.pixels.end(), WhiteIndex);
    // By night the views are drawn through the day masks, at the day views' places.
    DrawSlots(preview, slots, night ? Slot::WinNight : Slot::WinDay, MaskOf(Slot::WinDay),
              Slot::WinDay);
    DrawSlots(preview, slots, night ? Slot::DoorNight : Slot::DoorDay, MaskOf(Slot::DoorDay),
              Slot::DoorDay);
    DrawSlots(preview, slots, Slot::Room, MaskOf(Slot::Room), Slot::Room);
    for (PartSlot part : {Slot::Post, Slot::Bath, Slot::Table}) {
        DrawSlots(preview, slots, part, MaskOf(part), part);
    }
}

void DrawTreasureBox(SlotPicture& preview, RoomSlots& slots, bool open) {
    const PartSlot box = open ? Slot::TBoxOpen : Slot::TBox;
    DrawSlots(preview, slots, box, MaskOf(box), Slot::TBox);
}

void DrawBed(SlotPicture& preview, RoomSlots& slots, bool sleeping) {
    const PartSlot bed = sleeping ? Slot::BedSleeping : Slot::Bed;
    DrawSlots(preview, slots, bed, MaskOf(bed), Slot::Bed);
}

void DrawDoor(SlotPicture& preview, RoomSlots& slots, DoorState door) {
    const PartSlot picture = door == DoorState::Open       ? Slot::DoorOpen
                             : door == DoorState::HalfOpen ? Slot::DoorHalf
                                                           : Slot::DoorClose;
    DrawSlots(preview, slots, picture, MaskOf(picture), Slot::DoorClose);
}

void DrawLettersAndBubble(SlotPicture& preview, RoomSlots& slots) {
    for (PartSlot part : {Slot::Letter1, Slot::Letter2, Slot::Letter3, Slot::Bubble}) {
        DrawSlots(preview, slots, part, MaskOf(part), part);
    }
}

void ComposeRoom(SlotPicture& preview, RoomSlots& slots, const PreviewState& state) {
    DrawTimeLayers(preview, slots, state.night);
    DrawTreasureBox(preview, slots, state.boxOpen);
    DrawBed(preview, slots, state.bedSleeping);
    DrawDoor(preview, slots, state.door);
    if (state.lettersAndBubble) {
        DrawLettersAndBubble(preview, slots);
    }
}

} // namespace tessaly
