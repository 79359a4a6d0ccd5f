#pragma once

#include "core/base/wholefile.h"
#include "core/package/roompackage.h"

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
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

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
};

// The package commands: new, info, check, unpack, pack.
const std::vector<Command>& PackageCommands();
// The preview commands: render, render-all.
const std::vector<Command>& RenderCommands();

// Runs tessaly-pac with the words after the program name; returns the exit status.
int RunTool(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

} // namespace tessaly::cli
