#include "core/formats/mht/Detail.h"
#include "core/formats/mht/Mht.h"

#include <array>
#include <cstdint>

namespace orbisk::mht {

using namespace detail;

namespace {

constexpr std::array<std::uint16_t, 32> kWindows1252{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string cleanUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        std::uint32_t code = 0;
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            length = 2;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            code = c & 0x07;
        }
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (valid && code >= smallest && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
            out.append(bytes.substr(i, static_cast<std::size_t>(length)));
            i += static_cast<std::size_t>(length);
        } else {
            appendUtf8(out, 0xFFFD);
            ++i;
        }
    }
    return out;
}

} // namespace

std::string ToUtf8(std::string_view bytes, std::string_view charset) {
    const std::string name = lowered(trim(charset));
    if (name == "iso-8859-1" || name == "iso8859-1" || name == "iso_8859-1" || name == "latin1" ||
        name == "latin-1" || name == "l1" || name == "us-ascii" || name == "ascii" ||
        name == "windows-1252" || name == "cp1252") {
        const bool windows = name == "windows-1252" || name == "cp1252";
        std::string out;
        out.reserve(bytes.size());
        for (const char byte : bytes) {
            const auto c = static_cast<unsigned char>(byte);
            std::uint32_t code = c;
            if (windows && c >= 0x80 && c < 0xA0) {
                code = kWindows1252[c - 0x80];
            } else if ((name == "us-ascii" || name == "ascii") && c >= 0x80) {
                code = 0xFFFD;
            }
            appendUtf8(out, code);
        }
        return out;
    }
    return cleanUtf8(bytes);
}

} // namespace orbisk::mht
