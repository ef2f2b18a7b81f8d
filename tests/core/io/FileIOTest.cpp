#include "core/io/FileIO.h"

#include "TempFolder.h"
#include "core/Errors.h"
#include "core/formats/Records.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#ifdef __unix__
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orbisk::files {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

struct HookReset {
    ~HookReset() {
        testing::SetBeforeRenameHook({});
        testing::SetFolderSyncedHook({});
    }
};

TEST(AtomicWrite, ReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const auto path = folder / "marks2ENG.txt";
    WriteBytes(path, std::string(2048, 'x'));
    WriteFileAtomically(path, "#TRD#");
    EXPECT_EQ(ReadBytes(path), "#TRD#");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(AtomicWrite, TheReplacedFileKeepsItsPermissions) {
    TempFolder folder;
    const auto path = folder.path() / "marks2ENG.txt";
    WriteBytes(path, "old");
    const auto owner = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(path, owner);
    files::WriteFileAtomically(path, "new");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(std::filesystem::status(path).permissions(), owner);
}

TEST(AtomicWrite, ALinkInTheFilesPlaceStaysALinkAndItsFileIsReplaced) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "kept");
    const auto target = folder / "kept" / "marks.txt";
    WriteFileAtomically(target, "old");
    const auto link = folder / "marks2ENG.txt";
    std::filesystem::create_symlink(target, link);
    WriteFileAtomically(link, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(target), "new");
}

TEST(AtomicWrite, ALongerLeftoverTemporaryFileLeavesNothingOfItsOwnInTheNewFile) {
    TempFolder folder;
    const auto path = folder / "trend2ENG.txt";
    WriteBytes(path, "#TRD#>90\r\n");
    WriteBytes(TemporaryPathFor(path), std::string(4096, 'x'));
    WriteFileAtomically(path, "#TRD#");
    EXPECT_EQ(ReadBytes(path), "#TRD#");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}

TEST(AtomicWrite, AWriteInterruptedBeforeTheRenameLeavesTheOldFileIntact) {
    TempFolder folder;
    const auto path = folder / "first2ENG.txt";
    const std::string old = "#101#>1>2>3\r\n#102#>>>\r\n";
    WriteBytes(path, old);
    HookReset reset;
    testing::SetBeforeRenameHook([](const std::filesystem::path& temporary) {
        EXPECT_TRUE(std::filesystem::exists(temporary));
        throw WriteError(temporary, "power lost");
    });
    std::vector<std::string> lines = records::ReadPaperRecords(path, 2);
    EXPECT_THROW(records::WritePaperRecord(lines, {"4", "5", "6"}, 1, "101", 2, 3, path), WriteError);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}

TEST(AtomicWrite, AFolderThatCannotBeWrittenIsReportedNotIgnored) {
    TempFolder folder;
    const auto path = folder / "missing-folder" / "marks2ENG.txt";
    try {
        WriteFileAtomically(path, "data");
        FAIL() << "no error";
    } catch (const WriteError& error) {
        EXPECT_EQ(error.file(), path);
        EXPECT_FALSE(error.problem().empty());
    }
    EXPECT_FALSE(std::filesystem::exists(path.parent_path()));
}

TEST(AtomicWrite, AFolderInTheWayOfTheFileIsReportedAndKept) {
    TempFolder folder;
    const auto path = folder / "trend2ENG.txt";
    std::filesystem::create_directory(path);
    WriteBytes(path / "inside.txt", "kept");
    EXPECT_THROW(WriteFileAtomically(path, "#TRD#"), WriteError);
    EXPECT_EQ(ReadBytes(path / "inside.txt"), "kept");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}

// A power cut after the rename could once lose the new name: the folder was
// never flushed.
TEST(AtomicWrite, FlushesTheFolderAfterTheRenameWhenWritingToDisk) {
    TempFolder folder;
    const auto path = folder / "marks2ENG.txt";
    WriteBytes(path, "old");
    HookReset reset;
    std::vector<std::filesystem::path> synced;
    testing::SetFolderSyncedHook([&](const std::filesystem::path& syncedFolder) {
        EXPECT_EQ(ReadBytes(path), "new") << "flushed after the rename, not before";
        synced.push_back(syncedFolder);
    });
    WriteFileAtomically(path, "new");
    EXPECT_EQ(synced, std::vector<std::filesystem::path>{folder.path()});
    WriteFileAtomically(folder / "picture.bmp", "BM", Sync::NoWait);
    EXPECT_EQ(synced.size(), 1U) << "pictures are written anew on every start and wait for nothing";
}

struct PermissionCase {
    const char* name;
    std::filesystem::perms perms;
    bool written;
};

class WritePermission : public ::testing::TestWithParam<PermissionCase> {};

