#include "core/setup/FolderSetup.h"

#include "CompiledPack.h"
#include "TempFolder.h"
#include "core/formats/PictureHeader.h"
#include "core/io/FileIO.h"
#include "core/io/Folders.h"
#include "core/practice/QuestionPageFile.h"
#include "core/product/SkinTable.h"
#include "core/results/ResultsStore.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace orbisk::setup {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

TEST(StartupFiles, AnEmptyFolderGetsThePicturesAndTheResultsFiles) {
    TempFolder folder;
    const StartupFiles files =
        PrepareApplicationFolder(folder.path(), orbisk::testing::TestBank().pack(), "stamp");
    ASSERT_TRUE(files.config.has_value()) << files.configProblem;
    EXPECT_EQ(files.graphics.written, 89);
    EXPECT_TRUE(files.graphics.failed.empty());
    for (const skin::SkinPicture& picture : skin::SkinPictures()) {
        const auto path = GraphicsFolder(folder.path()) / picture.name;
        ASSERT_TRUE(std::filesystem::exists(path)) << picture.name;
        EXPECT_TRUE(skin::MatchesTable(ReadBytes(path), picture)) << picture.name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(GraphicsFolder(folder.path())), {}), 89);
    for (const int section : {2, 3}) {
        for (const results::ResultsFile file : results::kResultsFiles) {
            EXPECT_EQ(ReadBytes(results::FilePath(folder.path(), file, section, "TST")),
                      *orbisk::testing::TestBank().pack().Find(results::TemplateId(file, section)));
        }
    }
    EXPECT_EQ(files.results.created.size(), 12U);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 13) << "nothing else";
}

TEST(StartupFiles, TemporaryFilesOfWritesCutShortAreRemovedAndTheirFilesKept) {
    TempFolder folder;
    PrepareApplicationFolder(folder.path(), orbisk::testing::TestBank().pack(), "stamp");
    const auto marks = results::FilePath(folder.path(), results::ResultsFile::Marks, 2, "TST");
    const std::string scores = ReadBytes(marks);
    const std::vector<std::filesystem::path> stale{
        files::TemporaryPathFor(marks), files::TemporaryPathFor(GraphicsFolder(folder.path()) / "bar.bmp")};
    for (const auto& path : stale) {
        WriteBytes(path, "half");
    }
    WriteBytes(folder / "notes.saving", "the learner's own");
    const StartupFiles files =
        PrepareApplicationFolder(folder.path(), orbisk::testing::TestBank().pack(), "stamp");
    EXPECT_EQ(files.staleRemoved.size(), 2U);
    for (const auto& path : stale) {
        EXPECT_FALSE(std::filesystem::exists(path)) << path;
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "notes.saving"));
    EXPECT_EQ(ReadBytes(marks), scores);
    EXPECT_TRUE(files.results.repaired.empty() && files.results.created.empty());
}

TEST(StartupFiles, PicturesAreFoundInAnyLetterCase) {
    TempFolder folder;
    InstallGraphics(folder.path(), orbisk::testing::TestBank().pack());
    const auto found = files::FindFileIgnoringCase(GraphicsFolder(folder.path()), "Pencil.ico");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->filename(), "pencil.ico");
    EXPECT_FALSE(files::FindFileIgnoringCase(GraphicsFolder(folder.path()), "pencil.png").has_value());
}

TEST(StartupFiles, APicturesFolderInAnotherLetterCaseIsFilledNotDoubled) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "graphics");
    const GraphicsReport report = InstallGraphics(folder.path(), orbisk::testing::TestBank().pack());
    EXPECT_EQ(report.written, 89);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "graphics"), {}), 89);
}

TEST(StartupFiles, APictureThatIsALinkIsReplacedAndWhatItLeadsToIsLeftAlone) {
    TempFolder folder;
    InstallGraphics(folder.path(), orbisk::testing::TestBank().pack());
    const auto picture = GraphicsFolder(folder.path()) / "bar.bmp";
    const std::string bytes = ReadBytes(picture);
    WriteBytes(folder / "essay.txt", "the learner's own");
    std::filesystem::remove(picture);
    std::filesystem::create_symlink(folder / "essay.txt", picture);
    EXPECT_TRUE(InstallGraphics(folder.path(), orbisk::testing::TestBank().pack()).failed.empty());
    EXPECT_EQ(ReadBytes(folder / "essay.txt"), "the learner's own");
    EXPECT_FALSE(std::filesystem::is_symlink(picture));
    EXPECT_EQ(ReadBytes(picture), bytes);
}

