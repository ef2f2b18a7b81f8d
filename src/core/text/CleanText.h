#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

/// Whether a text is clean: UTF-8 without control characters. Authors' texts
/// end up in the question pages and the program's own files, and messages
/// about them end up in a terminal or a window, so neither may carry bytes a
/// reader cannot see.
namespace orbisk::text {

/// The first place where a text is not clean.
struct TextFlaw {
    enum class Kind {
        NotUtf8, ///< bytes that are not a UTF-8 character (a stray \xFE, a cut-off sequence)
        Control, ///< a control character: C0 (NUL, tab, CR, ...), DEL or C1
    };
    Kind kind = Kind::NotUtf8;
    std::size_t offset = 0; ///< where the offending bytes start
    std::string bytes;      ///< the offending bytes (one byte when not UTF-8)
};

/// The first flaw of @p text, or empty when it is clean. A line feed counts as
/// a flaw unless @p allowLineFeeds (a block of text keeps its line breaks).
std::optional<TextFlaw> FindTextFlaw(std::string_view text, bool allowLineFeeds = false);

/// @p text fit for a one-line message: clean characters as they are, every
/// other byte written as \xNN ("O\xC3der", "\x00"), so nothing invisible or
/// undecodable reaches the reader.
std::string EscapeBytes(std::string_view text);

/// What a flaw is, in words, with its bytes escaped: "the byte \xFE, which is
/// not UTF-8 text" or "the control character \x00".
std::string DescribeFlaw(const TextFlaw& flaw);

} // namespace orbisk::text
