#include "core/art/builtinpictures.h"
#include "core/preview/contactsheet.h"
#include "core/preview/roomcomposition.h"
#include "support/slotset.h"

#include <gtest/gtest.h>
#include <random>

namespace tessaly {
namespace {

std::vector<Rgb> RoomTable() {
    return {RoomPalette().begin(), RoomPalette().end()};
}

SlotPicture Flat(int width, int height, std::uint8_t index) {
    SlotPicture picture = SlotPicture::Blank(width, height, 8, RoomTable());
    std::fill(picture.pixels.begin(), picture.pixels.end(), index);
    return picture;
}

SlotPicture Mask(int width, int height, bool white) {
    SlotPicture mask = SlotPicture::Blank(width, height, 1, MaskColourTable());
    std::fill(mask.pixels.begin(), mask.pixels.end(), white ? 1 : 0);
    return mask;
}

TEST(DrawMaskedPart, PerPixelRule) {
    struct Case {
        bool maskWhite;
        std::uint8_t picture;
        std::uint8_t below;
        std::uint8_t result;
    };
    const Case cases[] = {
        {false, 255, 37, 255},   {false, 0, 37, 0}, {false, 100, 37, 100}, // black mask: picture
        {true, 255, 37, 37},     {true, 0, 37, 0},  {true, 100, 37, 100 & 37}, {true, 255, 0, 0},
        {true, 7, 200, 7 & 200},
    };
    for (const Case& c : cases) {
        SlotPicture preview = BlankPreview();
        preview.Set(5, 6, c.below);
        DrawMaskedPart(preview, {5, 6, 5, 6}, Mask(1, 1, c.maskWhite), Flat(1, 1, c.picture), 1, 1);
        EXPECT_EQ(preview.At(5, 6), c.result)
            << c.maskWhite << " " << int(c.picture) << " " << int(c.below);
    }
}

TEST(DrawMaskedPart, MaskTableOrderDoesNotMatter) {
    SlotPicture swapped = Mask(1, 1, false);
    swapped.colourTable = {Rgb{255, 255, 255}, Rgb{0, 0, 0}}; // index 0 is now white
    SlotPicture preview = BlankPreview();
    preview.Set(0, 0, 37);
    DrawMaskedPart(preview, {0, 0, 0, 0}, swapped, Flat(1, 1, 255), 1, 1);
    EXPECT_EQ(preview.At(0, 0), 37); // white mask, black picture: see-through
}

TEST(DrawMaskedPart, ForeignColoursMapToTheNearestEntry) {
    EXPECT_EQ(NearestRoomIndex({255, 255, 255}), 0);
    EXPECT_EQ(NearestRoomIndex({0, 0, 0}), 255);
    EXPECT_EQ(NearestRoomIndex({250, 250, 250}), 0);
    EXPECT_EQ(NearestRoomIndex({1, 2, 1}), 255);
    EXPECT_EQ(NearestRoomIndex({240, 1, 0}), 215); // the first red of the ramp
    EXPECT_EQ(NearestRoomIndex({0, 0, 52}), 214);
    SlotPicture own = SlotPicture::Blank(2, 1, 8, {Rgb{240, 1, 0}, Rgb{0, 0, 52}});
    own.Set(1, 0, 1);
    SlotPicture preview = BlankPreview();
    DrawMaskedPart(preview, {0, 0, 1, 0}, Mask(2, 1, false), own, 2, 1);
    EXPECT_EQ(preview.At(0, 0), 215);
    EXPECT_EQ(preview.At(1, 0), 214);
}

TEST(DrawMaskedPart, ASmallerPictureLeavesTheRestAsItWas) {
    SlotPicture preview = BlankPreview();
    std::fill(preview.pixels.begin(), preview.pixels.end(), 99);
    DrawMaskedPart(preview, {10, 10, 19, 19}, Mask(4, 10, false), Flat(10, 3, 7), 10, 10);
    EXPECT_EQ(preview.At(10, 10), 7);  // picture and mask both there
    EXPECT_EQ(preview.At(15, 10), 99); // past the mask's 4 columns: see-through
    EXPECT_EQ(preview.At(10, 15), 99); // past the picture's 3 rows: see-through
    EXPECT_EQ(preview.At(9, 10), 99);  // outside the target
}

TEST(DrawMaskedPart, BubbleIsNarrowedTo73Columns) {
    SlotPicture bubble = Flat(82, 71, 0);
    for (int y = 0; y < 71; ++y) {
        for (int x = 0; x < 82; ++x) {
            bubble.Set(x, y, static_cast<std::uint8_t>(x + 1));
        }
    }
    SlotPicture preview = BlankPreview();
    std::fill(preview.pixels.begin(), preview.pixels.end(), 255);
    DrawMaskedPart(preview, BuiltInPlacementRects()[Slot::Bubble], Mask(82, 71, false), bubble, 82,
                   71);
    EXPECT_EQ(preview.At(246, 150), 255);
    EXPECT_EQ(preview.At(247, 150), 1);      // source column 0
    EXPECT_EQ(preview.At(319, 150), 80 + 1); // source column 72 * 82 / 73 = 80
    for (int x = 248; x <= 319; ++x) {
        EXPECT_GT(preview.At(x, 150), preview.At(x - 1, 150)) << x;
    }
}

// Slots that show which layer was drawn: every picture flat in its own index, masks all
// black; the room see-through everywhere (mask white, picture black), so that the views
// under it show.
class LayerTest : public testing::Test {
  protected:
    LayerTest() {
        for (PartSlot slot = 0; slot < SlotCount; ++slot) {
            const SlotEntry& entry = SlotCatalogue(slot);
            pictures[slot] = IsMaskSlot(slot) ? Mask(entry.width, entry.height, false)
                                              : Flat(entry.width, entry.height, Index(slot));
        }
        pictures[Slot::Room] = Flat(320, 240, 255);
        pictures[MaskOf(Slot::Room)] = Mask(320, 240, true);
    }
    static std::uint8_t Index(PartSlot slot) { return static_cast<std::uint8_t>(10 + slot); }
    SlotPicture Compose(const PreviewState& state) const { return set.Compose(state); }

