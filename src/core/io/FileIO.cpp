#include "core/io/FileIO.h"

#include "core/Errors.h"
#include "core/io/Folders.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define ORBISK_POSIX_FILES 1
#endif

namespace orbisk::files {

namespace {

std::function<void(const std::filesystem::path&)>& beforeRenameHook() {
    static std::function<void(const std::filesystem::path&)> hook;
    return hook;
}

std::function<void(const std::filesystem::path&)>& folderSyncedHook() {
    static std::function<void(const std::filesystem::path&)> hook;
    return hook;
}

constexpr std::string_view kTemporaryPrefix = ".";
constexpr std::string_view kTemporarySuffix = ".saving";

std::string errnoText(int error) {
    return std::generic_category().message(error);
}

#ifdef ORBISK_POSIX_FILES
// Writes, flushes and closes the temporary file; returns 0 or the errno of the failure.
int writeAndSync(const std::filesystem::path& temporary, std::string_view bytes, Sync sync) {
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return errno;
    }
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            return error;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (sync == Sync::ToDisk && ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    if (::close(fd) != 0) {
        return errno;
    }
    return 0;
}

// Flushes the folder's entries, so that the rename itself survives a power
// cut. A failure is not reported: the new content is in place and its bytes
// are on the disk, and some file systems cannot flush a folder at all.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    ::fsync(fd);
    ::close(fd);
}
#else
void syncFolder(const std::filesystem::path&) {}

int writeAndSync(const std::filesystem::path& temporary, std::string_view bytes, Sync) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        return errno != 0 ? errno : EIO;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    return out ? 0 : (errno != 0 ? errno : EIO);
}
#endif

} // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& path) {
    std::filesystem::path temporary = path;
    temporary.replace_filename(std::string(kTemporaryPrefix) + path.filename().string() +
                               std::string(kTemporarySuffix));
    return temporary;
}

bool IsTemporaryName(std::string_view name) {
    return name.size() > kTemporaryPrefix.size() + kTemporarySuffix.size() &&
           name.starts_with(kTemporaryPrefix) && name.ends_with(kTemporarySuffix);
}

std::vector<std::filesystem::path> RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> removed;
    std::error_code ec;
    for (const FolderEntry& entry : ListFolder(folder)) {
        if (entry.fileOrLink && IsTemporaryName(entry.name) &&
            std::filesystem::remove(folder / entry.name, ec)) {
            removed.push_back(folder / entry.name);
        }
    }
    return removed;
}

void RemoveLeftoverFile(const std::filesystem::path& path) noexcept {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, ec);
    if (!ec && (std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status))) {
        std::filesystem::remove(path, ec);
    }
}

#ifdef ORBISK_POSIX_FILES
// Straight from the system: this reads every results file and, at start-up,
// every picture, and a stream costs several times the reading itself.
std::string ReadWholeFile(const std::filesystem::path& path) {
    // Without waiting: a pipe in a file's place would otherwise hold the
    // program until something wrote into it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            throw DataError(path, "", "the file is missing");
        }
        throw DataError(path, "", "the file cannot be read (" + errnoText(error) + ")");
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        // A folder, a pipe or a device in a file's place: a device such as
        // /dev/zero would never end, and a pipe could wait for ever.
        const char* what = S_ISDIR(status.st_mode)    ? "is a folder, not a file"
                           : S_ISFIFO(status.st_mode) ? "is a pipe, not a file"
                                                      : "is a device or another special file, not a file";
        ::close(fd);
        throw DataError(path, "", what);
    }
    std::string content;
    // The size, and one byte more to see the end in one read; a file still
    // growing, or one of the system's (its size 0), reads on.
    std::size_t capacity = static_cast<std::size_t>(status.st_size) + 1;
    std::size_t held = 0;
    for (;;) {
        content.resize(capacity);
        const ssize_t got = ::read(fd, content.data() + held, capacity - held);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            throw DataError(path, "", "the file cannot be read (" + errnoText(error) + ")");
        }
        if (got == 0) {
            break;
        }
        held += static_cast<std::size_t>(got);
        if (held == capacity) {
            capacity *= 2;
        }
    }
    ::close(fd);
    content.resize(held);
    return content;
}
#else
std::string ReadWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        throw DataError(path, "", "is a folder, not a file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int error = errno;
        if (!std::filesystem::exists(path, ec)) {
            throw DataError(path, "", "the file is missing");
        }
        throw DataError(path, "", "the file cannot be read (" + errnoText(error) + ")");
    }
    std::string content;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.clear();
    in.seekg(0, std::ios::beg);
    if (size > 0) {
        content.resize(static_cast<std::size_t>(size));
        in.read(content.data(), size);
        content.resize(static_cast<std::size_t>(in.gcount()));
    }
    // Whatever the size did not tell (a file still growing, a special file).
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        throw DataError(path, "", "the file cannot be read (input error)");
    }
    return content;
}
#endif