TEST(StartupFiles, APictureLinkThatCannotBeRemovedIsReportedAndWhatItLeadsToIsLeftAlone) {
    TempFolder folder;
    InstallGraphics(folder.path(), orbisk::testing::TestBank().pack());
    const auto graphics = GraphicsFolder(folder.path());
    WriteBytes(folder / "essay.txt", "the learner's own");
    std::filesystem::remove(graphics / "bar.bmp");
    std::filesystem::create_symlink(folder / "essay.txt", graphics / "bar.bmp");
    const orbisk::testing::ReadOnlyFolder readOnly(graphics);
    if (!readOnly.KeepsOut()) {
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    const GraphicsReport report = InstallGraphics(folder.path(), orbisk::testing::TestBank().pack());
    EXPECT_EQ(ReadBytes(folder / "essay.txt"), "the learner's own");
    ASSERT_EQ(report.failed.size(), 1U);
    EXPECT_EQ(report.failed[0].name, "bar.bmp");
}

TEST(StartupFiles, PageFilesLeftBehindAreRemovedInAnyLetterCase) {
    TempFolder folder;
    for (const char* name : {"temppaper15001.mht", "TEMPPAPER15002.MHT", "TempPaper15003.mht"}) {
        WriteBytes(folder / name, "page");
    }
    WriteBytes(folder / "TempPaperNotes.mht", "the learner's own");
    practice::RemoveLeftoverPageFiles(folder.path());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    EXPECT_TRUE(std::filesystem::exists(folder / "TempPaperNotes.mht"));
}

TEST(StartupFiles, AListedFolderGivesTheExactNameFirstThenAnotherCaseThenTheNameAsked) {
    TempFolder folder;
    for (const char* name : {"Bar.BMP", "bar.bmp", "BAZ.bmp"}) {
        WriteBytes(folder / name, "x");
    }
    const files::FolderListing listing(folder.path());
    EXPECT_EQ(listing.PathFor("bar.bmp"), folder / "bar.bmp");
    EXPECT_EQ(listing.PathFor("baz.bmp"), folder / "BAZ.bmp");
    EXPECT_EQ(listing.PathFor("qux.bmp"), folder / "qux.bmp");
}

TEST(StartupFiles, AMissingConfigurationIsReportedAndNoResultsFileIsMade) {
    TempFolder folder;
    MapResourceSource empty;
    const StartupFiles files = PrepareApplicationFolder(folder.path(), empty, "stamp");
    EXPECT_FALSE(files.config.has_value());
    EXPECT_FALSE(files.configProblem.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "Graphics alone";
}

TEST(StartupFiles, AnUnreadableConfigurationIsReported) {
    TempFolder folder;
    MapResourceSource source;
    source.Set(30000, "#NME#>x\r\n#COD#>X\r\n#LBH#>P\r\n#TT2#>many\r\n");
    const StartupFiles files = PrepareApplicationFolder(folder.path(), source, "stamp");
    EXPECT_FALSE(files.config.has_value());
    EXPECT_NE(files.configProblem.find("TT2"), std::string::npos) << files.configProblem;
}

struct LockRecorder {
    std::map<std::filesystem::path, files::LockOutcome> outcomes;
    std::vector<std::filesystem::path> tried;

    files::LockAttempt operator()(const std::filesystem::path& folder) {
        tried.push_back(folder);
        const auto it = outcomes.find(folder);
        return {it == outcomes.end() ? files::LockOutcome::Acquired : it->second, "reason"};
    }
};

const std::filesystem::path kProgram = "/opt/orbisk";
const std::filesystem::path kPerUser = "/home/u/.local/share/Orbisk";

TEST(ApplicationFolder, IsTheProgramsFolderWhenItsLockCanBeTaken) {
    LockRecorder locks;
    const auto choice = files::ChooseApplicationFolder(kProgram, kPerUser, false, std::ref(locks));
    EXPECT_EQ(choice.folder, kProgram);
    EXPECT_EQ(choice.lock.outcome, files::LockOutcome::Acquired);
    EXPECT_EQ(locks.tried, std::vector<std::filesystem::path>{kProgram}) << "nothing is tried elsewhere";
}

TEST(ApplicationFolder, IsThePerUserFolderWhenTheProgramsCannotHoldALock) {
    LockRecorder locks;
    locks.outcomes[kProgram] = files::LockOutcome::CannotCreate;
    const auto choice = files::ChooseApplicationFolder(kProgram, kPerUser, false, std::ref(locks));
    EXPECT_EQ(choice.folder, kPerUser);
    EXPECT_EQ(choice.lock.outcome, files::LockOutcome::Acquired);
    EXPECT_EQ(choice.passedOver, "reason");
}

TEST(ApplicationFolder, AFolderHeldByAnotherCopyIsNotPassedOver) {
    LockRecorder locks;
    locks.outcomes[kProgram] = files::LockOutcome::HeldByAnother;
    const auto choice = files::ChooseApplicationFolder(kProgram, kPerUser, false, std::ref(locks));
    EXPECT_EQ(choice.folder, kProgram);
    EXPECT_EQ(choice.lock.outcome, files::LockOutcome::HeldByAnother);
    EXPECT_EQ(locks.tried.size(), 1U);
}

TEST(ApplicationFolder, AnInstalledCopyUsesThePerUserFolderOnly) {
    LockRecorder locks;
    const auto choice = files::ChooseApplicationFolder(kProgram, kPerUser, true, std::ref(locks));
    EXPECT_EQ(choice.folder, kPerUser);
    EXPECT_EQ(locks.tried, std::vector<std::filesystem::path>{kPerUser});
}

TEST(ApplicationFolder, NoFolderThatCanHoldALockSaysSo) {
    LockRecorder locks;
    locks.outcomes[kProgram] = files::LockOutcome::CannotCreate;
    locks.outcomes[kPerUser] = files::LockOutcome::CannotCreate;
    const auto choice = files::ChooseApplicationFolder(kProgram, kPerUser, false, std::ref(locks));
    EXPECT_EQ(choice.lock.outcome, files::LockOutcome::CannotCreate);
    EXPECT_EQ(choice.folder, kPerUser);
}

TEST(ApplicationFolder, AnInstalledLayoutIsABinFolderBesideItsDesktopEntry) {
    TempFolder prefix;
    std::filesystem::create_directories(prefix / "bin");
    EXPECT_FALSE(files::IsInstalledLayout(prefix / "bin"));
    std::filesystem::create_directories(prefix / "share" / "applications");
    WriteBytes(prefix / "share" / "applications" / "orbisk-practice.desktop", "[Desktop Entry]\n");
    EXPECT_TRUE(files::IsInstalledLayout(prefix / "bin"));
    EXPECT_FALSE(files::IsInstalledLayout(prefix.path())) << "a portable copy beside a share folder";
}

} // namespace
} // namespace orbisk::setup
