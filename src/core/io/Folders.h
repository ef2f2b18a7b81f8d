#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace orbisk::files {

/// The file in @p folder whose name is @p name without regard to letter case:
/// the exact name when it exists, else the first other-case match, else empty.
std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view name);

/// True when a file can be created and removed in @p folder (created first if missing).
bool IsFolderWritable(const std::filesystem::path& folder);

/// The folder the program keeps its files in: the program's own folder, so a
/// portable copy keeps its results beside it, or the per-user data folder when
/// the program's folder cannot be written (a system-wide install).
std::filesystem::path ChooseApplicationFolder(
    const std::filesystem::path& programFolder, const std::filesystem::path& perUserFolder,
    const std::function<bool(const std::filesystem::path&)>& isWritable = IsFolderWritable);

} // namespace orbisk::files
