#include "core/i18n/languagelines.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

// An added line after the two base lines of a small list: the set's text when it has the
// line and it is not empty, else the fallback.
TEST(AddedLines, FallBackWhenMissingOrEmpty) {
    constexpr AddedLine Added{2, "Built-in text"};
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "Built-in text"},
        {{"base 0", "base 1"}, "Built-in text"},                        // a set made before it
        {{"base 0", "base 1", ""}, "Built-in text"},                    // ends with an empty line
        {{"base 0", "base 1", "Eigener Text"}, "Eigener Text"},         // the set's own
        {{"base 0", "base 1", " "}, " "},                               // nothing is trimmed
        {{"base 0", "base 1", "Eigener Text", "more"}, "Eigener Text"}, // later lines ignored
    };
    for (const auto& [lines, expected] : cases) {
        EXPECT_EQ(AddedLineText(TextList(lines), Added), expected) << lines.size();
    }
}

} // namespace
} // namespace tessaly
