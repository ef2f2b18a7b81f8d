#include "core/io/Folders.h"

#include "core/product/SkinTable.h"
#include "core/text/TextForms.h"

#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#define ORBISK_POSIX_FILES 1
#endif

namespace orbisk::files {

std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view name) {
    std::error_code ec;
    const std::filesystem::path exact = folder / name;
    if (std::filesystem::exists(exact, ec)) {
        return exact;
    }
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (skin::SameFileName(it->path().filename().string(), name)) {
            return it->path();
        }
    }
    return std::nullopt;
}

std::filesystem::path PathIgnoringCase(const std::filesystem::path& folder, std::string_view name) {
    return FindFileIgnoringCase(folder, name).value_or(folder / name);
}

#ifdef ORBISK_POSIX_FILES
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder) {
    std::vector<FolderEntry> entries;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return entries;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        bool fileOrLink = entry->d_type == DT_REG || entry->d_type == DT_LNK;
        if (entry->d_type == DT_UNKNOWN) { // some file systems do not say
            struct stat status {};
            fileOrLink = ::fstatat(::dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                         (S_ISREG(status.st_mode) || S_ISLNK(status.st_mode));
        }
        entries.push_back({std::string(name), fileOrLink});
    }
    ::closedir(dir);
    return entries;
}
#else
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder) {
    std::vector<FolderEntry> entries;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::file_status status = it->symlink_status(ec);
        entries.push_back({it->path().filename().string(), !ec && (std::filesystem::is_regular_file(status) ||
                                                                   std::filesystem::is_symlink(status))});
    }
    return entries;
}
#endif

namespace {

// The name as SameFileName compares it.
std::string folded(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        c = text::LowerAscii(c);
    }
    return out;
}

} // namespace

FolderListing::FolderListing(std::filesystem::path folder) : m_folder(std::move(folder)) {
    for (FolderEntry& entry : ListFolder(m_folder)) {
        m_namesByFolded.try_emplace(folded(entry.name), entry.name);
        m_names.insert(std::move(entry.name));
    }
}

std::filesystem::path FolderListing::PathFor(std::string_view name) const {
    if (m_names.count(std::string(name)) != 0) {
        return m_folder / name;
    }
    const auto other = m_namesByFolded.find(folded(name));
    return m_folder / (other != m_namesByFolded.end() ? std::string_view(other->second) : name);
}

FolderChoice
ChooseApplicationFolder(const std::filesystem::path& programFolder,
                        const std::filesystem::path& perUserFolder, bool installed,
                        const std::function<LockAttempt(const std::filesystem::path&)>& tryLock) {
    FolderChoice choice;
    std::string passedOver;
    for (const std::filesystem::path& folder : {programFolder, perUserFolder}) {
        if (folder.empty() || (installed && folder == programFolder)) {
            continue;
        }
        choice = {folder, tryLock(folder), passedOver};
        if (choice.lock.outcome != LockOutcome::CannotCreate) {
            break;
        }
        if (folder == programFolder) {
            passedOver = choice.lock.problem;
        }
    }
    return choice;
}

std::optional<std::filesystem::path> RunningProgramFolder() {
#if defined(__linux__)
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && program.is_absolute()) {
        return program.parent_path();
    }
#endif
    return std::nullopt;
}

bool IsInstalledLayout(const std::filesystem::path& programFolder) {
    std::error_code ec;
    return programFolder.filename() == "bin" &&
           std::filesystem::is_regular_file(
               programFolder.parent_path() / "share" / "applications" / "orbisk-practice.desktop", ec);
}

} // namespace orbisk::files
