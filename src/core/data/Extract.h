#pragma once

#include "data/FileIO.h"
#include "data/ResourceSource.h"

#include <filesystem>
#include <string_view>

namespace orbisk {

/// ExtractResource's error numbers besides the system's own (errno values).
inline constexpr int kExtractNoSuchResource = 1001;
inline constexpr int kExtractWrongType = 1002;

/// Writes resource @p id of type @p type (always "Custom") to @p path, byte for
/// byte: afterwards the file holds exactly the resource (a longer file is cut to
/// length). The write is atomic, so a failure leaves an existing file as it was.
/// Never throws: returns 0 when the file was written, otherwise a non-zero error
/// number (no such resource, a wrong type, or the system's error for the file;
/// a missing folder gives an error and creates nothing).
/// @p sync as for WriteFileAtomically.
int ExtractResource(const ResourceSource& source, int id, std::string_view type,
                    const std::filesystem::path& path, files::Sync sync = files::Sync::ToDisk) noexcept;

} // namespace orbisk
