#include <cstring>
#include <iostream>

namespace {

constexpr const char* Usage = R"(usage: tessaly-pac COMMAND ...

Works on Tessaly room packages (.pac) in batch.

  --help       show this text
  --version    show the version
)";

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "tessaly-pac 1.60\n";
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << Usage;
        return 0;
    }
    std::cerr << Usage;
    return 2;
}
