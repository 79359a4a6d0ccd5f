#include "core/i18n/languagelines.h"

namespace tessaly {

std::string AddedLineText(const TextList& list, const AddedLine& line) {
    const bool present = line.index >= 0 && static_cast<std::size_t>(line.index) < list.Count();
    if (present && !list.Lines()[static_cast<std::size_t>(line.index)].empty()) {
        return list.Lines()[static_cast<std::size_t>(line.index)];
    }
    return std::string(line.fallback);
}

std::string FillLine(std::string line, const std::string& value) {
    const std::size_t at = line.find("%s");
    return at == std::string::npos ? line : line.replace(at, 2, value);
}

} // namespace tessaly
