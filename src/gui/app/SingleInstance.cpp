#include "gui/app/SingleInstance.h"

#include <QDir>

namespace orbisk::gui {

files::LockAttempt SingleInstance::Lock(const std::filesystem::path& folder) {
    const QString path = QString::fromStdString(folder.string());
    if (!QDir().mkpath(path)) {
        return {files::LockOutcome::CannotCreate, "the folder " + folder.string() + " cannot be created"};
    }
    auto lock = std::make_unique<QLockFile>(QDir(path).filePath(LockFileName()));
    lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return {files::LockOutcome::Acquired, {}};
    }
    switch (lock->error()) {
    case QLockFile::LockFailedError:
        return {files::LockOutcome::HeldByAnother,
                "another running copy holds " + LockFileName().toStdString()};
    case QLockFile::PermissionError:
        return {files::LockOutcome::CannotCreate,
                "no permission to create " + LockFileName().toStdString() + " in " + folder.string()};
    default:
        return {files::LockOutcome::CannotCreate,
                "the lock file " + LockFileName().toStdString() + " cannot be made in " + folder.string()};
    }
}

} // namespace orbisk::gui
