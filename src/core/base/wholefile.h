#pragma once

#include "core/base/bytes.h"
#include "core/base/temporaries.h"

#include <cstddef>
#include <string>

namespace tessaly {

// Reads a whole regular file as bytes. Throws FileOpenError (the cannot-open text) when
// the file cannot be opened or read, and PlatformError with the too-large text when it
// holds more than maxBytes: the size the file system reports is checked before anything
// is read, so that no file can make a reader take memory or time without bound.
inline constexpr std::size_t DefaultMaxFileBytes = std::size_t{64} << 20;
Bytes ReadWholeFile(const std::string& path, std::size_t maxBytes = DefaultMaxFileBytes);

// Reads at most count bytes from the start of a regular file; fewer when it is shorter.
// Throws FileOpenError with the cannot-open text when it cannot be opened or read.
Bytes ReadFileStart(const std::string& path, std::size_t count);

// Creates the file (or empties an existing one) and writes the bytes, in place. For
// test fixtures and seed files; what the program writes for the user goes through
// WriteFileAtomically. Throws FileCreateError with the cannot-create text.
void WriteWholeFile(const std::string& path, const Bytes& bytes);

// Replaces the file only once all of it is written (an OutputSet of one file, see
// outputset.h): a failure or an interruption leaves an existing file as it was and no
// partial or temporary file behind. A file the user may not write is refused, a symbolic
// link is written through to the file it names, and the file keeps its mode. Throws
// PlatformError with the cannot-create text.
void WriteFileAtomically(const std::string& path, const Bytes& bytes);

// Creates one of the program's scratch files: a fresh file made exclusively (any file,
// link or FIFO already of that name is refused, never written into or followed),
// readable by the user alone. The returned object removes it. Throws PlatformError with
// the cannot-create text.
[[nodiscard]] RemoveFileOnExit WriteScratchFile(const std::string& path, const Bytes& bytes);

} // namespace tessaly
