#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace orbisk::files {

/// Reads a whole file as bytes.
/// @throws DataError naming the file when it is missing or cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

/// Whether a write waits until its bytes are on the disk before it renames.
enum class Sync {
    ToDisk, ///< results and everything the learner would miss
    NoWait, ///< files the program writes anew on every start (the skin pictures)
};

/// Replaces the file at @p path with exactly @p bytes, atomically: the bytes go
/// to a temporary file in the same folder, which is flushed (to disk, unless
/// @p sync says otherwise) and then renamed over the old file. A failure at
/// any step removes the temporary file and leaves the old file whole.
/// @throws WriteError naming the file and the reason.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, Sync sync = Sync::ToDisk);

/// The name of the temporary file WriteFileAtomically uses for @p path.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path);

namespace testing {
/// Runs @p hook after the temporary file is complete and before it is renamed
/// over the target; a hook that throws simulates a write interrupted there.
/// Pass an empty function to remove it.
void SetBeforeRenameHook(std::function<void(const std::filesystem::path& temporary)> hook);
} // namespace testing

} // namespace orbisk::files
