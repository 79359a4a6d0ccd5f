#include "core/slots/catalogue.h"

namespace tessaly {
namespace {

// clang-format off
constexpr std::array<SlotEntry, SlotCount> Catalogue{{
    {"WinDayImage", 55, 83, 8},       {"WinNightImage", 55, 83, 8},
    {"WinIOImage", 55, 83, 8},        {"DoorDayImage", 80, 89, 8},
    {"RoomImage", 320, 240, 8},       {"DoorCloseImage", 65, 109, 8},
    {"DoorHalfImage", 65, 109, 8},    {"DoorOpenImage", 65, 109, 8},
    {"BedImage", 96, 76, 8},          {"BedSleepingImage", 96, 76, 8},
    {"TBoxImage", 56, 60, 8},         {"TBoxOpenImage", 56, 60, 8},
    {"TableImage", 77, 50, 8},        {"PostImage", 50, 76, 8},
    {"BubbleImage", 82, 71, 8},       {"BathImage", 61, 46, 8},
    {"Letter1Image", 25, 16, 8},      {"Letter2Image", 27, 23, 8},
    {"Letter3Image", 25, 16, 8},      {"DoorNightImage", 80, 89, 8},
    {"WinDayMask", 55, 83, 1},        {"WinNightMask", 55, 83, 1},
    {"WinIOMask", 55, 83, 1},         {"DoorDayMask", 80, 89, 1},
    {"RoomMask", 320, 240, 1},        {"DoorCloseMask", 65, 109, 1},
    {"DoorHalfMask", 65, 109, 1},     {"DoorOpenMask", 65, 109, 1},
    {"BedMask", 96, 76, 1},           {"BedSleepingMask", 96, 76, 1},
    {"TBoxMask", 56, 60, 1},          {"TBoxOpenMask", 56, 60, 1},
    {"TableMask", 77, 50, 1},         {"PostMask", 50, 76, 1},
    {"BubbleMask", 82, 71, 1},        {"BathMask", 61, 46, 1},
    {"Letter1Mask", 25, 16, 1},       {"Letter2Mask", 27, 23, 1},
    {"Letter3Mask", 25, 16, 1},       {"DoorNightMask", 80, 89, 1},
}};
// clang-format on

// clang-format off
constexpr PlacementRectTable Placements{{
    {79, 0, 133, 82},    {79, 0, 133, 82},     {79, 0, 133, 82},    {236, 35, 315, 123},
    {0, 0, 320, 240},    {213, 44, 277, 152},  {213, 44, 277, 152}, {213, 44, 277, 152},
    {105, 53, 200, 128}, {105, 53, 200, 128},  {51, 75, 106, 134},  {51, 75, 106, 134},
    {142, 129, 218, 178}, {15, 159, 64, 234},  {247, 142, 319, 212}, {258, 171, 318, 216},
    {10, 183, 34, 198},  {159, 131, 185, 153}, {282, 95, 306, 110}, {236, 35, 315, 123},
}};
// clang-format on

// Ramp values shared by the red, green, blue and grey ramps.
constexpr std::array<std::uint8_t, 10> Ramp{238, 221, 187, 170, 136, 119, 85, 68, 34, 17};

Palette MakeRoomPalette() {
    Palette palette{};
    for (int i = 0; i < 215; ++i) {
        palette[i] = Rgb{static_cast<std::uint8_t>(255 - 51 * (i / 36)),
                         static_cast<std::uint8_t>(255 - 51 * ((i / 6) % 6)),
                         static_cast<std::uint8_t>(255 - 51 * (i % 6))};
    }
    for (int k = 0; k < 10; ++k) {
        const std::uint8_t v = Ramp[k];
        palette[215 + k] = Rgb{v, 0, 0};
        palette[225 + k] = Rgb{0, v, 0};
        palette[235 + k] = Rgb{0, 0, v};
        palette[245 + k] = Rgb{v, v, v};
    }
    palette[255] = Rgb{0, 0, 0};
    return palette;
}

} // namespace

const SlotEntry& SlotCatalogue(PartSlot slot) {
    return Catalogue.at(slot);
}

const PlacementRectTable& BuiltInPlacementRects() {
    return Placements;
}

const Palette& RoomPalette() {
    static const Palette palette = MakeRoomPalette();
    return palette;
}

} // namespace tessaly
