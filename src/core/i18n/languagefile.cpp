#include "core/i18n/languagefile.h"

#include "core/base/datafiles.h"
#include "core/base/paths.h"
#include "core/base/platformerror.h"
#include "core/base/wholefile.h"

#include <algorithm>

namespace tessaly {
namespace {

constexpr std::size_t MaxFontFaceBytes = 31;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::vector<std::string> SplitLanguageText(std::span<const std::uint8_t> bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    std::vector<std::string> lines;
    std::string line;
    bool open = false; // a line has begun that no break has ended yet
    for (auto it = bytes.begin(); it != end; ++it) {
        if (*it == '\r' || *it == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            if (*it == '\r' && it + 1 != end && it[1] == '\n') {
                ++it;
            }
            continue;
        }
        line.push_back(static_cast<char>(*it));
        open = true;
    }
    if (open) {
        lines.push_back(std::move(line));
    }
    return lines;
}

const std::string& TextList::Line(long index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= lines_.size()) {
        throw PlatformError(PlatformError::Kind::ListIndex, std::to_string(index));
    }
    return lines_[static_cast<std::size_t>(index)];
}

TextList LoadTextList(const std::string& path) {
    return TextList(SplitLanguageText(ReadWholeFile(path, MaxLanguageFileBytes)));
}

std::string LanguageFilePath(const std::string& programDir, const std::string& stem,
                             const std::string& languageCode) {
    return JoinPath(DataFilePath(programDir, LanguageFolderName), stem + "." + languageCode);
}

std::string LanguageCodeOf(const std::string& line) {
    const std::size_t space = line.rfind(' ');
    const std::size_t start = space == std::string::npos ? 0 : space + 1;
    return line.substr(start, 2);
}

std::string FontFaceName(const std::string& line) {
    if (line.size() <= MaxFontFaceBytes) {
        return line;
    }
    std::size_t cut = MaxFontFaceBytes;
    while (cut > 0 && IsContinuationByte(line[cut])) {
        --cut;
    }
    return line.substr(0, cut);
}

} // namespace tessaly
