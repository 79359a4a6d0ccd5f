#include "core/base/paths.h"

#include "core/base/platformerror.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly {
namespace {

long SystemClock() {
    return static_cast<long>(std::time(nullptr));
}

ClockFunction currentClock = SystemClock;

bool IsPrivateFolder(const std::string& folder) {
    struct stat status {};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

std::string PrivateScratchDir() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string base = runtime && *runtime ? runtime : "/tmp";
    const std::string folder = JoinPath(base, "tessaly-" + std::to_string(::getuid()));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        throw FileCreateError(CannotCreateFileText(folder));
    }
    if (!IsPrivateFolder(folder)) {
        throw FileCreateError(CannotCreateFileText(folder));
    }
    return folder;
}

} // namespace

std::string ProgramDirOf(const std::string& programFile) {
    const auto separator = programFile.find_last_of('/');
    return separator == std::string::npos ? "." : programFile.substr(0, separator);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}

std::string ScratchDir() {
    const char* temp = std::getenv("TEMP");
    return temp && *temp ? std::string(temp) : PrivateScratchDir();
}

std::string PackageScratchPath() {
    return JoinPath(ScratchDir(), "qelbtmp.bmp");
}

std::string PictureScratchPath() {
    return JoinPath(ScratchDir(), "qelb" + std::to_string(ScratchClock()) + ".bmp");
}

long ScratchClock() {
    return currentClock();
}

void SetScratchClock(ClockFunction clock) {
    currentClock = clock ? clock : SystemClock;
}

} // namespace tessaly
