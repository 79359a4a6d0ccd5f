#pragma once

#include "support/scratchfolder.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tessaly::test {

// The conditions an adversary makes around the files: a full disk, another user, a
// second process, a signal.

// The user "nobody", owner of planted files and the user the permission tests run as.
inline constexpr uid_t NobodyId = 65534;

// Whether the tests run as the administrator, who alone can mount a disk, give a file
// away or become another user; tests of those conditions are skipped elsewhere.
bool RunAsAdministrator();

// A small tmpfs mounted on a fresh folder, to stand for a nearly full disk; unmounted
// when the object goes. Mounted() is false where mounting is not allowed.
class SmallDisk {
  public:
    explicit SmallDisk(std::size_t kibibytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Path() const { return folder_.Path(); }
    std::string File(const std::string& name) const { return folder_.File(name); }

  private:
    ScratchFolder folder_;
    bool mounted_ = false;
};

// A child process running the action; its result is the exit status. The child ends by
// exit(), so what the process removes at exit is removed.
class ChildProcess {
  public:
    explicit ChildProcess(const std::function<int()>& action);
    // The wait status (see waitpid).
    int Wait();

  private:
    pid_t pid_;
};

// Runs the action in a child process as "nobody" and returns its wait status; nothing
// when the tests do not run as the administrator.
std::optional<int> RunAsNobody(const std::function<int()>& action);

// The names in a folder, sorted; those starting with "." are temporaries.
std::vector<std::string> NamesIn(const std::string& folder);
std::vector<std::string> HiddenNamesIn(const std::string& folder);

} // namespace tessaly::test
