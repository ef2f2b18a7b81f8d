#include "core/io/Folders.h"

#include "core/product/SkinTable.h"

#include <fstream>
#include <random>
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

bool IsFolderWritable(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        return false;
    }
    std::random_device random;
    const std::filesystem::path probe = folder / (".orbisk-write-test-" + std::to_string(random()));
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out) {
            return false;
        }
        out << "probe";
        out.flush();
        if (!out) {
            std::filesystem::remove(probe, ec);
            return false;
        }
    }
    return std::filesystem::remove(probe, ec) && !ec;
}

std::filesystem::path
ChooseApplicationFolder(const std::filesystem::path& programFolder,
                        const std::filesystem::path& perUserFolder,
                        const std::function<bool(const std::filesystem::path&)>& isWritable) {
    return isWritable(programFolder) ? programFolder : perUserFolder;
}

} // namespace orbisk::files
