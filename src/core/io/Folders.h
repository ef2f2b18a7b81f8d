#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace orbisk::files {

/// The file in @p folder whose name is @p name without regard to letter case:
/// the exact name when it exists, else the first other-case match, else empty.
std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view name);

/// The path under which to read or write @p name in @p folder: the file that
/// already exists there under any letter case, else @p folder / @p name.
std::filesystem::path PathIgnoringCase(const std::filesystem::path& folder, std::string_view name);

/// One entry of a folder.
struct FolderEntry {
    std::string name;
    bool fileOrLink = false; ///< a file or a symbolic link, not a folder or anything else
};

/// The entries of @p folder, "." and ".." left out, in the system's order; none
/// when the folder cannot be read. Reads names only, so it is cheap for large
/// folders (the skin pictures' at every start).
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder);

/// The names in one folder, read once, for finding many files without regard
/// to letter case (the skin pictures at start-up).
class FolderListing {
public:
    explicit FolderListing(std::filesystem::path folder);

    /// As PathIgnoringCase, from the names read when the listing was made.
    std::filesystem::path PathFor(std::string_view name) const;

private:
    std::filesystem::path m_folder;
    std::unordered_set<std::string> m_names;                      ///< as they are
    std::unordered_map<std::string, std::string> m_namesByFolded; ///< the first name of each folding
};

/// What became of an attempt to take the one-copy lock of a folder.
enum class LockOutcome {
    Acquired,      ///< this copy holds the folder
    HeldByAnother, ///< another running copy of the program holds it
    CannotCreate,  ///< the lock cannot be made there (no permission, not a folder, ...)
};

struct LockAttempt {
    LockOutcome outcome = LockOutcome::CannotCreate;
    std::string problem; ///< why the lock could not be made, for a details line
};

/// The application folder chosen at start-up, and whether its lock was taken.
struct FolderChoice {
    std::filesystem::path folder;
    LockAttempt lock;
    /// Why the program's own folder was passed over for the per-user folder;
    /// empty when it was not.
    std::string passedOver;
};

/// Chooses the folder the program keeps its files in, taking its one-copy lock
/// before anything else is written there. A portable copy keeps its files in
/// its own folder; an installed copy (@p installed), or one whose folder cannot
/// hold the lock, uses the per-user data folder. A folder held by another
/// running copy is never passed over: two copies must not share results, and
/// the learner is told instead. @p tryLock creates the folder when needed and
/// tries the lock in it.
FolderChoice ChooseApplicationFolder(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& perUserFolder, bool installed,
                                     const std::function<LockAttempt(const std::filesystem::path&)>& tryLock);

/// The folder of the running program's file as the system names it, byte for
/// byte (a name that is not UTF-8 included); empty where the system does not
/// say (then ask the toolkit).
std::optional<std::filesystem::path> RunningProgramFolder();

/// True when the program runs from an installed layout: its folder is a
/// prefix's bin/ folder beside share/applications/orbisk-practice.desktop.
bool IsInstalledLayout(const std::filesystem::path& programFolder);

} // namespace orbisk::files
