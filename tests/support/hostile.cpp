#include "support/hostile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <grp.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessaly::test {

bool RunAsAdministrator() {
    return ::geteuid() == 0;
}

SmallDisk::SmallDisk(std::size_t kibibytes) {
    const std::string options = "size=" + std::to_string(kibibytes) + "k,mode=0777";
    mounted_ = ::mount("tessaly-test", folder_.Path().c_str(), "tmpfs", 0, options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_) {
        ::umount2(folder_.Path().c_str(), MNT_DETACH);
    }
}

ChildProcess::ChildProcess(const std::function<int()>& action) : pid_(::fork()) {
    if (pid_ == 0) {
        std::exit(action());
    }
}

int ChildProcess::Wait() {
    int status = -1;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

std::optional<int> RunAsNobody(const std::function<int()>& action) {
    if (!RunAsAdministrator()) {
        return std::nullopt;
    }
    return ChildProcess([&] {
               const bool dropped = ::setgroups(0, nullptr) == 0 &&
                                    ::setresgid(NobodyId, NobodyId, NobodyId) == 0 &&
                                    ::setresuid(NobodyId, NobodyId, NobodyId) == 0;
               return dropped ? action() : 125;
           })
        .Wait();
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> HiddenNamesIn(const std::string& folder) {
    std::vector<std::string> hidden;
    for (const std::string& name : NamesIn(folder)) {
        if (name.front() == '.') {
            hidden.push_back(name);
        }
    }
    return hidden;
}

} // namespace tessaly::test
