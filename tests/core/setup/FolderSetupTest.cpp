#include "core/setup/FolderSetup.h"

#include "CompiledPack.h"
#include "TempFolder.h"
#include "core/formats/PictureHeader.h"
#include "core/io/Folders.h"
#include "core/product/SkinTable.h"
#include "core/results/ResultsStore.h"

#include <gtest/gtest.h>

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
    EXPECT_FALSE(std::filesystem::exists(ConfigurationTempPath(folder.path())));
    EXPECT_EQ(files.results.created.size(), 12U);
}

TEST(StartupFiles, PicturesAreFoundInAnyLetterCase) {
    TempFolder folder;
    InstallGraphics(folder.path(), orbisk::testing::TestBank().pack());
    const auto found = files::FindFileIgnoringCase(GraphicsFolder(folder.path()), "Pencil.ico");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->filename(), "pencil.ico");
    EXPECT_FALSE(files::FindFileIgnoringCase(GraphicsFolder(folder.path()), "pencil.png").has_value());
}

TEST(StartupFiles, AMissingConfigurationIsReportedAndNothingIsLeftBehind) {
    TempFolder folder;
    MapResourceSource empty;
    const StartupFiles files = PrepareApplicationFolder(folder.path(), empty, "stamp");
    EXPECT_FALSE(files.config.has_value());
    EXPECT_FALSE(files.configProblem.empty());
    EXPECT_FALSE(std::filesystem::exists(ConfigurationTempPath(folder.path())));
}

TEST(StartupFiles, AnUnreadableConfigurationIsReportedAndItsTemporaryFileRemoved) {
    TempFolder folder;
    MapResourceSource source;
    source.Set(30000, "#NME#>x\r\n#COD#>X\r\n#LBH#>P\r\n#TT2#>many\r\n");
    const StartupFiles files = PrepareApplicationFolder(folder.path(), source, "stamp");
    EXPECT_FALSE(files.config.has_value());
    EXPECT_NE(files.configProblem.find("TT2"), std::string::npos) << files.configProblem;
    EXPECT_FALSE(std::filesystem::exists(ConfigurationTempPath(folder.path())));
}

TEST(ApplicationFolder, IsTheProgramsFolderUnlessItCannotBeWritten) {
    EXPECT_EQ(files::ChooseApplicationFolder("/opt/orbisk", "/home/u/.local/share/Orbisk",
                                             [](const std::filesystem::path&) { return true; }),
              "/opt/orbisk");
    EXPECT_EQ(
        files::ChooseApplicationFolder("/opt/orbisk", "/home/u/.local/share/Orbisk",
                                       [](const std::filesystem::path& p) { return p != "/opt/orbisk"; }),
        "/home/u/.local/share/Orbisk");
    TempFolder folder;
    EXPECT_TRUE(files::IsFolderWritable(folder.path()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 0);
    WriteBytes(folder / "plain-file", "x");
    EXPECT_FALSE(files::IsFolderWritable(folder / "plain-file" / "below"));
}

} // namespace
} // namespace orbisk::setup
