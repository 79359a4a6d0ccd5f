#pragma once

#include "core/base/temporaries.h"
#include "core/base/wholefile.h"

#include <memory>
#include <string>
#include <vector>

namespace tessaly {

// Files that appear together or not at all. Each is written to a fresh temporary file
// beside the file it replaces; Commit() syncs them all with one call (one per file
// system) and then renames each over its target, with SIGINT, SIGTERM and SIGHUP held
// back so the renames are not cut in two. Until then, on every failure and when one of
// those signals ends the process, the temporary files and the folders this set made are
// removed and every target stays as it was. (A crash or SIGKILL between two renames can
// leave some targets new and others old.)
//
// A target is refused with the cannot-create text naming it when its folder is missing,
// when it is not a regular file, or when the user may not write it: no write permission
// for the user, or a file that no one may write (read-only even for the administrator,
// who passes every permission test). A symbolic link is followed to the file it names,
// which is replaced; the new file takes the old one's mode (and, where the system
// allows it, owner and group); a hard link to the old file keeps the old content. Where
// the folder cannot be written but the file can, the file is written in place at
// Commit() from the complete bytes: not atomic, but the old content is kept until then.
class OutputSet {
  public:
    OutputSet();
    ~OutputSet();
    OutputSet(const OutputSet&) = delete;
    OutputSet& operator=(const OutputSet&) = delete;

    // Makes a folder and any missing folders above it; the ones made are removed again
    // unless Commit() succeeds. Throws PlatformError (cannot create) when that fails.
    void CreateFolder(const std::string& folder);
    // Checks a target and makes its temporary file, so that a target that cannot be
    // written fails before any work is done.
    void Reserve(const std::string& target);
    // Writes a target's complete bytes (reserving it first when needed). Throws
    // PlatformError (cannot create) when the target is refused or the write fails.
    void Add(const std::string& target, const Bytes& bytes);
    // Syncs once and moves every file into place. Throws PlatformError when that fails.
    void Commit();

  private:
    struct Output;
    Output& Find(const std::string& target);

    std::vector<RemoveFileOnExit> folders_;
    std::vector<std::unique_ptr<Output>> outputs_;
};

} // namespace tessaly
