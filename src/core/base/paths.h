#pragma once

#include <string>

namespace tessaly {

// The folder of a program file: everything before its last separator, so no trailing
// separator is kept ("/opt/tessaly/tessaly" gives "/opt/tessaly", "/tessaly" gives "",
// a bare name the current folder ".").
std::string ProgramDirOf(const std::string& programFile);

// Joins a folder and a name with the native separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// The folder of all scratch files: the value of "TEMP" when it is set and not empty;
// otherwise a folder of this user's alone (created with mode 0700 when missing, and
// refused when it is a link, someone else's, or open to others). Throws FileCreateError
// when no such folder can be had.
std::string ScratchDir();

// The scratch file through which packages pass each slot: "<scratch>/qelbtmp.bmp".
std::string PackageScratchPath();

// The temporary picture file of the mask and editor commands:
// "<scratch>/qelb<seconds>.bmp", seconds from ScratchClock().
std::string PictureScratchPath();

// The current calendar time in whole seconds. Tests may replace the clock.
using ClockFunction = long (*)();
long ScratchClock();
void SetScratchClock(ClockFunction clock);

} // namespace tessaly
