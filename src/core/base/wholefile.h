#pragma once

#include "core/base/bytes.h"

#include <cstddef>
#include <string>

namespace tessaly {

// Reads a whole regular file as bytes. Throws FileOpenError with the cannot-open text
// when the file cannot be opened or read, and PlatformError with the too-large text when it holds
// more than maxBytes, so that no file can make a reader take memory without bound.
inline constexpr std::size_t DefaultMaxFileBytes = std::size_t{1} << 30;
Bytes ReadWholeFile(const std::string& path, std::size_t maxBytes = DefaultMaxFileBytes);

// Reads at most count bytes from the start of a regular file; fewer when it is shorter.
// Throws FileOpenError with the cannot-open text when it cannot be opened or read.
Bytes ReadFileStart(const std::string& path, std::size_t count);

// Creates the file (or empties an existing one) and writes the bytes. Throws
// FileCreateError with the cannot-create text when that fails.
void WriteWholeFile(const std::string& path, const Bytes& bytes);

// Writes the bytes to a new file beside the target and moves it over the target only
// when complete: any failure leaves an existing file of that name as it was and no
// partial file behind. The file keeps the mode of the file it replaces. Throws
// FileCreateError with the cannot-create text.
void WriteFileAtomically(const std::string& path, const Bytes& bytes);

// As WriteWholeFile, for the program's scratch files: the file is readable by the user
// alone, and a symbolic link standing in its place is refused rather than followed.
void WriteScratchFile(const std::string& path, const Bytes& bytes);

// Deletes a file when the object goes, on every path out of a command, unless told to
// keep it.
class RemoveFileOnExit {
  public:
    explicit RemoveFileOnExit(std::string path) : path_(std::move(path)) {}
    ~RemoveFileOnExit();
    void Keep() { path_.clear(); }
    RemoveFileOnExit(const RemoveFileOnExit&) = delete;
    RemoveFileOnExit& operator=(const RemoveFileOnExit&) = delete;

  private:
    std::string path_;
};

} // namespace tessaly
