#include "gui/app/SingleInstance.h"

#include <QDir>

namespace orbisk::gui {

SingleInstance::SingleInstance(const std::filesystem::path& appFolder) {
    const QString folder = QString::fromStdString(appFolder.string());
    QDir().mkpath(folder);
    m_lock = std::make_unique<QLockFile>(QDir(folder).filePath(LockFileName()));
    m_lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    m_acquired = m_lock->tryLock(0);
}

} // namespace orbisk::gui
