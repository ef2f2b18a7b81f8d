#pragma once

#include "core/io/Folders.h"

#include <QString>
#include <filesystem>

namespace orbisk::gui {

/// Keeps a second copy of the program from working on the same application
/// folder: two copies would overwrite each other's files. The lock lives as
/// long as the object. It is the system's lock on the open lock file, so it
/// writes nothing, waits for no disk, and goes with the process that holds it:
/// a lock file left by a copy that crashed holds no lock.
class SingleInstance final {
public:
    SingleInstance() = default;
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    /// Tries the lock of @p folder (created first when missing). A lock that
    /// another running copy holds is told apart from one that cannot be made
    /// (no permission, not a folder, a file system without locks). On success
    /// this object holds the lock.
    files::LockAttempt Lock(const std::filesystem::path& folder);

    /// True when this copy holds a folder.
    bool acquired() const { return m_fd >= 0; }

    static QString LockFileName() { return QStringLiteral(".orbisk-practice.lock"); }

private:
    int m_fd = -1;
    std::filesystem::path m_path;
};

} // namespace orbisk::gui
