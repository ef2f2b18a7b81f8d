#include "core/formats/mht/Detail.h"
#include "core/formats/mht/Mht.h"

namespace orbisk::mht {

std::string EncodeQuotedPrintable(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t column = 0;
    auto put = [&](std::string_view piece) {
        if (column + piece.size() > 75) {
            out += "=\r\n";
            column = 0;
        }
        out += piece;
        column += piece.size();
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n' || (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
            if (c == '\r') {
                ++i;
            }
            out += "\r\n";
            column = 0;
            continue;
        }
        const bool lineEnd = i + 1 == bytes.size() || bytes[i + 1] == '\n' || bytes[i + 1] == '\r';
        const bool plain = (c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !lineEnd);
        if (plain) {
            const char one[1] = {static_cast<char>(c)};
            put(std::string_view(one, 1));
        } else {
            const char escaped[3] = {'=', kHex[c >> 4], kHex[c & 0x0F]};
            put(std::string_view(escaped, 3));
        }
    }
    return out;
}

std::string DecodeQuotedPrintable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '=') {
            out += c;
            continue;
        }
        // A soft line break: "=" then optional spaces and the line end.
        std::size_t j = i + 1;
        while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) {
            ++j;
        }
        if (j == text.size()) {
            i = j;
            continue;
        }
        if (text[j] == '\n' || (text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n')) {
            i = text[j] == '\r' ? j + 1 : j;
            continue;
        }
        if (const auto byte = detail::escapedByte(text, i)) {
            out += *byte;
            i += 2;
            continue;
        }
        out += '='; // not an escape: kept as written
    }
    return out;
}

} // namespace orbisk::mht
