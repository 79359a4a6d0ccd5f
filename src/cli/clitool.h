#pragma once

#include "core/base/wholefile.h"
#include "core/package/roompackage.h"

#include <concepts>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::cli {

// Bad input: printed as "tessaly-pac: FILE: message", exit status 2.
class Failure : public std::runtime_error {
  public:
    Failure(std::string file, const std::string& message)
        : std::runtime_error(message), file_(std::move(file)) {}
    const std::string& File() const { return file_; }

  private:
    std::string file_;
};

// A command's words: the positional ones and the options given.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values; // options that take a value
    std::set<std::string> flags;               // options that stand alone

    std::optional<std::string> Value(const std::string& option) const;
    bool Flag(const std::string& option) const { return flags.contains(option); }
};

// Splits words into positional ones and the options the command knows; anything else
// is a Failure. After "--" every word is positional.
Arguments ParseArguments(const std::vector<std::string>& words,
                         const std::set<std::string>& valueOptions,
                         const std::set<std::string>& flagOptions);

// The folder of the running program, where its data files lie.
std::string ProgramDataDir();

// Runs an action on a file, turning the platform's errors into a Failure: a file that
// cannot be opened or written is named as the error names it, any other error is one
// of the given file.
void ForFile(const std::string& file, const std::function<void()>& action);
Bytes ReadInput(const std::string& file, std::size_t maxBytes = DefaultMaxFileBytes);
void WriteOutput(const std::string& file, const Bytes& bytes);

// Reads and decodes a whole package; any fault is a Failure for the file.
RoomPackage DecodePackageOf(const std::string& file, const Bytes& bytes);
RoomPackage ReadPackage(const std::string& file);

// The slot's file name inside an unpacked folder: "NN-ComponentName.bmp".
std::string SlotFileName(int slot);

// What a command prints, gathered in memory and written out when it ends. Not an
// iostream: setting those up costs a short tessaly-pac run more than its own work.
class Output {
  public:
    Output& operator<<(std::string_view text) {
        text_ += text;
        return *this;
    }
    Output& operator<<(char c) {
        text_ += c;
        return *this;
    }
    template <std::integral Number>
    requires(!std::same_as<Number, char>) Output& operator<<(Number number) {
        text_ += std::to_string(number);
        return *this;
    }
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>& words, Output& out, Output& err);
};

// The package commands: new, info, check, unpack, pack.
const std::vector<Command>& PackageCommands();
// The preview commands: render, render-all.
const std::vector<Command>& RenderCommands();

// Runs tessaly-pac with the words after the program name; returns the exit status.
int RunTool(const std::vector<std::string>& words, Output& out, Output& err);

} // namespace tessaly::cli
