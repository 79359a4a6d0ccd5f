#pragma once

#include "core/base/bytes.h"

#include <algorithm>
#include <initializer_list>

namespace tessaly::test {

// A copy of the bytes with the values written over them from offset at on.
inline Bytes Patched(Bytes bytes, std::size_t at, std::initializer_list<std::uint8_t> values) {
    std::copy(values.begin(), values.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    return bytes;
}

} // namespace tessaly::test
