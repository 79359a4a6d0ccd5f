#include "support/scratchfolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace tessaly::test {

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaly-test-XXXXXX");
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
