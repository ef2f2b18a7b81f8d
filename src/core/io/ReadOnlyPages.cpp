#include "core/io/ReadOnlyPages.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#ifdef __linux__
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace orbisk::files {

namespace {

#ifdef __linux__

// Whether [begin, end) is covered, without a gap, by mappings that are not
// writable and are backed by a file (/proc/self/maps: "start-end perms offset
// device inode path").
bool coveredByReadOnlyFileMappings(std::uintptr_t begin, std::uintptr_t end) {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    std::uintptr_t covered = begin;
    while (covered < end && std::getline(maps, line)) {
        std::istringstream fields(line);
        std::uintptr_t start = 0;
        std::uintptr_t stop = 0;
        char dash = 0;
        std::string perms;
        std::string offset;
        std::string device;
        unsigned long long inode = 0;
        fields >> std::hex >> start >> dash >> stop >> std::dec >> perms >> offset >> device >> inode;
        if (!fields || stop <= covered) {
            continue;
        }
        if (start > covered || perms.size() < 2 || perms[1] == 'w' || inode == 0) {
            return false;
        }
        covered = stop;
    }
    return covered >= end;
}

// Whether every page of [begin, end) the process holds is still the file's
// own page, not a private copy made by a write (as the loader makes of the
// data it relocates before it protects it): /proc/self/pagemap holds one
// 64-bit entry per page, bit 63 set for a page held, bit 61 for a file's page.
bool heldPagesAreTheFiles(std::uintptr_t begin, std::uintptr_t end, std::uintptr_t page) {
    const int map = ::open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC);
    if (map < 0) {
        return false;
    }
    bool theFiles = true;
    std::array<std::uint64_t, 512> entries{};
    for (std::uintptr_t at = begin; at < end && theFiles;) {
        const std::size_t count = std::min<std::uintptr_t>(entries.size(), (end - at) / page);
        const std::size_t bytes = count * sizeof(std::uint64_t);
        const auto where = static_cast<off_t>(at / page * sizeof(std::uint64_t));
        theFiles = ::pread(map, entries.data(), bytes, where) == static_cast<ssize_t>(bytes);
        for (std::size_t i = 0; theFiles && i < count; ++i) {
            const bool held = ((entries[i] >> 63) & 1) != 0;
            const bool filePage = ((entries[i] >> 61) & 1) != 0;
            theFiles = !held || filePage;
        }
        at += count * page;
    }
    ::close(map);
    return theFiles;
}

#endif

} // namespace

bool ReadOnlyPages::GiveBack() {
#ifdef __linux__
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<std::uintptr_t>(m_bytes.data());
    const std::uintptr_t begin = (first + page - 1) / page * page;
    const std::uintptr_t end = (first + m_bytes.size()) / page * page;
    if (m_bytes.empty() || end <= begin) {
        return false;
    }
    if (!m_fromFile) {
        m_fromFile = coveredByReadOnlyFileMappings(begin, end) && heldPagesAreTheFiles(begin, end, page);
    }
    // Unchanged pages of a file: the next read brings them in again from it.
    return *m_fromFile && ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED) == 0;
#else
    return false;
#endif
}

} // namespace orbisk::files
