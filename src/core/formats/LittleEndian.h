#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orbisk::endian {

/// The unsigned number of @p width bytes (1 to 8) stored least significant byte
/// first at @p at. The caller makes sure the bytes are there.
inline std::uint64_t ReadLittle(std::string_view bytes, std::size_t at, int width) {
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

/// Appends @p value as @p width bytes, least significant first.
inline void WriteLittle(std::string& out, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

} // namespace orbisk::endian
