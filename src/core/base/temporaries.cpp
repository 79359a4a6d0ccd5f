#include "core/base/temporaries.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <pthread.h>
#include <unistd.h>
#include <utility>

namespace tessaly {
namespace {

// The registry lives in static storage and is read by the signal handler, so it uses
// nothing but fixed arrays and lock-free atomics.
constexpr int RegistrySize = 256;
constexpr std::size_t MaxRegisteredPath = 4096;
constexpr int FolderPasses = 8; // nested folders: the deepest goes first, one level a pass
constexpr int HandledSignals[] = {SIGINT, SIGTERM, SIGHUP};

enum State : int { Free, Busy, Registered };
static_assert(std::atomic<int>::is_always_lock_free);

struct Registration {
    std::atomic<int> state{Free};
    pid_t owner = 0;
    bool folder = false;
    char path[MaxRegisteredPath];
};

Registration registry[RegistrySize];

void RemoveRegistered(bool folders) {
    const pid_t self = ::getpid();
    for (Registration& entry : registry) {
        if (entry.state.load(std::memory_order_acquire) == Registered && entry.owner == self &&
            entry.folder == folders) {
            folders ? ::rmdir(entry.path) : ::unlink(entry.path);
        }
    }
}

extern "C" void RemoveTemporariesAndRaise(int signal) {
    const int savedErrno = errno;
    RemoveRegistered(false);
    for (int pass = 0; pass < FolderPasses; ++pass) {
        RemoveRegistered(true);
    }
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    ::sigaction(signal, &defaultAction, nullptr);
    // Blocked while the handler runs: delivered, with its default action, on return.
    ::raise(signal);
    errno = savedErrno;
}

void InstallHandler() {
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = RemoveTemporariesAndRaise;
        sigemptyset(&action.sa_mask);
        for (int signal : HandledSignals) {
            sigaddset(&action.sa_mask, signal);
        }
        for (int signal : HandledSignals) {
            struct sigaction current {};
            ::sigaction(signal, nullptr, &current);
            if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_DFL) {
                ::sigaction(signal, &action, nullptr);
            }
        }
        return true;
    }();
    (void)installed;
}

// A path too long for the registry (or a full registry) is not registered; the object
// still removes it on every ordinary path.
int Register(const std::string& path, bool folder) {
    InstallHandler();
    if (path.size() >= MaxRegisteredPath) {
        return -1;
    }
    for (int i = 0; i < RegistrySize; ++i) {
        int expected = Free;
        if (registry[i].state.compare_exchange_strong(expected, Busy)) {
            std::memcpy(registry[i].path, path.c_str(), path.size() + 1);
            registry[i].owner = ::getpid();
            registry[i].folder = folder;
            registry[i].state.store(Registered, std::memory_order_release);
            return i;
        }
    }
    return -1;
}

void Unregister(int registration) {
    if (registration >= 0) {
        registry[registration].state.store(Free, std::memory_order_release);
    }
}

sigset_t HandledSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : HandledSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

} // namespace

RemoveFileOnExit::RemoveFileOnExit(std::string path, Kind kind)
    : path_(std::move(path)), kind_(kind), owner_(::getpid()),
      registration_(Register(path_, kind == Kind::Folder)) {}

RemoveFileOnExit::~RemoveFileOnExit() {
    Remove();
}

RemoveFileOnExit::RemoveFileOnExit(RemoveFileOnExit&& other) noexcept
    : path_(std::exchange(other.path_, {})), kind_(other.kind_), owner_(other.owner_),
      registration_(std::exchange(other.registration_, -1)) {}

RemoveFileOnExit& RemoveFileOnExit::operator=(RemoveFileOnExit&& other) noexcept {
    if (this != &other) {
        Remove();
        path_ = std::exchange(other.path_, {});
        kind_ = other.kind_;
        owner_ = other.owner_;
        registration_ = std::exchange(other.registration_, -1);
    }
    return *this;
}

void RemoveFileOnExit::Keep() {
    Unregister(std::exchange(registration_, -1));
    path_.clear();
}

void RemoveFileOnExit::Remove() {
    if (!path_.empty() && owner_ == ::getpid()) {
        kind_ == Kind::Folder ? ::rmdir(path_.c_str()) : ::unlink(path_.c_str());
    }
    Keep();
}

RemoveFileOnExit MakeTemporary(RemoveFileOnExit::Kind kind,
                               const std::function<std::string()>& make) {
    const SignalsHeldBack held;
    std::string path = make();
    const int error = errno;
    RemoveFileOnExit made =
        path.empty() ? RemoveFileOnExit() : RemoveFileOnExit(std::move(path), kind);
    errno = error;
    return made;
}

SignalsHeldBack::SignalsHeldBack() {
    const sigset_t set = HandledSet();
    ::pthread_sigmask(SIG_BLOCK, &set, &previous_);
}

SignalsHeldBack::~SignalsHeldBack() {
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

} // namespace tessaly