    test::SlotSet set;
    std::array<SlotPicture, SlotCount>& pictures = set.pictures;
};

TEST_F(LayerTest, EachStateDrawsItsSlots) {
    struct Case {
        PreviewState state;
        std::vector<PartSlot> shown;
        std::vector<PartSlot> hidden;
    };
    const PreviewState night{true};
    const PreviewState openEverything{false, DoorState::Open, true, true, true};
    const PreviewState halfDoor{false, DoorState::HalfOpen};
    using namespace Slot;
    const Case cases[] = {
        {{}, {WinDay, DoorDay, DoorClose, Bed, TBox}, {Letter1, Bubble}},
        {night, {WinNight, DoorNight}, {WinDay, DoorDay}},
        {openEverything, {DoorOpen, BedSleeping, TBoxOpen, Letter1, Letter2, Letter3, Bubble}, {}},
        {halfDoor, {DoorHalf}, {}},
    };
    // A pixel of each part's place that no later layer covers.
    const std::map<PartSlot, std::pair<int, int>> probe{
        {WinDay, {80, 1}},      {WinNight, {80, 1}},    {DoorDay, {310, 40}},
        {DoorNight, {310, 40}}, {DoorClose, {215, 46}}, {DoorHalf, {215, 46}},
        {DoorOpen, {215, 46}},  {Bed, {107, 55}},       {BedSleeping, {107, 55}},
        {TBox, {53, 77}},       {TBoxOpen, {53, 77}},   {Letter1, {11, 184}},
        {Letter2, {160, 132}},  {Letter3, {283, 96}},   {Bubble, {300, 200}},
    };
    for (const Case& c : cases) {
        const SlotPicture preview = Compose(c.state);
        for (bool shown : {true, false}) {
            for (PartSlot slot : shown ? c.shown : c.hidden) {
                const auto [x, y] = probe.at(slot);
                EXPECT_EQ(preview.At(x, y) == Index(slot), shown) << "slot " << slot;
            }
        }
    }
}

TEST_F(LayerTest, NightUsesTheDayMasksAndNeverDrawsTheConnectingView) {
    const SlotPicture before = Compose({true, DoorState::Open, true, true, true});
    pictures[MaskOf(Slot::WinNight)] = Mask(55, 83, true);
    pictures[MaskOf(Slot::DoorNight)] = Mask(80, 89, true);
    pictures[Slot::WinIO] = Flat(55, 83, 3);
    pictures[MaskOf(Slot::WinIO)] = Mask(55, 83, true);
    EXPECT_EQ(Compose({true, DoorState::Open, true, true, true}), before);
    pictures[MaskOf(Slot::WinDay)] = Mask(55, 83, true); // the day mask is used by night as well
    EXPECT_NE(Compose({true, DoorState::Open, true, true, true}), before);
}

TEST_F(LayerTest, SeeThroughRoomWithNoViewBelowEndsWhite) {
    EXPECT_EQ(Compose({}).At(20, 20), WhiteIndex);
}

TEST(Composition, BuiltInRoomHidesTheViewsAndPartsCoverTheirPlaces) {
    const test::SlotSet set = test::BuiltInSlots();
    const SlotPicture preview = set.Compose({true});
    const auto& pictures = set.pictures;
    const SlotPicture& room = pictures[Slot::Room];
    EXPECT_EQ(preview.At(100, 40), room.At(100, 40));   // the window, hidden by the room
    EXPECT_EQ(preview.At(300, 100), room.At(300, 100)); // the door view, likewise
    const PlacementRect table = BuiltInPlacementRects()[Slot::Table];
    for (int y = table.top; y <= table.bottom; ++y) {
        EXPECT_EQ(preview.At(table.left + 2, y), pictures[Slot::Table].At(2, y - table.top)) << y;
    }
}

// The composition as first written, kept as the oracle: the colour maps made for every
// layer, the source pixel found by a division and checked against both pictures for
// every target pixel.
namespace reference {

IndexMap MapOf(const std::vector<Rgb>& colourTable) {
    IndexMap map;
    map.fill(BlackIndex);
    for (std::size_t i = 0; i < std::min<std::size_t>(colourTable.size(), 256); ++i) {
        map[i] = NearestRoomIndex(colourTable[i]);
    }
    return map;
}

void DrawLayer(SlotPicture& preview, const PlacementRect& target, const SlotPicture& mask,
               const SlotPicture& picture, int sourceWidth, int sourceHeight) {
    const int targetWidth = target.right - target.left + 1;
    const int targetHeight = target.bottom - target.top + 1;
    const IndexMap maskMap = MapOf(mask.colourTable);
    const IndexMap pictureMap = MapOf(picture.colourTable);
    for (int y = std::max(target.top, 0); y <= std::min(target.bottom, preview.height - 1); ++y) {
        const int sy = (y - target.top) * sourceHeight / targetHeight;
        for (int x = std::max(target.left, 0); x <= std::min(target.right, preview.width - 1);
             ++x) {
            const int sx = (x - target.left) * sourceWidth / targetWidth;
            if (sx < mask.width && sy < mask.height && sx < picture.width && sy < picture.height) {
                const int m = maskMap[mask.At(sx, sy)];
                const int p = pictureMap[picture.At(sx, sy)];
                preview.Set(x, y, static_cast<std::uint8_t>((preview.At(x, y) | m) & p));
            }
        }
    }
}

SlotPicture Compose(const std::array<SlotPicture, SlotCount>& slots, const PreviewState& s) {
    struct Layer {
        PartSlot picture;
        PartSlot mask;
        PartSlot place;
    };
    using namespace Slot;
    const PartSlot box = s.boxOpen ? TBoxOpen : TBox;
    const PartSlot bed = s.bedSleeping ? BedSleeping : Bed;
    const PartSlot door = s.door == DoorState::Open       ? DoorOpen
                          : s.door == DoorState::HalfOpen ? DoorHalf
                                                          : DoorClose;
    std::vector<Layer> layers{{s.night ? WinNight : WinDay, MaskOf(WinDay), WinDay},
                              {s.night ? DoorNight : DoorDay, MaskOf(DoorDay), DoorDay},
                              {Room, MaskOf(Room), Room},
                              {Post, MaskOf(Post), Post},
                              {Bath, MaskOf(Bath), Bath},
                              {Table, MaskOf(Table), Table},
                              {box, MaskOf(box), TBox},
                              {bed, MaskOf(bed), Bed},
                              {door, MaskOf(door), DoorClose}};
    if (s.lettersAndBubble) {
        for (PartSlot part : {Letter1, Letter2, Letter3, Bubble}) {
            layers.push_back({part, MaskOf(part), part});
        }
    }
    SlotPicture preview = BlankPreview();
    for (const Layer& layer : layers) {
        const PlacementRect target = layer.place == Room
                                         ? PlacementRect{0, 0, RoomWidth - 1, RoomHeight - 1}
                                         : BuiltInPlacementRects()[layer.place];
        const SlotEntry& size = SlotCatalogue(layer.picture);
        DrawLayer(preview, target, slots[layer.mask], slots[layer.picture], size.width,
                  size.height);
    }
    return preview;
}

} // namespace reference

// Rooms of random pictures: sizes smaller, equal to and larger than the built-in ones,
// 1-bit and 8-bit, colour tables that are RoomPalette, a part of it, foreign colours or
// a two-entry table in either order, and pixels past the end of a short table.
class RandomRoom {
  public:
    explicit RandomRoom(unsigned seed) : random_(seed) {}

