#include "core/base/wholefile.h"
#include "support/packagebytes.h"
#include "support/scratchfolder.h"
#include "support/toolrun.h"
#include "tessaly/version.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tessaly {
namespace {

using test::Tool;
using test::ToolRun;

class PackageToolTest : public testing::Test {
  protected:
    std::string File(const std::string& name) const { return folder.File(name); }
    test::ScratchFolder folder;
};

TEST_F(PackageToolTest, NewUnpackPackGivesTheSameBytes) {
    ASSERT_EQ(Tool({"new", File("a.pac"), "--name", "Attic", "--comment", "two\r\nlines"}).status,
              0);
    const Bytes made = ReadWholeFile(File("a.pac"));
    EXPECT_EQ(made, test::BuiltInPackage({"Attic", "two\r\nlines", ""}));
    ASSERT_EQ(Tool({"unpack", File("a.pac"), File("parts")}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(File("parts/24-RoomMask.bmp")));
    EXPECT_EQ(ReadWholeFile(File("parts/name.txt")), (Bytes{'A', 't', 't', 'i', 'c'}));
    ASSERT_EQ(Tool({"pack", File("parts"), File("b.pac")}).status, 0);
    EXPECT_EQ(ReadWholeFile(File("b.pac")), made);
}

TEST_F(PackageToolTest, CheckExitStatusTellsCleanBrokenAndUnreadable) {
    ASSERT_EQ(Tool({"new", File("a.pac")}).status, 0);
    const ToolRun clean = Tool({"check", File("a.pac")});
    EXPECT_EQ(clean.status, 0) << clean.out;
    Bytes broken = ReadWholeFile(File("a.pac"));
    broken.resize(broken.size() - 10);
    WriteWholeFile(File("broken.pac"), broken);
    const ToolRun problems = Tool({"check", File("broken.pac")});
    EXPECT_EQ(problems.status, 1);
    EXPECT_NE(problems.out.find("problem: "), std::string::npos);
    const ToolRun unreadable = Tool({"check", File("missing.pac")});
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_EQ(unreadable.err, "tessaly-pac: " + File("missing.pac") + ": cannot be opened\n");
}

TEST_F(PackageToolTest, BadInputWritesNothing) {
    ASSERT_EQ(Tool({"new", File("a.pac")}).status, 0);
    ASSERT_EQ(Tool({"unpack", File("a.pac"), File("parts")}).status, 0);
    std::filesystem::remove(File("parts/13-PostImage.bmp"));
    const ToolRun pack = Tool({"pack", File("parts"), File("b.pac")});
    EXPECT_EQ(pack.status, 2);
    EXPECT_EQ(pack.err, "tessaly-pac: " + File("parts/13-PostImage.bmp") + ": cannot be opened\n");
    EXPECT_FALSE(std::filesystem::exists(File("b.pac")));

    WriteWholeFile(File("parts/13-PostImage.bmp"), Bytes{'B', 'M', 1});
    EXPECT_EQ(Tool({"pack", File("parts"), File("b.pac")}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(File("b.pac")));

    const ToolRun longName = Tool({"new", File("c.pac"), "--name", std::string(128, 'n')});
    EXPECT_EQ(longName.status, 2);
    EXPECT_FALSE(std::filesystem::exists(File("c.pac")));

    const ToolRun unwritable = Tool({"new", File("no/such/folder/d.pac")});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_EQ(unwritable.err,
              "tessaly-pac: " + File("no/such/folder/d.pac") + ": cannot be written\n");

    Bytes cut = ReadWholeFile(File("a.pac"));
    cut.resize(150000);
    WriteWholeFile(File("cut.pac"), cut);
    EXPECT_EQ(Tool({"unpack", File("cut.pac"), File("out")}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(File("out")));
}

TEST_F(PackageToolTest, InfoListsTextsAndSlots) {
    ASSERT_EQ(Tool({"new", File("a.pac"), "--name", "Caf\xC3\xA9 \"1\""}).status, 0);
    const ToolRun text = Tool({"info", File("a.pac")});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("name:      \"Caf\xC3\xA9 \\\"1\\\"\""), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("04    RoomImage          320x240   8    256      77878"),
              std::string::npos)
        << text.out;
    const ToolRun json = Tool({"info", File("a.pac"), "--json"});
    EXPECT_EQ(json.out.rfind("{\"name\": \"Caf\xC3\xA9 \\\"1\\\"\"", 0), 0u) << json.out;
    EXPECT_NE(json.out.find("{\"slot\": 39, \"component\": \"DoorNightMask\", \"width\": 80, "
                            "\"height\": 89, \"bitsPerPixel\": 1, \"colours\": 2, \"length\": "
                            "1130}]}"),
              std::string::npos);
}

TEST_F(PackageToolTest, UsageErrors) {
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"new"},
                                               {"info", "a", "b"},
                                               {"new", "x.pac", "--name"},
                                               {"info", "x.pac", "--colour"}}) {
        EXPECT_EQ(Tool(words).status, 2) << testing::PrintToString(words);
    }
    EXPECT_EQ(Tool({"--version"}).out, "tessaly-pac " + std::string(TessalyVersion) + "\n");
    EXPECT_EQ(Tool({"--help"}).status, 0);
    EXPECT_NE(Tool({"--help"}).out.find("tessaly-pac unpack PKG.pac DIR"), std::string::npos);
}

} // namespace
} // namespace tessaly
