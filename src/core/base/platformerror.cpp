#include "core/base/platformerror.h"

namespace tessaly {
namespace {

std::string FixedText(PlatformError::Kind kind, const std::string& subject) {
    switch (kind) {
    case PlatformError::Kind::CannotOpen:
        return "ファイル " + subject + " は開けません";
    case PlatformError::Kind::CannotCreate:
        return "ファイル " + subject + " を作成できません";
    case PlatformError::Kind::ListIndex:
        return "リストのインデックスが範囲を超えています (" + subject + ")";
    case PlatformError::Kind::Jpeg:
        return "JPEG エラー #" + subject;
    case PlatformError::Kind::Other:
        break;
    }
    return subject;
}

} // namespace

PlatformError::PlatformError(Kind kind, const std::string& subject)
    : std::runtime_error(FixedText(kind, subject)), kind_(kind), subject_(subject) {}

std::string CannotOpenFileText(const std::string& path) {
    return FixedText(PlatformError::Kind::CannotOpen, path);
}

std::string CannotCreateFileText(const std::string& path) {
    return FixedText(PlatformError::Kind::CannotCreate, path);
}

std::string ListIndexText(long index) {
    return FixedText(PlatformError::Kind::ListIndex, std::to_string(index));
}

std::string JpegErrorText(int code) {
    return FixedText(PlatformError::Kind::Jpeg, std::to_string(code));
}

std::string TooLargeFileText(const std::string& path) {
    return "The file " + path + " is too large";
}

} // namespace tessaly
