#pragma once

#include <optional>
#include <string>

namespace tessaly {

// The folder of a program file: everything before its last separator, so no trailing
// separator is kept ("/opt/tessaly/tessaly" gives "/opt/tessaly", "/tessaly" gives "",
// a bare name the current folder ".").
std::string ProgramDirOf(const std::string& programFile);

// Joins a folder and a name with the native separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// The folder of this process's scratch files, its own: made on first use (mkdtemp,
// "tessaly-XXXXXX", mode 0700) inside "TEMP" when that is set and not empty, else inside
// this user's private folder ("$XDG_RUNTIME_DIR/tessaly-<uid>", or "/tmp/tessaly-<uid>"
// without XDG_RUNTIME_DIR; made with mode 0700 when missing). When that private folder
// cannot be used, the scratch folder is made in /tmp instead and the reason is kept for
// TakeScratchFolderNote(). A new folder is made when "TEMP" changes or the folder has
// gone. It is removed when the process ends, also by SIGINT, SIGTERM or SIGHUP, once
// the files in it are (a file kept on purpose keeps it). Throws PlatformError with the
// cannot-create text when no folder can be made.
std::string ScratchDir();

// Why this user's private temporary folder could not be used.
enum class PrivateFolderProblem { CannotCreate, NotAFolder, OtherOwner, OpenToOthers };
struct ScratchFolderNote {
    PrivateFolderProblem problem;
    std::string privateFolder; // the folder that could not be used
    std::string usedFolder;    // the scratch folder made instead
};

// The reason kept by ScratchDir(), given once; nothing when the private folder was used.
std::optional<ScratchFolderNote> TakeScratchFolderNote();

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
