#include "support/scratchfolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace tessaly::test {

ScratchFolder::ScratchFolder() {
    // TMPDIR alone: tests set "TEMP" to folders of their own, which this must not follow.
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/tessaly-test-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot make a scratch folder");
    }
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace tessaly::test
