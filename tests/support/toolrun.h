#pragma once

#include "cli/clitool.h"

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
    cli::Output out;
    cli::Output err;
    const int status = cli::RunTool(words, out, err);
    return {status, out.Text(), err.Text()};
}

} // namespace tessaly::test
