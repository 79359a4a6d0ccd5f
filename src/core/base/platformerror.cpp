#include "core/base/platformerror.h"

namespace tessaly {

std::string CannotOpenFileText(const std::string& path) {
    return "ファイル " + path + " は開けません";
}

std::string CannotCreateFileText(const std::string& path) {
    return "ファイル " + path + " を作成できません";
}

std::string ListIndexText(long index) {
    return "リストのインデックスが範囲を超えています (" + std::to_string(index) + ")";
}

std::string TooLargeFileText(const std::string& path) {
    return "The file " + path + " is too large";
}

} // namespace tessaly
