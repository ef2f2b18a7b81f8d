#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
/// @p sync says otherwise) and then renamed over the old file. With
/// Sync::ToDisk the folder is flushed after the rename as well, so that a power
/// cut cannot lose the new name. A failure at any step before the rename
/// removes the temporary file and leaves the old file whole; a process killed
/// there leaves the temporary file (see RemoveStaleTemporaryFiles). An
/// existing file without its owner's write permission is read-only: it is
/// refused, not replaced, and left as it is (even for a process that could
/// write it anyway, such as one running as root). The new file keeps the old
/// one's permissions; a file made anew gets @p madeWith when given, before its
/// name appears.
/// @throws WriteError naming the file and the reason.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, Sync sync = Sync::ToDisk,
                         std::optional<std::filesystem::perms> madeWith = std::nullopt);

/// Why WriteFileAtomically would refuse to replace the file at @p path, found
/// without writing anything: a folder in its place, a read-only file, a file
/// that may not be opened for writing (a file marked unchangeable, say); ""
/// when none of these holds (a full disk can still make the write fail). For
/// a change of several files that must all be made or none.
std::string WhyNotReplaceable(const std::filesystem::path& path);

/// Removes the file at @p path when it is a file (or a link), whatever its
/// permissions; a folder or nothing there is left alone. For the program's own
/// scratch files, which a leftover from an earlier run must not block.
void RemoveLeftoverFile(const std::filesystem::path& path) noexcept;

/// The name of the temporary file WriteFileAtomically uses for @p path:
/// "marks2ENG.txt" is written as ".marks2ENG.txt.saving" first.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path);

/// True when @p name is one TemporaryPathFor makes: "." + a name + ".saving".
bool IsTemporaryName(std::string_view name);

/// Removes the temporary files that writes killed before their rename left in
/// @p folder (not in folders below it); returns the ones removed. Only the
/// copy of the program that holds the folder's one-copy lock may call it:
/// another copy's write in progress would lose its temporary file.
std::vector<std::filesystem::path> RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

namespace testing {
/// Runs @p hook after the temporary file is complete and before it is renamed
/// over the target; a hook that throws simulates a write interrupted there.
/// Pass an empty function to remove it.
void SetBeforeRenameHook(std::function<void(const std::filesystem::path& temporary)> hook);

/// Runs @p hook with the folder each time a write has flushed a folder to disk
/// after its rename. Pass an empty function to remove it.
void SetFolderSyncedHook(std::function<void(const std::filesystem::path& folder)> hook);
} // namespace testing

} // namespace orbisk::files
