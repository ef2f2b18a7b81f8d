#pragma once

#include "core/formats/ResourceSource.h"
#include "core/io/FileIO.h"

#include <filesystem>
#include <string_view>

namespace orbisk {

/// Writes resource @p id of type @p type (always "Custom") to @p path, byte for
/// byte: afterwards the file holds exactly the resource (a longer file is cut to
/// length). The write is atomic, so a failure leaves an existing file as it was.
/// Never throws: returns 0 when the file was written, otherwise a system error
/// number (errno value): ENOENT when the program holds no such resource,
/// EINVAL for a type other than "Custom", or the error that stopped the write
/// (a missing folder gives ENOENT and creates nothing).
/// @p sync as for WriteFileAtomically.
int ExtractResource(const ResourceSource& source, int id, std::string_view type,
                    const std::filesystem::path& path, files::Sync sync = files::Sync::ToDisk) noexcept;

} // namespace orbisk
