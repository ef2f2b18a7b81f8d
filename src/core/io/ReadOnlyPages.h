#pragma once

#include <optional>
#include <string_view>

namespace orbisk::files {

/// Bytes read in place from a read-only mapping of a file, such as data the
/// program carries in itself. Every read brings pages of the file into the
/// process's resident set, often more than were read (the system maps the
/// neighbouring pages it holds with them), and they stay there until they are
/// given back. Given back, they cost nothing until the next read brings them
/// in again from the file, unchanged.
class ReadOnlyPages {
public:
    explicit ReadOnlyPages(std::string_view bytes) : m_bytes(bytes) {}

    /// Gives back the pages that lie wholly inside the bytes, and returns
    /// true. Only pages of a read-only mapping of a file are ever given back,
    /// since nothing can be lost there: bytes anywhere else (the heap, a
    /// writable mapping) are left as they are, and false is returned. Which
    /// they are is found out once, at the first call.
    bool GiveBack();

private:
    std::string_view m_bytes;
    std::optional<bool> m_fromFile; // the bytes lie in read-only mappings of files
};

} // namespace orbisk::files
