#include "cli/clitool.h"

#include "core/base/paths.h"
#include "core/base/platformerror.h"
#include "core/bitmap/bmpcodec.h"
#include "core/slots/catalogue.h"

#include <cstdio>
#include <unistd.h>

namespace tessaly::cli {

std::optional<std::string> Arguments::Value(const std::string& option) const {
    const auto found = values.find(option);
    return found == values.end() ? std::nullopt : std::optional(found->second);
}

Arguments ParseArguments(const std::vector<std::string>& words,
                         const std::set<std::string>& valueOptions,
                         const std::set<std::string>& flagOptions) {
    Arguments arguments;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.rfind("--", 0) != 0) {
            arguments.positional.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (flagOptions.contains(word)) {
            arguments.flags.insert(word);
        } else if (valueOptions.contains(word) && i + 1 < words.size()) {
            arguments.values[word] = words[++i];
        } else {
            throw Failure(word, valueOptions.contains(word) ? "needs a value" : "unknown option");
        }
    }
    return arguments;
}

std::string ProgramDataDir() {
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= path.size()) {
        throw Failure("/proc/self/exe", "cannot find the program's own folder");
    }
    path.resize(static_cast<std::size_t>(n));
    return ProgramDirOf(path);
}

void ForFile(const std::string& file, const std::function<void()>& action) {
    try {
        action();
    } catch (const PlatformError& error) {
        switch (error.TextKind()) {
        case PlatformError::Kind::CannotOpen:
            throw Failure(error.Subject(), "cannot be opened");
        case PlatformError::Kind::CannotCreate:
            throw Failure(error.Subject(), "cannot be written");
        default:
            throw Failure(file, error.what());
        }
    }
}

Bytes ReadInput(const std::string& file, std::size_t maxBytes) {
    Bytes bytes;
    ForFile(file, [&] { bytes = ReadWholeFile(file, maxBytes); });
    return bytes;
}

void WriteOutput(const std::string& file, const Bytes& bytes) {
    ForFile(file, [&] { WriteFileAtomically(file, bytes); });
}

RoomPackage DecodePackageOf(const std::string& file, const Bytes& bytes) {
    RoomPackage package;
    ForFile(file, [&] {
        package = DecodeRoomPackage(
            bytes, [](std::span<const std::uint8_t> bitmap) { return DecodeBmp(bitmap); });
    });
    return package;
}

RoomPackage ReadPackage(const std::string& file) {
    return DecodePackageOf(file, ReadInput(file, MaxPackageFileBytes));
}

std::string SlotFileName(int slot) {
    char number[4];
    std::snprintf(number, sizeof number, "%02d", slot);
    return std::string(number) + "-" + std::string(SlotCatalogue(slot).component) + ".bmp";
}

} // namespace tessaly::cli
