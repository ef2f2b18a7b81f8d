#pragma once

// Pieces the archive reader, the reference resolver and the decoders share.
// Not part of the archive module's interface.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace orbisk::mht::detail {

/// The largest depth of nested multiparts the reader follows.
inline constexpr int kMaxNesting = 8;

std::string lowered(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);
/// @p text without surrounding spaces, tabs and line breaks.
std::string_view trim(std::string_view text);
/// The value of a hex digit, or -1.
int hexValue(char c);
/// The byte an escape such as "%41" or "=41" at @p at writes, when its two hex digits follow.
std::optional<char> escapedByte(std::string_view text, std::size_t at);
/// @p text with every "%XX" escape replaced by its byte.
std::string percentDecode(std::string_view text);

/// The position where an entity's body starts: just after the first empty line
/// (CR LF or LF); npos when the block has no empty line.
std::size_t headerEnd(std::string_view entity);

/// Header fields by lower-case name, folded lines unfolded.
using Headers = std::multimap<std::string, std::string>;
Headers parseHeaders(std::string_view block);
/// The first value of the field, or "".
std::string header(const Headers& headers, std::string_view name);

struct ContentType {
    std::string type = "text/plain";
    std::map<std::string, std::string> parameters; // lower-case names
};
ContentType parseContentType(std::string_view value);

/// A Content-ID without its angle brackets.
std::string stripBrackets(std::string_view id);

} // namespace orbisk::mht::detail
