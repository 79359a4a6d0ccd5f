#include "core/base/wholefile.h"

#include "core/base/filedescriptor.h"
#include "core/base/platformerror.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace tessaly {
namespace {

// Opens a regular file for reading. Non-blocking open and a regular-file test keep a
// FIFO or a device from hanging the program or feeding it without end.
FileDescriptor OpenRegularFile(const std::string& path, std::uint64_t& size) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw FileOpenError(path);
    }
    size = static_cast<std::uint64_t>(status.st_size);
    return file;
}

// Reads up to limit bytes; more being there (the file grew) is reported through tooLarge.
Bytes ReadUpTo(FileDescriptor& file, const std::string& path, std::size_t expected,
               std::size_t limit, bool& tooLarge) {
    Bytes bytes;
    bytes.reserve(std::min(expected, limit));
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throw FileOpenError(path);
        }
        const auto got = static_cast<std::size_t>(n);
        tooLarge = bytes.size() + got > limit;
        bytes.insert(bytes.end(), chunk, chunk + std::min(got, limit - bytes.size()));
        if (n == 0 || tooLarge) {
            return bytes;
        }
    }
}

} // namespace

bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd, bytes + done, count - done);
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

Bytes ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    std::uint64_t size = 0;
    FileDescriptor file = OpenRegularFile(path, size);
    if (size > maxBytes) {
        throw PlatformError(TooLargeFileText(path));
    }
    bool tooLarge = false;
    Bytes bytes = ReadUpTo(file, path, static_cast<std::size_t>(size), maxBytes, tooLarge);
    if (tooLarge) {
        throw PlatformError(TooLargeFileText(path));
    }
    return bytes;
}

Bytes ReadFileStart(const std::string& path, std::size_t count) {
    std::uint64_t size = 0;
    FileDescriptor file = OpenRegularFile(path, size);
    bool more = false;
    return ReadUpTo(file, path, static_cast<std::size_t>(std::min<std::uint64_t>(size, count)),
                    count, more);
}

void WriteWholeFile(const std::string& path, const Bytes& bytes) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.get() < 0 || !WriteAll(file.get(), bytes.data(), bytes.size()) || !file.Close()) {
        throw FileCreateError(path);
    }
}

RemoveFileOnExit WriteScratchFile(const std::string& path, const Bytes& bytes) {
    FileDescriptor file;
    RemoveFileOnExit remove = MakeTemporary(RemoveFileOnExit::Kind::File, [&] {
        file = FileDescriptor(
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        return file.get() < 0 ? std::string() : path;
    });
    if (file.get() < 0) {
        throw FileCreateError(path);
    }
    if (!WriteAll(file.get(), bytes.data(), bytes.size()) || !file.Close()) {
        throw FileCreateError(path);
    }
    return remove;
}

} // namespace tessaly
