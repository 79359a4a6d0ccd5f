#include "core/base/wholefile.h"

#include "core/base/platformerror.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tessaly {
namespace {

// Closes a descriptor on every path.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void WriteWithFlags(const std::string& path, const Bytes& bytes, int flags, mode_t mode) {
    FileDescriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | flags, mode));
    if (file.get() < 0 || !WriteAll(file.get(), bytes) || !file.Close()) {
        throw FileCreateError(CannotCreateFileText(path));
    }
}

// The mode for a file that replaces path: that of the file there, else the usual one.
mode_t ReplacementMode(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        return status.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Opens a regular file for reading. Non-blocking open and a regular-file test keep a
// FIFO or a device from hanging the program or feeding it without end.
FileDescriptor OpenRegularFile(const std::string& path, std::uint64_t& size) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw FileOpenError(CannotOpenFileText(path));
    }
    size = static_cast<std::uint64_t>(status.st_size);
    return file;
}

// Reads up to limit bytes; more being there is reported through tooLarge. The bytes are
// read straight into the result, sized by what the file holds when opened (and grown if
// it grows), with one byte more to see a file that goes past the limit.
Bytes ReadUpTo(const std::string& path, std::size_t limit, bool& tooLarge) {
    std::uint64_t size = 0;
    FileDescriptor file = OpenRegularFile(path, size);
    const std::size_t wanted = limit + 1; // limits are far below the largest size_t
    Bytes bytes(static_cast<std::size_t>(std::min<std::uint64_t>(size, limit)) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size() && got < wanted) {
            bytes.resize(std::min(wanted, got + std::max<std::size_t>(got, 65536)));
        }
        if (got == bytes.size()) {
            break;
        }
        const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throw FileOpenError(CannotOpenFileText(path));
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    tooLarge = got > limit;
    bytes.resize(std::min(got, limit));
    return bytes;
}

} // namespace

Bytes ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    bool tooLarge = false;
    Bytes bytes = ReadUpTo(path, maxBytes, tooLarge);
    if (tooLarge) {
        throw PlatformError(TooLargeFileText(path));
    }
    return bytes;
}

Bytes ReadFileStart(const std::string& path, std::size_t count) {
    bool more = false;
    return ReadUpTo(path, count, more);
}

void WriteWholeFile(const std::string& path, const Bytes& bytes) {
    WriteWithFlags(path, bytes, 0, 0666);
}

void WriteFileAtomically(const std::string& path, const Bytes& bytes) {
    std::string temporary = path + ".XXXXXX";
    FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        throw FileCreateError(CannotCreateFileText(path));
    }
    const bool written = WriteAll(file.get(), bytes) &&
                         ::fchmod(file.get(), ReplacementMode(path)) == 0 &&
                         ::fsync(file.get()) == 0 && file.Close();
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw FileCreateError(CannotCreateFileText(path));
    }
}

void WriteScratchFile(const std::string& path, const Bytes& bytes) {
    WriteWithFlags(path, bytes, O_NOFOLLOW, 0600);
}

RemoveFileOnExit::~RemoveFileOnExit() {
    if (!path_.empty()) {
        ::unlink(path_.c_str());
    }
}

} // namespace tessaly
