// The language-file readers on any bytes: the lines are the text with its breaks taken
// out, and the font face name and language code taken from any line stay in bounds.

#include "core/i18n/languagefile.h"
#include "fuzzsupport.h"

#include <string_view>

namespace tessaly {
namespace {

struct Expected {
    std::string text; // the bytes before the first NUL, CR and LF left out
    std::size_t lines = 0;
};

// One line per break (CR LF counts once), and one for text after the last break.
Expected ExpectedLines(std::span<const std::uint8_t> bytes) {
    Expected expected;
    bool open = false;
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != 0; ++i) {
        const bool isBreak = bytes[i] == '\r' || bytes[i] == '\n';
        if (!isBreak) {
            expected.text.push_back(static_cast<char>(bytes[i]));
        } else if (!(bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r')) {
            ++expected.lines;
        }
        open = !isBreak;
    }
    expected.lines += open ? 1 : 0;
    return expected;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void CheckFontFace(const std::string& line) {
    const std::string face = FontFaceName(line);
    Require(face.size() <= 31, "a font face name has at most 31 bytes");
    Require(line.starts_with(face), "a font face name is the start of its line");
    Require(face.size() == line.size() || face.empty() || !IsContinuationByte(line[face.size()]),
            "a font face name is not cut inside a UTF-8 sequence");
    Require(line.size() > 31 || face == line, "a short line is its own font face name");
}

void CheckLanguageCode(const std::string& line) {
    const std::string code = LanguageCodeOf(line);
    Require(code.size() <= 2, "a language code has at most two bytes");
    Require(code.find(' ') == std::string::npos && line.find(code) != std::string::npos,
            "a language code is a part of its line without spaces");
}

} // namespace
} // namespace tessaly

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaly;
    const std::span<const std::uint8_t> bytes(data, size);
    const std::vector<std::string> lines = SplitLanguageText(bytes);
    const Expected expected = ExpectedLines(bytes);
    Require(lines.size() == expected.lines, "one line per break");
    std::string joined;
    for (const std::string& line : lines) {
        Require(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
                "no line holds CR, LF or NUL");
        joined += line;
        CheckFontFace(line);
        CheckLanguageCode(line);
    }
    Require(joined == expected.text, "the lines keep every byte but the breaks");
    return 0;
}
