#pragma once

#include "core/base/bytes.h"

#include <cstddef>
#include <string>

namespace tessaly {

// The files installed beside the program, by name, their size limits, and the readers
// that the editor and the command-line companion share.

inline constexpr char HeaderTemplateFileName[] = "QelbHead.dat"; // the package header
inline constexpr char PaletteFileName[] = "Qelbpl.dat";          // the parts' colour table
inline constexpr char LanguageListFileName[] = "Qelbllist.cfg";  // the languages offered
inline constexpr char LanguageFolderName[] = "ltexts";           // the language sets
inline constexpr char HelpFolderName[] = "Help";                 // the help pages

// The header template is 1056 bytes; anything past a megabyte is not a template.
inline constexpr std::size_t MaxHeaderTemplateBytes = std::size_t{1} << 20;
// The palette is the palette file's first 1024 bytes: 256 entries of blue, green, red, 0.
inline constexpr std::size_t PaletteBytes = 1024;
// Language files and the language list are a few kilobytes; the limit keeps a wrong
// file from filling memory.
inline constexpr std::size_t MaxLanguageFileBytes = std::size_t{16} << 20;

// "<programDir>/<name>" for one of the names above.
std::string DataFilePath(const std::string& programDir, const char* name);

// Reads the header template whole. Throws FileOpenError when it cannot be opened and
// PlatformError with the too-large text past MaxHeaderTemplateBytes.
Bytes ReadHeaderTemplate(const std::string& programDir);

// Reads the palette: the palette file's first PaletteBytes bytes (fewer when it is
// shorter; the rest of a longer file is not read). Throws FileOpenError when it cannot
// be opened.
Bytes ReadPaletteFile(const std::string& programDir);

} // namespace tessaly
