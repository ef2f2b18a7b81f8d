#include "gui/app/SingleInstance.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orbisk::gui {

namespace {

std::string reason(int error) {
    return std::generic_category().message(error);
}

// Whether @p fd is still the file at @p path: a copy that ends removes its lock
// file while it holds the lock, so a lock taken on the removed file is no lock.
bool isFileAt(int fd, const std::filesystem::path& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

} // namespace

SingleInstance::~SingleInstance() {
    if (m_fd >= 0) {
        // Removed while still held, so that no other copy is holding the file
        // removed; a file someone put in its place is not this copy's to remove.
        if (isFileAt(m_fd, m_path)) {
            ::unlink(m_path.c_str());
        }
        ::close(m_fd);
    }
}

files::LockAttempt SingleInstance::Lock(const std::filesystem::path& folder) {
    std::error_code made;
    std::filesystem::create_directories(folder, made); // by its bytes, whatever their encoding
    if (made || !std::filesystem::is_directory(folder, made)) {
        return {files::LockOutcome::CannotCreate, "the folder " + folder.string() + " cannot be created"};
    }
    const std::string name = LockFileName().toStdString();
    const std::filesystem::path path = folder / name;
    // A lock file left by a copy that was killed opens even in a folder nobody
    // may write to, where the learner's answers could then not be kept: ask
    // about the folder itself.
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) != 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS) {
            return {files::LockOutcome::CannotCreate,
                    "no permission to write in " + folder.string() + " (" + reason(error) + ")"};
        }
    }
    // A copy ending between our open and our lock removes the file; each turn
    // needs such a copy, so a few turns are plenty.
    for (int turn = 0; turn < 8; ++turn) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            const int error = errno;
            if (error == EACCES || error == EPERM || error == EROFS) {
                return {files::LockOutcome::CannotCreate, "no permission to create " + name + " in " +
                                                              folder.string() + " (" + reason(error) + ")"};
            }
            return {files::LockOutcome::CannotCreate, "the lock file " + name + " cannot be made in " +
                                                          folder.string() + " (" + reason(error) + ")"};
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK) {
                return {files::LockOutcome::HeldByAnother, "another running copy holds " + name};
            }
            return {files::LockOutcome::CannotCreate, "the lock file " + name + " cannot be locked in " +
                                                          folder.string() + " (" + reason(error) + ")"};
        }
        if (isFileAt(fd, path)) {
            m_fd = fd;
            m_path = path;
            return {files::LockOutcome::Acquired, {}};
        }
        ::close(fd);
    }
    return {files::LockOutcome::HeldByAnother, "other copies keep taking and leaving " + name};
}

} // namespace orbisk::gui
