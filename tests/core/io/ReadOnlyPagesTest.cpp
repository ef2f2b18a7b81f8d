#include "core/io/ReadOnlyPages.h"

#include "TempFolder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

#ifdef __linux__
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace orbisk::files {
namespace {

using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

const std::size_t kPage = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
constexpr std::size_t kPages = 16;

std::string pattern() {
    std::string bytes(kPages * kPage, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>('a' + (i * 7 + i / kPage) % 26);
    }
    return bytes;
}

// Whether the process holds the page at @p address; nullopt when the system does not say.
std::optional<bool> held(const char* address) {
    const int map = ::open("/proc/self/pagemap", O_RDONLY);
    std::uint64_t entry = 0;
    const auto at = static_cast<off_t>(reinterpret_cast<std::uintptr_t>(address) / kPage * sizeof entry);
    const bool read = map >= 0 && ::pread(map, &entry, sizeof entry, at) == sizeof entry;
    if (map >= 0) {
        ::close(map);
    }
    if (!read) {
        return std::nullopt;
    }
    return ((entry >> 63) & 1) != 0;
}

void readAll(const char* bytes, std::size_t size) {
    volatile char sink = 0;
    for (std::size_t i = 0; i < size; i += kPage) {
        sink = static_cast<char>(sink + bytes[i]);
    }
}

// A file of kPages pages, mapped privately; unmapped when the object goes.
class MappedFile {
public:
    MappedFile(const TempFolder& folder, const std::string& bytes, int protection) {
        const auto path = folder / "data.bin";
        WriteBytes(path, bytes);
        const int fd = ::open(path.c_str(), O_RDONLY);
        m_size = bytes.size();
        m_data = static_cast<char*>(::mmap(nullptr, m_size, protection, MAP_PRIVATE, fd, 0));
        ::close(fd);
    }
    ~MappedFile() { ::munmap(m_data, m_size); }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    char* data() const { return m_data; }
    std::string_view bytes() const { return {m_data, m_size}; }

private:
    char* m_data = nullptr;
    std::size_t m_size = 0;
};

TEST(ReadOnlyPages, TheWholePagesOfAReadOnlyFileAreGivenBackAndReadTheSameAfter) {
    TempFolder folder;
    const std::string bytes = pattern();
    const MappedFile file(folder, bytes, PROT_READ);
    ASSERT_NE(file.data(), MAP_FAILED);
    readAll(file.data(), bytes.size());
    if (!held(file.data() + kPage).has_value()) {
        GTEST_SKIP() << "the system does not say which pages a process holds";
    }
    ASSERT_TRUE(*held(file.data() + kPage));

    ReadOnlyPages pages(file.bytes().substr(100, bytes.size() - 200));
    EXPECT_TRUE(pages.GiveBack());
    EXPECT_TRUE(*held(file.data())) << "a page only partly inside is kept";
    EXPECT_FALSE(*held(file.data() + kPage));
    EXPECT_FALSE(*held(file.data() + (kPages - 2) * kPage));
    EXPECT_TRUE(*held(file.data() + (kPages - 1) * kPage)) << "a page only partly inside is kept";
    EXPECT_EQ(file.bytes(), bytes);
}

// Pages whose bytes exist nowhere else: giving them back would lose them.
enum class Elsewhere { Heap, WrittenWritableMapping, WrittenThenProtectedMapping };

class PagesLeftAlone : public ::testing::TestWithParam<Elsewhere> {};

TEST_P(PagesLeftAlone, BytesThatAreNotAFilesOwnAreKept) {
    TempFolder folder;
    std::string heap = pattern();
    const MappedFile file(folder, pattern(), PROT_READ | PROT_WRITE);
    ASSERT_NE(file.data(), MAP_FAILED);
    std::string_view bytes = heap;
    if (GetParam() != Elsewhere::Heap) {
        file.data()[3 * kPage] = '!';
        bytes = file.bytes();
        if (GetParam() == Elsewhere::WrittenThenProtectedMapping) {
            ASSERT_EQ(::mprotect(file.data(), bytes.size(), PROT_READ), 0);
        }
    } else {
        heap[3 * kPage] = '!';
    }
    const std::string before(bytes);

    ReadOnlyPages pages(bytes);
    EXPECT_FALSE(pages.GiveBack());
    EXPECT_EQ(bytes, before);
    EXPECT_EQ(bytes[3 * kPage], '!');
}

std::string nameOf(const ::testing::TestParamInfo<Elsewhere>& test) {
    switch (test.param) {
    case Elsewhere::Heap:
        return "heap";
    case Elsewhere::WrittenWritableMapping:
        return "written_writable_mapping";
    case Elsewhere::WrittenThenProtectedMapping:
        return "written_then_protected_mapping";
    }
    return "unknown";
}

INSTANTIATE_TEST_SUITE_P(ReadOnlyPages, PagesLeftAlone,
                         ::testing::Values(Elsewhere::Heap, Elsewhere::WrittenWritableMapping,
                                           Elsewhere::WrittenThenProtectedMapping),
                         nameOf);

} // namespace
} // namespace orbisk::files

#endif
