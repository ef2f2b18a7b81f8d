#include "core/io/Folders.h"

#include "core/product/SkinTable.h"

#include <system_error>

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

FolderListing::FolderListing(std::filesystem::path folder) : m_folder(std::move(folder)) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        m_entries.push_back(it->path());
    }
}

std::filesystem::path FolderListing::PathFor(std::string_view name) const {
    std::optional<std::filesystem::path> other;
    for (const std::filesystem::path& entry : m_entries) {
        const std::string entryName = entry.filename().string();
        if (entryName == name) {
            return entry;
        }
        if (!other && skin::SameFileName(entryName, name)) {
            other = entry;
        }
    }
    return other.value_or(m_folder / name);
}

FolderChoice
ChooseApplicationFolder(const std::filesystem::path& programFolder,
                        const std::filesystem::path& perUserFolder, bool installed,
                        const std::function<LockAttempt(const std::filesystem::path&)>& tryLock) {
    FolderChoice choice;
    for (const std::filesystem::path& folder : {programFolder, perUserFolder}) {
        if (folder.empty() || (installed && folder == programFolder)) {
            continue;
        }
        choice = {folder, tryLock(folder)};
        if (choice.lock.outcome != LockOutcome::CannotCreate) {
            break;
        }
    }
    return choice;
}

bool IsInstalledLayout(const std::filesystem::path& programFolder) {
    std::error_code ec;
    return programFolder.filename() == "bin" &&
           std::filesystem::is_regular_file(
               programFolder.parent_path() / "share" / "applications" / "orbisk-practice.desktop", ec);
}

} // namespace orbisk::files
