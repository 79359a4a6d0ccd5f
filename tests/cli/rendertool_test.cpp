#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
#include "core/preview/contactsheet.h"
#include "core/preview/roomcomposition.h"
#include "support/scratchfolder.h"
#include "support/slotset.h"
#include "support/toolrun.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tessaly {
namespace {

using test::Tool;

class RenderToolTest : public testing::Test {
  protected:
    RenderToolTest() { EXPECT_EQ(Tool({"new", File("room.pac")}).status, 0); }
    std::string File(const std::string& name) const { return folder.File(name); }
    test::ScratchFolder folder;
};

TEST_F(RenderToolTest, BmpIsTheExactPreviewOfTheState) {
    ASSERT_EQ(Tool({"render", File("room.pac"), File("p.bmp"), "--night", "--door", "half", "--box",
                    "open", "--bed", "sleeping", "--letters"})
                  .status,
              0);
    const SlotPicture expected =
        test::BuiltInSlots().Compose({true, DoorState::HalfOpen, true, true, true});
    EXPECT_EQ(ReadBmpFile(File("p.bmp")), expected);
}

TEST_F(RenderToolTest, JpegAndEveryStateWithASheet) {
    ASSERT_EQ(Tool({"render", File("room.pac"), File("p.jpg")}).status, 0);
    const Bytes jpeg = ReadWholeFile(File("p.jpg"));
    ASSERT_GT(jpeg.size(), 2u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    ASSERT_EQ(
        Tool({"render-all", File("room.pac"), File("all"), "--sheet", File("sheet.jpg")}).status,
        0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(File("all")), {}), 48);
    for (const PreviewState& state : AllPreviewStates()) {
        EXPECT_TRUE(std::filesystem::exists(File("all/" + StateName(state) + ".jpg")))
            << StateName(state);
    }
    EXPECT_TRUE(std::filesystem::exists(File("sheet.jpg")));
}

TEST_F(RenderToolTest, BadArgumentsWriteNothing) {
    EXPECT_EQ(Tool({"render", File("room.pac"), File("p.png")}).status, 2);
    const test::ToolRun ajar = Tool({"render", File("room.pac"), File("p.jpg"), "--door", "ajar"});
    EXPECT_EQ(ajar.status, 2);
    EXPECT_EQ(ajar.err, "tessaly-pac: --door: takes one of: closed, half, open\n");
    EXPECT_EQ(Tool({"render", File("missing.pac"), File("p.jpg")}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(File("p.jpg")));
}

TEST(PreviewStates, FortyEightDistinctNames) {
    std::set<std::string> names;
    for (const PreviewState& state : AllPreviewStates()) {
        names.insert(StateName(state));
    }
    EXPECT_EQ(names.size(), 48u);
    EXPECT_TRUE(names.contains("night_door-half_box-open_bed-sleeping_letters"));
}

TEST(ContactSheet, HoldsEveryCellWithItsLabel) {
    ContactSheet contactSheet(9);
    SlotPicture first = BlankPreview();
    first.Set(0, 0, BlackIndex); // the top-left 2x2 block: black, white, red 238, white
    first.Set(0, 1, 215);
    contactSheet.Add({}, first);
    for (int i = 1; i < 8; ++i) {
        contactSheet.Add({}, BlankPreview());
    }
    SlotPicture black = BlankPreview();
    std::fill(black.pixels.begin(), black.pixels.end(), BlackIndex);
    contactSheet.Add({}, black);
    const RgbImage& sheet = contactSheet.Image();
    EXPECT_EQ(sheet.At(6, 6), (Rgb{(255 + 255 + 238) / 4, 255 / 2, 255 / 2})); // the mean
    EXPECT_EQ(sheet.width, 6 + 8 * 166);
    EXPECT_GT(sheet.height, 2 * 120);
    EXPECT_EQ(sheet.At(6 + 10, 6 + 10), (Rgb{255, 255, 255})); // first thumbnail, white
    const int secondRow = sheet.height / 2 + 10;
    EXPECT_EQ(sheet.At(6 + 10, secondRow), (Rgb{0, 0, 0})) << secondRow; // ninth, black
    int ink = 0;
    for (int y = 6 + 124; y < 6 + 124 + 9; ++y) {
        for (int x = 6; x < 166; ++x) {
            ink += sheet.At(x, y) == Rgb{32, 32, 32};
        }
    }
    EXPECT_GT(ink, 50); // "day, door closed"
}

} // namespace
} // namespace tessaly
