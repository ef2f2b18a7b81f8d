#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

/// What the fuzz targets share.
namespace orbisk::fuzzing {

/// The fuzzer's input as text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

/// A folder of this process for files a target writes, on a memory file system
/// when there is one (flushing to disk would slow every run). Made once.
const std::filesystem::path& ScratchFolder();

/// Empties @p folder (creating it when needed).
void Empty(const std::filesystem::path& folder);

/// Writes @p bytes to @p path as they are.
void Write(const std::filesystem::path& path, std::string_view bytes);

/// Ends the run as a finding: a property every input must keep did not hold.
[[noreturn]] void Broken(const std::string& what);

} // namespace orbisk::fuzzing
