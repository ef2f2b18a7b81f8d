#include "core/formats/mht/Mht.h"

#include <cstdint>

namespace orbisk::mht {

std::string EncodeBase64(std::string_view bytes) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t column = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::uint32_t a = static_cast<unsigned char>(bytes[i]);
        const std::uint32_t b = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        const std::uint32_t c = i + 2 < bytes.size() ? static_cast<unsigned char>(bytes[i + 2]) : 0;
        const std::uint32_t triple = (a << 16) | (b << 8) | c;
        out += kAlphabet[(triple >> 18) & 0x3F];
        out += kAlphabet[(triple >> 12) & 0x3F];
        out += i + 1 < bytes.size() ? kAlphabet[(triple >> 6) & 0x3F] : '=';
        out += i + 2 < bytes.size() ? kAlphabet[triple & 0x3F] : '=';
        column += 4;
        if (column >= 76 && i + 3 < bytes.size()) {
            out += "\r\n";
            column = 0;
        }
    }
    return out;
}

std::string DecodeBase64(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3 / 4);
    std::uint32_t buffer = 0;
    int bits = 0;
    int count = 0;
    bool ended = false;
    for (const char c : text) {
        int value = -1;
        if (c >= 'A' && c <= 'Z') {
            value = c - 'A';
        } else if (c >= 'a' && c <= 'z') {
            value = c - 'a' + 26;
        } else if (c >= '0' && c <= '9') {
            value = c - '0' + 52;
        } else if (c == '+') {
            value = 62;
        } else if (c == '/') {
            value = 63;
        } else if (c == '=') {
            ended = true;
            continue;
        } else if (c == '\r' || c == '\n' || c == ' ' || c == '\t') {
            continue;
        } else {
            throw MhtError("a base64 body holds a character that is not base64");
        }
        if (ended) {
            throw MhtError("a base64 body goes on after its padding");
        }
        buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
        bits += 6;
        ++count;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    if (count % 4 == 1) {
        throw MhtError("a base64 body is cut short");
    }
    return out;
}

} // namespace orbisk::mht
