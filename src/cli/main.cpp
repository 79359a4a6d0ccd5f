#include "cli/clitool.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    tessaly::cli::Output out;
    tessaly::cli::Output err;
    const int status =
        tessaly::cli::RunTool(std::vector<std::string>(argv + 1, argv + argc), out, err);
    std::fwrite(out.Text().data(), 1, out.Text().size(), stdout);
    std::fwrite(err.Text().data(), 1, err.Text().size(), stderr);
    return status;
}
