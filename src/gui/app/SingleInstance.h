#pragma once

#include "core/io/Folders.h"

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
    SingleInstance() = default;

    /// Tries the lock of @p folder (created first when missing). A lock that
    /// another running copy holds is told apart from one that cannot be made
    /// (no permission, not a folder). On success this object holds the lock.
    files::LockAttempt Lock(const std::filesystem::path& folder);

    /// True when this copy holds a folder.
    bool acquired() const { return m_lock != nullptr; }

    static QString LockFileName() { return QStringLiteral(".orbisk-practice.lock"); }

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace orbisk::gui
