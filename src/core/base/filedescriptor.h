#pragma once

#include <cstddef>
#include <cstdint>
#include <unistd.h>
#include <utility>

namespace tessaly {

// An open file descriptor, closed when the object goes.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    // Closes now; false when closing reported an error (a write that did not reach the
    // file system).
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_ = -1;
};

// Writes all the bytes, going on after interruptions; false when a write fails.
bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t count);

} // namespace tessaly
