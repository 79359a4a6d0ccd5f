#include "core/base/outputset.h"

#include "core/base/filedescriptor.h"
#include "core/base/paths.h"
#include "core/base/platformerror.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <stdexcept>
#include <sys/stat.h>

namespace tessaly {
namespace {

constexpr int MaxLinkHops = 40;
constexpr long FallbackNameMax = 255;
constexpr char TemporarySuffix[] = ".XXXXXX";

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

// The file a target names: symbolic links followed, the last one possibly to a file
// that does not exist yet (which is then created).
std::string FollowLinks(const std::string& target) {
    std::string path = target;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) {
            break;
        }
        link.resize(static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : JoinPath(FolderOf(path), link);
    }
    throw FileCreateError(target);
}

// "<folder>/.<name>.XXXXXX", the name cut so that the whole stays within the file
// system's limit for a name: a target with the longest name still gets its temporary.
std::string TemporaryTemplate(const std::string& file) {
    const std::string folder = FolderOf(file);
    long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (nameMax <= 0) {
        nameMax = FallbackNameMax;
    }
    const std::size_t room = static_cast<std::size_t>(nameMax) - 1 - (sizeof TemporarySuffix - 1);
    return JoinPath(folder, "." + NameOf(file).substr(0, room) + TemporarySuffix);
}

// The permission test, and a file that no one may write counts as read-only for the
// administrator too, who passes every permission test.
bool MayWrite(const std::string& file, const struct stat& status) {
    return (status.st_mode & 0222) != 0 &&
           ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The new file keeps the old one's owner and group where the system allows it (the
// administrator replacing someone's file); for anyone else it is their own file.
void KeepOwner(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        return;
    }
}

// One sync for all the files: fsync of a single file, else syncfs once per file system.
bool SyncOnce(const std::vector<int>& files) {
    if (files.size() == 1) {
        return ::fsync(files[0]) == 0;
    }
    std::set<dev_t> synced;
    for (int fd : files) {
        struct stat status {};
        if (::fstat(fd, &status) != 0) {
            return false;
        }
        if (synced.insert(status.st_dev).second && ::syncfs(fd) != 0) {
            return false;
        }
    }
    return true;
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

} // namespace

struct OutputSet::Output {
    std::string target;         // as the caller named it, for messages
    std::string file;           // the file replaced: the target with links followed
    RemoveFileOnExit temporary; // none for a file written in place
    FileDescriptor descriptor;  // the temporary file, or the file written in place
    Bytes inPlace;              // the bytes of a file written in place
    bool written = false;

    bool InPlace() const { return temporary.Path().empty(); }
};

OutputSet::OutputSet() = default;

// The files go first, then the folders this set made, the deepest first.
OutputSet::~OutputSet() {
    outputs_.clear();
    while (!folders_.empty()) {
        folders_.pop_back();
    }
}

void OutputSet::CreateFolder(const std::string& name) {
    const std::string folder = WithoutTrailingSlashes(name);
    struct stat status {};
    if (::stat(folder.c_str(), &status) == 0) {
        if (!S_ISDIR(status.st_mode)) {
            throw FileCreateError(folder);
        }
        return;
    }
    const std::string parent = FolderOf(folder);
    if (errno == ENOENT && parent != folder) {
        CreateFolder(parent);
    }
    RemoveFileOnExit made = MakeTemporary(RemoveFileOnExit::Kind::Folder, [&] {
        return ::mkdir(folder.c_str(), 0777) == 0 ? folder : std::string();
    });
    if (made.Path().empty()) {
        throw FileCreateError(folder);
    }
    folders_.push_back(std::move(made));
}

void OutputSet::Reserve(const std::string& target) {
    auto output = std::make_unique<Output>();
    output->target = target;
    output->file = FollowLinks(target);
    struct stat status {};
    const bool exists = ::lstat(output->file.c_str(), &status) == 0;
    if (exists ? !S_ISREG(status.st_mode) || !MayWrite(output->file, status) : errno != ENOENT) {
        throw FileCreateError(target);
    }
    FileDescriptor descriptor;
    output->temporary = MakeTemporary(RemoveFileOnExit::Kind::File, [&] {
        std::string temporary = TemporaryTemplate(output->file);
        descriptor = FileDescriptor(::mkostemp(temporary.data(), O_CLOEXEC));
        return descriptor.get() < 0 ? std::string() : temporary;
    });
    if (descriptor.get() < 0) {
        // A folder the user may not write, holding a file they may: written in place.
        if (!exists || (errno != EACCES && errno != EPERM)) {
            throw FileCreateError(target);
        }
        outputs_.push_back(std::move(output));
        return;
    }
    if (exists) {
        KeepOwner(descriptor.get(), status);
    }
    if (::fchmod(descriptor.get(), exists ? status.st_mode & 07777 : NewFileMode()) != 0) {
        throw FileCreateError(target);
    }
    output->descriptor = std::move(descriptor);
    outputs_.push_back(std::move(output));
}

OutputSet::Output& OutputSet::Find(const std::string& target) {
    for (const auto& output : outputs_) {
        if (output->target == target && !output->written) {
            return *output;
        }
    }
    Reserve(target);
    return *outputs_.back();
}

void OutputSet::Add(const std::string& target, const Bytes& bytes) {
    Output& output = Find(target);
    if (output.InPlace()) {
        output.inPlace = bytes;
    } else if (!WriteAll(output.descriptor.get(), bytes.data(), bytes.size())) {
        throw FileCreateError(target);
    }
    output.written = true;
}

void OutputSet::Commit() {
    std::vector<int> files;
    for (const auto& output : outputs_) {
        if (!output->written) {
            throw std::logic_error("an output was reserved but never written");
        }
        if (output->InPlace()) {
            FileDescriptor file(::open(output->file.c_str(),
                                       O_WRONLY | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
            struct stat status {};
            if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
                !WriteAll(file.get(), output->inPlace.data(), output->inPlace.size())) {
                throw FileCreateError(output->target);
            }
            output->descriptor = std::move(file);
        }
        files.push_back(output->descriptor.get());
    }
    if (!SyncOnce(files)) {
        throw FileCreateError(outputs_.front()->target);
    }
    const SignalsHeldBack held;
    for (const auto& output : outputs_) {
        if (!output->InPlace()) {
            if (::rename(output->temporary.Path().c_str(), output->file.c_str()) != 0) {
                throw FileCreateError(output->target);
            }
            output->temporary.Keep();
        }
    }
    for (RemoveFileOnExit& folder : folders_) {
        folder.Keep();
    }
    outputs_.clear();
    folders_.clear();
}

void WriteFileAtomically(const std::string& path, const Bytes& bytes) {
    OutputSet output;
    output.Add(path, bytes);
    output.Commit();
}

} // namespace tessaly
