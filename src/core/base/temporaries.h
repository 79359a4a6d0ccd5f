#pragma once

#include <csignal>
#include <functional>
#include <string>
#include <sys/types.h>

namespace tessaly {

// A temporary file (or folder) of this process, removed when the object goes, on every
// path out of a command, unless told to keep it. While it exists its path is also
// registered with a handler of SIGINT, SIGTERM and SIGHUP that removes every registered
// path before the signal ends the process as it otherwise would, so an interrupted
// command leaves nothing behind. The handler is installed by the first registration, for
// each of those signals that still has its default action. A process made by fork()
// never removes its parent's paths.
class RemoveFileOnExit {
  public:
    enum class Kind { File, Folder };

    RemoveFileOnExit() = default;
    explicit RemoveFileOnExit(std::string path, Kind kind = Kind::File);
    ~RemoveFileOnExit();
    RemoveFileOnExit(RemoveFileOnExit&& other) noexcept;
    RemoveFileOnExit& operator=(RemoveFileOnExit&& other) noexcept;
    RemoveFileOnExit(const RemoveFileOnExit&) = delete;
    RemoveFileOnExit& operator=(const RemoveFileOnExit&) = delete;

    const std::string& Path() const { return path_; }
    // Keeps the path: neither this object nor the signal handler removes it.
    void Keep();

  private:
    void Remove();

    std::string path_;
    Kind kind_ = Kind::File;
    pid_t owner_ = 0;
    int registration_ = -1;
};

// Makes a temporary and registers it with the signals held back in between, so that
// no signal can come after the one and before the other. make() returns the path it
// made, or "" when it failed (errno then as make() left it, and the object empty).
RemoveFileOnExit MakeTemporary(RemoveFileOnExit::Kind kind,
                               const std::function<std::string()>& make);

// Holds SIGINT, SIGTERM and SIGHUP back for the calling thread while it exists; a signal
// that came meanwhile arrives when it goes. Keeps a set of renames from being cut in two.
class SignalsHeldBack {
  public:
    SignalsHeldBack();
    ~SignalsHeldBack();
    SignalsHeldBack(const SignalsHeldBack&) = delete;
    SignalsHeldBack& operator=(const SignalsHeldBack&) = delete;

  private:
    sigset_t previous_;
};

} // namespace tessaly