    std::array<SlotPicture, SlotCount> Make() {
        std::array<SlotPicture, SlotCount> slots;
        for (PartSlot slot = 0; slot < SlotCount; ++slot) {
            const SlotEntry& entry = SlotCatalogue(slot);
            const bool oneBit = Below(3) == 0;
            SlotPicture& p = slots[slot];
            p = SlotPicture::Blank(Side(entry.width), Side(entry.height), oneBit ? 1 : 8,
                                   oneBit ? TwoColours() : Table());
            const int values = oneBit ? 2 : 256;
            const int shade = Below(values); // a run of one value now and then, as masks have
            for (std::uint8_t& pixel : p.pixels) {
                pixel = static_cast<std::uint8_t>(Below(4) == 0 ? shade : Below(values));
            }
        }
        return slots;
    }

  private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int Side(int builtIn) {
        const int choices[] = {builtIn, builtIn, builtIn - 1 - Below(builtIn / 2 + 1),
                               builtIn + 1 + Below(9)};
        return std::max(1, choices[Below(4)]);
    }
    std::vector<Rgb> TwoColours() {
        return Below(2) ? MaskColourTable() : std::vector<Rgb>{{255, 255, 255}, {0, 0, 0}};
    }
    Rgb AnyColour() {
        return {static_cast<std::uint8_t>(Below(256)), static_cast<std::uint8_t>(Below(256)),
                static_cast<std::uint8_t>(Below(256))};
    }
    std::vector<Rgb> Table() {
        std::vector<Rgb> table(RoomPalette().begin(), RoomPalette().end());
        switch (Below(4)) {
        case 0:
            return table;
        case 1:
            table.resize(static_cast<std::size_t>(1 + Below(255)));
            return table;
        case 2:
            for (Rgb& colour : table) {
                colour = AnyColour();
            }
            return table;
        default:
            table.resize(static_cast<std::size_t>(1 + Below(256)));
            for (std::size_t i = 0; i < table.size(); i += 1 + Below(3)) {
                table[i] = AnyColour();
            }
            return table;
        }
    }

