#pragma once

#include "cli/clitool.h"

#include <sstream>
#include <string>
#include <vector>

namespace tessaly::test {

// What one run of tessaly-pac gave.
struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// Runs tessaly-pac in-process with the words after the program name. The test program
// lies beside the data files, as tessaly-pac does.
inline ToolRun Tool(const std::vector<std::string>& words) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunTool(words, out, err);
    return {status, out.str(), err.str()};
}

} // namespace tessaly::test
