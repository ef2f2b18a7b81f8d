#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orbisk::testing {

/// A fresh, empty folder under the system's temporary folder, removed with its
/// content when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

/// Writes @p bytes to @p path as they are.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

/// The bytes of @p path; fails the test when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

} // namespace orbisk::testing