// A rename replaced a read-only file as if it were writable (and running as
// root, every permission check says yes): the owner's write bit decides.
TEST_P(WritePermission, AReadOnlyFileIsRefusedAndLeftAsItIs) {
    const PermissionCase& c = GetParam();
    TempFolder folder;
    const auto path = folder / "fresults2ENG.txt";
    WriteBytes(path, "old");
    std::filesystem::permissions(path, c.perms);
    if (c.written) {
        WriteFileAtomically(path, "new");
        EXPECT_EQ(ReadBytes(path), "new");
    } else {
        try {
            WriteFileAtomically(path, "new");
            FAIL() << "a read-only file was replaced";
        } catch (const WriteError& error) {
            EXPECT_EQ(error.file(), path);
            EXPECT_NE(error.problem().find("read-only"), std::string::npos) << error.problem();
        }
        EXPECT_EQ(ReadBytes(path), "old");
        EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all, c.perms);
    }
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}

using P = std::filesystem::perms;
INSTANTIATE_TEST_SUITE_P(
    AtomicWrite, WritePermission,
    ::testing::Values(
        PermissionCase{"read_only_for_all", P::owner_read | P::group_read | P::others_read, false},
        PermissionCase{"only_others_may_write", P::owner_read | P::group_write | P::others_write, false},
        PermissionCase{"no_permission_at_all", P::none, false},
        PermissionCase{"owner_may_write", P::owner_read | P::owner_write, true},
        PermissionCase{"owner_may_only_write", P::owner_write, true}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(RemoveLeftoverFile, RemovesAReadOnlyFileButNeverAFolder) {
    TempFolder folder;
    const auto file = folder / "temppaper12001.mht";
    WriteBytes(file, "left over");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    RemoveLeftoverFile(file);
    EXPECT_FALSE(std::filesystem::exists(file));
    const auto emptyFolder = folder / "temppaper13001.mht";
    std::filesystem::create_directory(emptyFolder);
    RemoveLeftoverFile(emptyFolder);
    EXPECT_TRUE(std::filesystem::is_directory(emptyFolder));
    RemoveLeftoverFile(folder / "absent.txt"); // nothing there: nothing happens
}

struct StaleCase {
    const char* name;
    std::string entry; // a file, or a folder when it ends in "/"
    bool removed;
};

class StaleTemporary : public ::testing::TestWithParam<StaleCase> {};

TEST_P(StaleTemporary, IsRemovedOnlyWhenItIsTheWritersOwn) {
    TempFolder folder;
    const StaleCase& c = GetParam();
    const bool isFolder = c.entry.ends_with('/');
    const auto path = folder / c.entry.substr(0, c.entry.size() - (isFolder ? 1 : 0));
    if (isFolder) {
        std::filesystem::create_directory(path);
    } else {
        WriteBytes(path, "half a file");
    }
    const auto removed = RemoveStaleTemporaryFiles(folder.path());
    EXPECT_EQ(!std::filesystem::exists(path), c.removed);
    EXPECT_EQ(removed.size(), c.removed ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(AtomicWrite, StaleTemporary,
                         ::testing::Values(StaleCase{"results_file",
                                                     TemporaryPathFor("marks2ENG.txt").string(), true},
                                           StaleCase{"any_name", ".notes.txt.saving", true},
                                           StaleCase{"without_the_dot", "notes.saving", false},
                                           StaleCase{"the_suffix_alone", ".saving", false},
                                           StaleCase{"another_suffix", ".marks2ENG.txt.saving.old", false},
                                           StaleCase{"a_folder", ".marks2ENG.txt.saving/", false},
                                           StaleCase{"the_results_file_itself", "marks2ENG.txt", false}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(AtomicWrite, AKilledWriteLeavesATemporaryFileThatTheCleanUpRemoves) {
    TempFolder folder;
    const auto path = folder / "first2ENG.txt";
    WriteBytes(path, "old");
    // What a kill between writing and renaming leaves.
    WriteBytes(TemporaryPathFor(path), "new, never renamed");
    EXPECT_EQ(RemoveStaleTemporaryFiles(folder.path()),
              std::vector<std::filesystem::path>{TemporaryPathFor(path)});
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(ReadWholeFile, NamesTheFileThatIsMissingOrAFolder) {
    TempFolder folder;
    EXPECT_THROW(ReadWholeFile(folder / "absent.txt"), DataError);
    EXPECT_THROW(ReadWholeFile(folder.path()), DataError);
}

#ifdef __unix__
TEST(ReadWholeFile, ALinkToADeviceIsRefusedRatherThanReadWithoutEnd) {
    TempFolder folder;
    const auto path = folder / "textsize.txt";
    std::filesystem::create_symlink("/dev/zero", path);
    EXPECT_THROW(ReadWholeFile(path), DataError);
}

TEST(ReadWholeFile, APipeInTheFilesPlaceIsRefusedWithoutWaitingForAWriter) {
    TempFolder folder;
    const auto path = folder / "marks2ENG.txt";
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    // Should the read wait for a writer, this one comes, so the test ends either way.
    std::atomic<bool> done{false};
    std::thread writer([&] {
        while (!done) {
            if (const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                ::close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    EXPECT_THROW(ReadWholeFile(path), DataError);
    done = true;
    writer.join();
}
#endif

} // namespace
} // namespace orbisk::files
