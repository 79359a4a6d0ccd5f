#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessaly {

// Splits the bytes of a language file into lines. A line ends at CR, at LF, or at the
// pair CR LF (one break); LF CR is two breaks. A NUL byte ends the text. A final break
// adds no empty line, and nothing is trimmed. The bytes are kept as they are.
std::vector<std::string> SplitLanguageText(std::span<const std::uint8_t> bytes);

// An ordered list of text lines, addressed by 0-based index.
class TextList {
  public:
    TextList() = default;
    explicit TextList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // Line n; throws PlatformError with the list-index text when there is no line n.
    const std::string& Line(long index) const;
    std::size_t Count() const { return lines_.size(); }
    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;
};

// Reads a whole language file (or the language list) and splits it into lines.
// Throws PlatformError with the cannot-open text naming the path.
TextList LoadTextList(const std::string& path);

// "<programDir>/ltexts/<stem>.<languageCode>", the file of one list of a language set.
std::string LanguageFilePath(const std::string& programDir, const std::string& stem,
                             const std::string& languageCode);

// The language code of a line of the language list: up to two bytes after the line's
// last space, or its first two bytes when it has none (fewer where the line ends sooner).
std::string LanguageCodeOf(const std::string& line);

// A font face name as a language file gives it, cut to its first 31 bytes (never in the
// middle of a UTF-8 sequence).
std::string FontFaceName(const std::string& line);

} // namespace tessaly
