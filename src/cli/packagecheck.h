#pragma once

#include "cli/clitool.h"

#include <string>
#include <vector>

namespace tessaly::cli {

extern const char* const CheckUsage;

// check PKG.pac: prints every problem and warning, one a line; exit 0 clean (warnings
// allowed), 1 problems found.
int RunCheck(const std::vector<std::string>& words, Output& out, Output& err);

} // namespace tessaly::cli
