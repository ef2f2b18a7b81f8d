#include "core/text/CleanText.h"

#include <cstdint>

namespace orbisk::text {

namespace {

// The length of the UTF-8 character at @p at and its code point, or 0 when the
// bytes there are not one (overlong forms and surrogates included).
std::size_t decode(std::string_view text, std::size_t at, std::uint32_t& code) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool isControl(std::uint32_t code) {
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F);
}

void appendEscaped(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

} // namespace

std::optional<TextFlaw> FindTextFlaw(std::string_view text, bool allowLineFeeds) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::uint32_t code = 0;
        const std::size_t length = decode(text, at, code);
        if (length == 0) {
            return TextFlaw{TextFlaw::Kind::NotUtf8, at, std::string(text.substr(at, 1))};
        }
        if (isControl(code) && !(allowLineFeeds && code == '\n')) {
            return TextFlaw{TextFlaw::Kind::Control, at, std::string(text.substr(at, length))};
        }
        at += length;
    }
    return std::nullopt;
}

std::string EscapeBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        std::uint32_t code = 0;
        const std::size_t length = decode(text, at, code);
        if (length == 0) {
            appendEscaped(out, static_cast<unsigned char>(text[at]));
            ++at;
            continue;
        }
        if (isControl(code)) {
            for (std::size_t k = 0; k < length; ++k) {
                appendEscaped(out, static_cast<unsigned char>(text[at + k]));
            }
        } else {
            out.append(text.substr(at, length));
        }
        at += length;
    }
    return out;
}

std::string DescribeFlaw(const TextFlaw& flaw) {
    if (flaw.kind == TextFlaw::Kind::NotUtf8) {
        return "the byte " + EscapeBytes(flaw.bytes) + ", which is not UTF-8 text";
    }
    return "the control character " + EscapeBytes(flaw.bytes);
}

} // namespace orbisk::text