namespace {

// A symbolic link in the file's place is the owner's wish too: the file it
// leads to is replaced, beside itself, and the link stays a link.
std::filesystem::path replacedFile(const std::filesystem::path& named) {
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(named, ec))) {
        if (std::filesystem::path target = std::filesystem::weakly_canonical(named, ec); !ec) {
            return target;
        }
    }
    return named;
}

// A rename replaces a file whatever its permissions (and a process running as
// root may write anything), so a file someone made read-only would be
// replaced without a word. Its permission bits are taken as the owner's wish:
// it is left as it is and the write fails.
bool isReadOnlyFile(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::is_regular_file(status) &&
           (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

constexpr std::string_view kReadOnly = "the file is read-only";

} // namespace

std::string WhyNotReplaceable(const std::filesystem::path& named) {
    const std::filesystem::path path = replacedFile(named);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return errnoText(EISDIR);
    }
    if (isReadOnlyFile(path)) {
        return std::string(kReadOnly);
    }
#ifdef ORBISK_POSIX_FILES
    if (std::filesystem::is_regular_file(path, ec)) {
        // Opened and closed again, without truncating: nothing is written.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            return errnoText(errno);
        }
        ::close(fd);
    }
    // The new file is written beside the old one first: its folder must take it.
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        return "its folder may not be written to (" + errnoText(errno) + ")";
    }
#endif
    return {};
}

void WriteFileAtomically(const std::filesystem::path& named, std::string_view bytes, Sync sync,
                         std::optional<std::filesystem::perms> madeWith) {
    std::error_code ec;
    const std::filesystem::path path = replacedFile(named);
    const std::filesystem::path temporary = TemporaryPathFor(path);
    if (isReadOnlyFile(path)) {
        throw WriteError(named, std::string(kReadOnly), EACCES);
    }
    if (const int error = writeAndSync(temporary, bytes, sync); error != 0) {
        std::filesystem::remove(temporary, ec);
        throw WriteError(named, errnoText(error), error);
    }
    // The new file takes the place of the old one with its permissions: a file
    // the learner made private stays private. (Where the file system keeps
    // none, the new file has what the system gives.)
    if (const auto old = std::filesystem::status(path, ec); !ec && std::filesystem::is_regular_file(old)) {
        std::filesystem::permissions(temporary, old.permissions(), ec);
    } else if (madeWith) {
        std::filesystem::permissions(temporary, *madeWith, ec);
    }
    try {
        if (const auto& hook = beforeRenameHook()) {
            hook(temporary);
        }
    } catch (...) {
        std::filesystem::remove(temporary, ec);
        throw;
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        const std::string problem = ec.message();
        const int code = ec.value();
        std::filesystem::remove(temporary, ec);
        throw WriteError(named, problem, code);
    }
    if (sync == Sync::ToDisk) {
        syncFolder(path.parent_path());
        if (const auto& hook = folderSyncedHook()) {
            hook(path.parent_path());
        }
    }
}

namespace testing {
void SetBeforeRenameHook(std::function<void(const std::filesystem::path& temporary)> hook) {
    beforeRenameHook() = std::move(hook);
}

void SetFolderSyncedHook(std::function<void(const std::filesystem::path& folder)> hook) {
    folderSyncedHook() = std::move(hook);
}
} // namespace testing

} // namespace orbisk::files
