// Runs files through a fuzz target without libFuzzer: replay FOLDER_OR_FILE...
// Each folder's regular files go in name order. A failing property or a sanitizer
// report ends the run with the name of the file being replayed and a non-zero status.

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sanitizer/common_interface_defs.h>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace tessaly {
namespace {

namespace fs = std::filesystem;

std::string currentInput; // the file being replayed, for the failure message

void NameCurrentInput() {
    std::fprintf(stderr, "replay: failed on %s\n", currentInput.c_str());
}

extern "C" void OnAbort(int signal) {
    NameCurrentInput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::vector<std::uint8_t> ReadInput(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> InputsOf(const fs::path& place) {
    if (!fs::is_directory(place)) {
        return {place};
    }
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(place)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void Replay(const fs::path& file) {
    currentInput = file.string();
    const std::vector<std::uint8_t> bytes = ReadInput(file);
    // An exact heap block, as libFuzzer gives, so that a read past the end is reported.
    const auto copy = std::make_unique<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), copy.get());
    LLVMFuzzerTestOneInput(copy.get(), bytes.size());
}

} // namespace
} // namespace tessaly

int main(int argc, char** argv) {
    using namespace tessaly;
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER_OR_FILE...\n", argv[0]);
        return 2;
    }
    __sanitizer_set_death_callback(NameCurrentInput);
    std::signal(SIGABRT, OnAbort);
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::exists(argv[i])) {
            std::fprintf(stderr, "replay: %s does not exist\n", argv[i]);
            return 2;
        }
        for (const fs::path& file : InputsOf(argv[i])) {
            Replay(file);
            ++count;
        }
    }
    std::printf("%s: replayed %zu inputs\n", fs::path(argv[0]).filename().c_str(), count);
    return 0;
}
