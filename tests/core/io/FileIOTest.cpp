#include "core/io/FileIO.h"

#include "TempFolder.h"
#include "core/Errors.h"
#include "core/formats/Records.h"

#include <gtest/gtest.h>

namespace orbisk::files {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

struct HookReset {
    ~HookReset() { testing::SetBeforeRenameHook({}); }
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

TEST(ReadWholeFile, NamesTheFileThatIsMissingOrAFolder) {
    TempFolder folder;
    EXPECT_THROW(ReadWholeFile(folder / "absent.txt"), DataError);
    EXPECT_THROW(ReadWholeFile(folder.path()), DataError);
}

} // namespace
} // namespace orbisk::files
