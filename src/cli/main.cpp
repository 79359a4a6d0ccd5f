#include "cli/clitool.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    tessaly::cli::Output out;
    tessaly::cli::Output err;
    int status = tessaly::cli::RunTool(std::vector<std::string>(argv + 1, argv + argc), out, err);
    std::fwrite(out.Text().data(), 1, out.Text().size(), stdout);
    // What a command printed counts only when it reached standard output: a full disk or a
    // closed file there is bad output, not success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        err << "tessaly-pac: standard output: cannot be written\n";
        status = 2;
    }
    std::fwrite(err.Text().data(), 1, err.Text().size(), stderr);
    return status;
}
