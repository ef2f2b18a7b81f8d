#include "TempFolder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <unistd.h>
#include <utility>

namespace orbisk::testing {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device random;
    const std::string name = "orbisk-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
                             "-" + std::to_string(random());
    m_path = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

ReadOnlyFolder::ReadOnlyFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {
    std::filesystem::permissions(m_folder,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const std::filesystem::path probe = m_folder / "probe";
    m_keepsOut = !std::ofstream(probe).is_open();
    std::error_code ec;
    std::filesystem::remove(probe, ec);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    std::error_code ec;
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, ec);
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream content;
    content << in.rdbuf();
    return std::move(content).str();
}

} // namespace orbisk::testing
