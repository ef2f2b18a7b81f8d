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

/// Makes a folder read-only (its files can be read, no file can be made or
/// removed in it) for as long as the object lives.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    /// False for a user who may write anywhere (root): a test that needs the
    /// folder to keep its writes out skips then.
    bool KeepsOut() const { return m_keepsOut; }

private:
    std::filesystem::path m_folder;
    bool m_keepsOut = false;
};

/// Writes @p bytes to @p path as they are.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

/// The bytes of @p path; fails the test when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

} // namespace orbisk::testing