    std::mt19937 random_;
};

// Both ways of holding the slots: pictures read where they lie, and pictures handed over
// (as tessaly-pac decodes them), each kept over all states as render-all keeps them.
TEST(Composition, EqualsTheReferenceInEveryStateOfRandomRooms) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        test::SlotSet set;
        set.pictures = RandomRoom(seed).Make();
        RoomSlots borrowed = set.Slots();
        RoomSlots taken = RoomSlots::Taking([&](PartSlot slot) { return set.pictures[slot]; },
                                            BuiltInPlacementRects());
        SlotPicture preview = BlankPreview();
        for (const PreviewState& state : AllPreviewStates()) {
            const SlotPicture expected = reference::Compose(set.pictures, state);
            for (RoomSlots* slots : {&borrowed, &taken}) {
                ComposeRoom(preview, *slots, state);
                ASSERT_EQ(preview, expected) << "seed " << seed << ", " << StateName(state)
                                             << (slots == &taken ? ", taken" : ", borrowed");
            }
        }
    }
}

TEST(Composition, BuiltInRoomEqualsTheReferenceInEveryState) {
    const test::SlotSet set = test::BuiltInSlots();
    RoomSlots slots = set.Slots();
    SlotPicture preview = BlankPreview();
    for (const PreviewState& state : AllPreviewStates()) {
        ComposeRoom(preview, slots, state);
        ASSERT_EQ(preview, reference::Compose(set.pictures, state)) << StateName(state);
    }
}

} // namespace
} // namespace tessaly
