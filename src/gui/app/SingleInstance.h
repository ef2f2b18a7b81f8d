#pragma once

#include <QLockFile>
#include <QString>
#include <filesystem>
#include <memory>

namespace orbisk::gui {

/// Keeps a second copy of the program from working on the same application
/// folder: two copies would overwrite each other's files. The lock lives as
/// long as the object; a lock left by a copy that crashed is taken over.
class SingleInstance final {
public:
    explicit SingleInstance(const std::filesystem::path& appFolder);

    /// True when this copy holds the folder.
    bool acquired() const { return m_acquired; }

    static QString LockFileName() { return QStringLiteral(".orbisk-practice.lock"); }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_acquired = false;
};

} // namespace orbisk::gui
