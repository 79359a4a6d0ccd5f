#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "core/i18n/languagefile.h"
#include "support/scratchfolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string_view>

namespace tessaly {
namespace {

std::vector<std::string> Split(std::string_view text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return SplitLanguageText({bytes, text.size()});
}

using Lines = std::vector<std::string>;

TEST(LanguageFile, SplitsIntoLines) {
    const std::pair<std::string_view, Lines> cases[] = {
        {"a\r\nb\r\nc", {"a", "b", "c"}},
        {"a\nb\nc", {"a", "b", "c"}},
        {"a\rb\rc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"", {}},
        {"\n", {""}},
        {" x\t \r\n\r\ny ", {" x\t ", "", "y "}},
        {std::string_view("a\nb\0c\nd", 7), {"a", "b"}},
        {std::string_view("\0a", 2), {}},
        {"\xEF\xBB\xBFmenu", {"\xEF\xBB\xBFmenu"}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(Split(text), lines) << testing::PrintToString(std::string(text));
    }
}

TEST(LanguageFile, MissingLineRaisesTheIndexText) {
    const TextList list(Lines{"zero", "one"});
    EXPECT_EQ(list.Line(1), "one");
    for (long index : {2L, -1L}) {
        try {
            list.Line(index);
            ADD_FAILURE() << index;
        } catch (const PlatformError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "リストのインデックスが範囲を超えています (" + std::to_string(index) + ")");
        }
    }
}

TEST(LanguageFile, LoadsByLanguageCode) {
    test::ScratchFolder folder;
    const std::string path = LanguageFilePath(folder.Path(), "labels", "xx");
    EXPECT_EQ(path, folder.Path() + "/ltexts/labels.xx");
    EXPECT_THROW(LoadTextList(path), PlatformError);
    std::filesystem::create_directory(folder.File("ltexts"));
    WriteWholeFile(path, Bytes{'a', '\r', '\n', 'b'});
    EXPECT_EQ(LoadTextList(path).Lines(), (Lines{"a", "b"}));
}

TEST(LanguageList, CodeFollowsTheLastSpace) {
    const std::pair<const char*, const char*> cases[] = {
        {"English en", "en"},
        {"Deutsch deutsch", "de"},
        {"xy", "xy"},
        {"nospace", "no"},
        {"Brazilian Portuguese pt", "pt"},
        {"ends in a space ", ""},
        {"", ""},
        {"one x", "x"},
    };
    for (const auto& [line, code] : cases) {
        EXPECT_EQ(LanguageCodeOf(line), code) << line;
    }
}

TEST(LanguageFile, FontFaceNamesAreCutTo31Bytes) {
    EXPECT_EQ(FontFaceName("Sans Serif"), "Sans Serif");
    EXPECT_EQ(FontFaceName(std::string(40, 'F')), std::string(31, 'F'));
    // 10 three-byte characters: the cut falls inside the 11th byte triple, which goes.
    std::string japanese;
    for (int i = 0; i < 12; ++i) {
        japanese += "\xE3\x81\x82";
    }
    EXPECT_EQ(FontFaceName(japanese), japanese.substr(0, 30));
}

} // namespace
} // namespace tessaly
