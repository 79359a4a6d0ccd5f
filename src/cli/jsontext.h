#pragma once

#include <string>

namespace tessaly::cli {

// The bytes as a JSON string literal, quotes included. Valid UTF-8 passes through;
// control characters and bytes that are not UTF-8 are written as \u escapes (a stray
// byte as the character of the same number).
std::string JsonString(const std::string& bytes);

} // namespace tessaly::cli
