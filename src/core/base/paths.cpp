#include "core/base/paths.h"

#include "core/base/platformerror.h"
#include "core/base/temporaries.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tessaly {
namespace {

constexpr char FallbackBase[] = "/tmp";

long SystemClock() {
    return static_cast<long>(std::time(nullptr));
}

ClockFunction currentClock = SystemClock;

// The scratch folder this process made, and the folder it was asked for in: "TEMP",
// or this user's private folder.
struct ProcessScratch {
    std::string base;
    pid_t maker = 0;
    RemoveFileOnExit folder;
};

ProcessScratch& Current() {
    static ProcessScratch current;
    return current;
}

std::optional<ScratchFolderNote>& Note() {
    static std::optional<ScratchFolderNote> note;
    return note;
}

std::optional<PrivateFolderProblem> ProblemOf(const std::string& folder) {
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0) {
        return PrivateFolderProblem::CannotCreate;
    }
    if (!S_ISDIR(status.st_mode)) {
        return PrivateFolderProblem::NotAFolder;
    }
    if (status.st_uid != ::geteuid()) {
        return PrivateFolderProblem::OtherOwner;
    }
    if ((status.st_mode & 077) != 0) {
        return PrivateFolderProblem::OpenToOthers;
    }
    return std::nullopt;
}

// "TEMP" when set, else this user's private folder.
std::string WantedBase(bool& isPrivate) {
    const char* temp = std::getenv("TEMP");
    isPrivate = !(temp && *temp);
    if (!isPrivate) {
        return temp;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return JoinPath(runtime && *runtime ? runtime : FallbackBase,
                    "tessaly-" + std::to_string(::geteuid()));
}

// The private folder, made when missing, or /tmp with the reason noted when it cannot
// be used.
std::string UsablePrivateFolder(const std::string& folder) {
    const bool made = ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
    const std::optional<PrivateFolderProblem> problem =
        made ? ProblemOf(folder) : PrivateFolderProblem::CannotCreate;
    if (!problem) {
        return folder;
    }
    Note() = ScratchFolderNote{*problem, folder, {}};
    return FallbackBase;
}

RemoveFileOnExit MakeFolderIn(const std::string& base) {
    const std::string pattern = JoinPath(base, "tessaly-XXXXXX");
    RemoveFileOnExit made = MakeTemporary(RemoveFileOnExit::Kind::Folder, [&] {
        std::string folder = pattern;
        return ::mkdtemp(folder.data()) ? folder : std::string();
    });
    if (made.Path().empty()) {
        throw FileCreateError(pattern);
    }
    return made;
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
    bool isPrivate = false;
    const std::string base = WantedBase(isPrivate);
    ProcessScratch& current = Current();
    const std::string& made = current.folder.Path();
    if (!made.empty() && current.base == base && current.maker == ::getpid() && !ProblemOf(made)) {
        return made;
    }
    current = ProcessScratch{base, ::getpid(),
                             MakeFolderIn(isPrivate ? UsablePrivateFolder(base) : base)};
    if (Note() && Note()->usedFolder.empty()) {
        Note()->usedFolder = current.folder.Path();
    }
    return current.folder.Path();
}

std::optional<ScratchFolderNote> TakeScratchFolderNote() {
    return std::exchange(Note(), std::nullopt);
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
