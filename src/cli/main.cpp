#include "cli/clitool.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return tessaly::cli::RunTool(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                 std::cerr);
}
