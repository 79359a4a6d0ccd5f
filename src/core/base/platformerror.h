#pragma once

#include <stdexcept>
#include <string>

namespace tessaly {

// An error raised by the platform's file, bitmap and list services. It carries the
// exact text that the standard error box shows. Left alone it reaches the one guard
// around every command (RunGuarded), which shows that box. Code catches it only where it
// foresees the failure and handles it otherwise (a message line of its own, a fallback,
// a finding of a check), or to keep a file before passing the error on. The platform's
// own texts (a file that cannot be opened or created, a list line that is not there, a
// JPEG library error) also keep their kind and subject, so that the editor can word
// them in the user's language.
class PlatformError : public std::runtime_error {
  public:
    enum class Kind { Other, CannotOpen, CannotCreate, ListIndex, Jpeg };

    explicit PlatformError(const std::string& text) : std::runtime_error(text) {}
    // The platform's fixed text of that kind, with the subject (a path or a number).
    PlatformError(Kind kind, const std::string& subject);

    Kind TextKind() const { return kind_; }
    const std::string& Subject() const { return subject_; }

  private:
    Kind kind_ = Kind::Other;
    std::string subject_;
};

// A file that cannot be opened for reading: the commands that foresee it report it
// with a message line of their own instead of the error box.
class FileOpenError : public PlatformError {
  public:
    explicit FileOpenError(const std::string& path) : PlatformError(Kind::CannotOpen, path) {}
};

// A file or folder that cannot be created or written: raised with the cannot-create text,
// so that callers that report it in their own words can tell it from other errors.
class FileCreateError : public PlatformError {
  public:
    explicit FileCreateError(const std::string& path) : PlatformError(Kind::CannotCreate, path) {}
};

// The platform's fixed texts, with the place holder filled in.
std::string CannotOpenFileText(const std::string& path);   // a file that cannot be opened
std::string CannotCreateFileText(const std::string& path); // a file that cannot be created
std::string ListIndexText(long index);                     // a list line that is not there
std::string JpegErrorText(int code);                       // the JPEG library's error code
std::string TooLargeFileText(const std::string& path);     // a file past a reader's limit

} // namespace tessaly
