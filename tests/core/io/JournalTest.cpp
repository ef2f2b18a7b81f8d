#include "core/io/Journal.h"

#include "TempFolder.h"
#include "core/Errors.h"
#include "core/io/FileIO.h"

#include <gtest/gtest.h>
#include <optional>

namespace orbisk::files {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

class Journal : public ::testing::Test {
protected:
    Journal() {
        WriteBytes(m_folder / "a.txt", "old a");
        WriteBytes(m_folder / "b.txt", "old b");
    }
    ~Journal() override { testing::SetBeforeRenameHook({}); }

    std::filesystem::path JournalFile() const { return m_folder / "change.journal"; }
    std::vector<FileReplacement> NewContents() const {
        return {{m_folder / "a.txt", "new a\r\n"}, {m_folder / "b.txt", std::string("new\nb\0", 6)}};
    }

    TempFolder m_folder;
};

TEST_F(Journal, ReplacesEveryFileAndLeavesNoJournal) {
    ReplaceFilesTogether(JournalFile(), NewContents());
    EXPECT_EQ(ReadBytes(m_folder / "a.txt"), "new a\r\n");
    EXPECT_EQ(ReadBytes(m_folder / "b.txt"), std::string("new\nb\0", 6));
    EXPECT_FALSE(std::filesystem::exists(JournalFile()));
}

TEST_F(Journal, AFailedWritePutsBackTheFilesAlreadyReplaced) {
    const auto failing = TemporaryPathFor(m_folder / "b.txt");
    testing::SetBeforeRenameHook([failing](const std::filesystem::path& temporary) {
        if (temporary == failing) {
            throw WriteError(temporary, "disk full (simulated)");
        }
    });
    bool undone = false;
    EXPECT_THROW(ReplaceFilesTogether(JournalFile(), NewContents(), &undone), WriteError);
    EXPECT_TRUE(undone);
    EXPECT_EQ(ReadBytes(m_folder / "a.txt"), "old a");
    EXPECT_EQ(ReadBytes(m_folder / "b.txt"), "old b");
    EXPECT_FALSE(std::filesystem::exists(JournalFile()));
}

// What a process killed after writing its journal leaves: the next start completes it.
TEST_F(Journal, AJournalLeftBehindIsCompletedAtTheNextStart) {
    WriteBytes(JournalFile(), ComposeJournal(NewContents()));
    const JournalRecovery recovery = CompleteInterruptedReplacement(JournalFile(), "stamp");
    EXPECT_EQ(recovery.outcome, JournalRecovery::Outcome::Completed);
    EXPECT_EQ(ReadBytes(m_folder / "a.txt"), "new a\r\n");
    EXPECT_EQ(ReadBytes(m_folder / "b.txt"), std::string("new\nb\0", 6));
    EXPECT_FALSE(std::filesystem::exists(JournalFile()));
    EXPECT_EQ(CompleteInterruptedReplacement(JournalFile(), "stamp").outcome, JournalRecovery::Outcome::None);
}

TEST_F(Journal, AFileThatCannotBeWrittenKeepsTheJournalForTheNextStart) {
    WriteBytes(JournalFile(), ComposeJournal(NewContents()));
    std::filesystem::permissions(m_folder / "b.txt", std::filesystem::perms::owner_read);
    const JournalRecovery recovery = CompleteInterruptedReplacement(JournalFile(), "stamp");
    EXPECT_EQ(recovery.outcome, JournalRecovery::Outcome::Failed);
    EXPECT_EQ(recovery.file, m_folder / "b.txt");
    EXPECT_TRUE(std::filesystem::exists(JournalFile()));
}

TEST_F(Journal, AChangeLeftForTheNextStartIsNotOverwrittenByANewOne) {
    const std::string pending = ComposeJournal({{m_folder / "a.txt", "pending a"}});
    WriteBytes(JournalFile(), pending);
    EXPECT_THROW(ReplaceFilesTogether(JournalFile(), NewContents()), WriteError);
    EXPECT_EQ(ReadBytes(JournalFile()), pending);
    EXPECT_EQ(ReadBytes(m_folder / "b.txt"), "old b");
}

TEST_F(Journal, IsAsPrivateAsTheMostPrivateFileItHolds) {
    using std::filesystem::perms;
    std::filesystem::permissions(m_folder / "a.txt", perms::owner_read | perms::owner_write);
    std::filesystem::permissions(m_folder / "b.txt",
                                 perms::owner_read | perms::owner_write | perms::group_read);
    std::optional<perms> journal; // the first file written is the journal
    testing::SetBeforeRenameHook([&journal](const std::filesystem::path& temporary) {
        if (!journal) {
            journal = std::filesystem::status(temporary).permissions();
        }
    });
    ReplaceFilesTogether(JournalFile(), NewContents());
    EXPECT_EQ(journal, perms::owner_read | perms::owner_write);
}

class DamagedJournal : public Journal, public ::testing::WithParamInterface<std::string> {};

TEST_P(DamagedJournal, IsSetAsideAndChangesNoFile) {
    WriteBytes(JournalFile(), GetParam());
    const JournalRecovery recovery = CompleteInterruptedReplacement(JournalFile(), "stamp");
    EXPECT_EQ(recovery.outcome, JournalRecovery::Outcome::Damaged);
    EXPECT_EQ(recovery.file, m_folder / "change.journal-damaged-stamp");
    EXPECT_TRUE(std::filesystem::exists(recovery.file));
    EXPECT_FALSE(std::filesystem::exists(JournalFile()));
    EXPECT_EQ(ReadBytes(m_folder / "a.txt"), "old a");
    EXPECT_EQ(ReadBytes(m_folder / "b.txt"), "old b");
}

INSTANTIATE_TEST_SUITE_P(Journal, DamagedJournal,
                         ::testing::Values(std::string(""), std::string("orbisk journal 2\nend\n"),
                                           // cut short: without its end, or inside a file's bytes
                                           std::string("orbisk journal 1\nfile a.txt\n5\nnew a\n"),
                                           std::string("orbisk journal 1\nfile a.txt\n50\nnew a\nend\n"),
                                           // names outside the journal's folder
                                           std::string("orbisk journal 1\nfile ../a.txt\n1\nx\nend\n"),
                                           std::string("orbisk journal 1\nfile sub/a.txt\n1\nx\nend\n"),
                                           std::string("orbisk journal 1\nfile ..\n1\nx\nend\n"),
                                           // a size that is not a number
                                           std::string("orbisk journal 1\nfile a.txt\n-1\nx\nend\n")));

} // namespace
} // namespace orbisk::files
