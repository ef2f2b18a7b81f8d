#include "core/results/ResultsStore.h"

#include "ResultsTemplates.h"
#include "TempFolder.h"
#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/io/Journal.h"
#include "core/results/ResultsTemplates.h"

#include <gtest/gtest.h>

namespace orbisk::results {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

struct NameCase {
    ResultsFile file;
    const char* name;
    int templateId;
};

class Names : public ::testing::TestWithParam<NameCase> {};

TEST_P(Names, FollowTheSectionAndProductCode) {
    EXPECT_EQ(FileName(GetParam().file, 2, "ENG"), GetParam().name);
    EXPECT_EQ(TemplateId(GetParam().file, 2), GetParam().templateId);
    // Sections keep apart: section 1's templates end below section 2's, section 3's start above.
    EXPECT_EQ(TemplateId(GetParam().file, 1), GetParam().templateId - 10);
    EXPECT_EQ(TemplateId(GetParam().file, 3), GetParam().templateId + 10);
}

INSTANTIATE_TEST_SUITE_P(ResultsStore, Names,
                         ::testing::Values(NameCase{ResultsFile::Marks, "marks2ENG.txt", 30121},
                                           NameCase{ResultsFile::First, "first2ENG.txt", 30122},
                                           NameCase{ResultsFile::Second, "second2ENG.txt", 30123},
                                           NameCase{ResultsFile::FResults, "fresults2ENG.txt", 30124},
                                           NameCase{ResultsFile::SResults, "sresults2ENG.txt", 30125},
                                           NameCase{ResultsFile::Trend, "trend2ENG.txt", 30126}));

TEST(ResultsStore, ResetWritesEveryFileByteForByteFromItsTemplate) {
    TempFolder folder;
    MapResourceSource templates;
    orbisk::testing::AddResultsTemplates(templates, 2, std::vector<int>(50, 30));
    orbisk::testing::AddResultsTemplates(templates, 1, std::vector<int>(5, 1));
    WriteBytes(FilePath(folder.path(), ResultsFile::Marks, 2, "ENG"), std::string(4000, 'x'));
    EXPECT_TRUE(ResetResults(folder.path(), "ENG", {1, 2}, templates).notErased.empty());
    for (const int section : {1, 2}) {
        for (const ResultsFile file : kResultsFiles) {
            EXPECT_EQ(ReadBytes(FilePath(folder.path(), file, section, "ENG")),
                      *templates.Find(TemplateId(file, section)));
        }
    }
    EXPECT_EQ(ReadBytes(folder / "trend2ENG.txt"), "#TRD#");
}

TEST(ResultsStore, ResetDropsAMarkingCutShortSoThatNoStartBringsItBack) {
    TempFolder folder;
    MapResourceSource templates;
    orbisk::testing::AddResultsTemplates(templates, 2, std::vector<int>(5, 1));
    const auto marks = FilePath(folder.path(), ResultsFile::Marks, 2, "ENG");
    WriteBytes(MarkingJournalPath(folder.path()), files::ComposeJournal({{marks, "old marks"}}));
    EXPECT_TRUE(ResetResults(folder.path(), "ENG", {2}, templates).notErased.empty());
    EXPECT_EQ(files::CompleteInterruptedReplacement(MarkingJournalPath(folder.path()), "stamp").outcome,
              files::JournalRecovery::Outcome::None);
    EXPECT_EQ(ReadBytes(marks), *templates.Find(TemplateId(ResultsFile::Marks, 2)));
}

TEST(ResultsStore, ResetReportsTheFilesItCouldNotWriteAndWritesNone) {
    TempFolder folder;
    MapResourceSource templates;
    orbisk::testing::AddResultsTemplates(templates, 2, std::vector<int>(5, 1));
    templates.Remove(TemplateId(ResultsFile::Trend, 2));
    std::filesystem::create_directory(FilePath(folder.path(), ResultsFile::Second, 2, "ENG"));
    const ResetReport report = ResetResults(folder.path(), "ENG", {2}, templates);
    ASSERT_EQ(report.notErased.size(), 2U);
    EXPECT_EQ(report.notErased[0].file.filename(), "second2ENG.txt");
    EXPECT_EQ(report.notErased[1].file.filename(), "trend2ENG.txt");
    EXPECT_TRUE(report.nothingErased);
    EXPECT_FALSE(std::filesystem::exists(FilePath(folder.path(), ResultsFile::Marks, 2, "ENG")));
}

// A paper must not be left marked with its answers erased, nor the other way round.
TEST(ResultsStore, ResetNamesAReadOnlyFileAndLeavesEveryFileAsItWas) {
    TempFolder folder;
    MapResourceSource templates;
    orbisk::testing::AddResultsTemplates(templates, 2, std::vector<int>(5, 1));
    const auto marks = FilePath(folder.path(), ResultsFile::Marks, 2, "ENG");
    WriteBytes(MarkingJournalPath(folder.path()), files::ComposeJournal({{marks, "old marks"}}));
    for (const ResultsFile file : kResultsFiles) {
        WriteBytes(FilePath(folder.path(), file, 2, "ENG"), "learner's results");
    }
    std::filesystem::permissions(marks, std::filesystem::perms::owner_read);
    const ResetReport report = ResetResults(folder.path(), "ENG", {2}, templates);
    ASSERT_EQ(report.notErased.size(), 1U);
    EXPECT_EQ(report.notErased[0].file, marks);
    EXPECT_EQ(report.notErased[0].section, 2);
    for (const ResultsFile file : kResultsFiles) {
        EXPECT_EQ(ReadBytes(FilePath(folder.path(), file, 2, "ENG")), "learner's results");
    }
    EXPECT_TRUE(std::filesystem::exists(MarkingJournalPath(folder.path())));
}

TEST(ResultsStore, ResetWhoseEveryWriteFailsSaysNothingWasErased) {
    TempFolder folder;
    MapResourceSource templates;
    orbisk::testing::AddResultsTemplates(templates, 2, std::vector<int>(5, 1));
    files::testing::SetBeforeRenameHook(
        [](const std::filesystem::path& temporary) { throw WriteError(temporary, "disk full (simulated)"); });
    const ResetReport report = ResetResults(folder.path(), "ENG", {2}, templates);
    files::testing::SetBeforeRenameHook({});
    EXPECT_EQ(report.notErased.size(), kResultsFiles.size());
    EXPECT_TRUE(report.nothingErased);
}

TEST(ResultsStore, ResetInAFolderThatTakesNoNewFileWritesNothing) {
    TempFolder folder;
    MapResourceSource templates;
    orbisk::testing::AddResultsTemplates(templates, 2, std::vector<int>(5, 1));
    for (const ResultsFile file : kResultsFiles) {
        WriteBytes(FilePath(folder.path(), file, 2, "ENG"), "learner's results");
    }
    const orbisk::testing::ReadOnlyFolder readOnly(folder.path());
    if (!readOnly.KeepsOut()) {
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    const ResetReport check = CheckReset(folder.path(), "ENG", {2}, templates);
    const ResetReport report = ResetResults(folder.path(), "ENG", {2}, templates);
    EXPECT_TRUE(check.nothingErased);
    EXPECT_EQ(report.notErased.size(), kResultsFiles.size());
    EXPECT_TRUE(report.nothingErased);
}

TEST(ResultsStore, ResetRewritesFilesNamedInAnotherLetterCaseWithoutMakingSecondOnes) {
    TempFolder folder;
    MapResourceSource templates;
    orbisk::testing::AddResultsTemplates(templates, 2, std::vector<int>(5, 3));
    ASSERT_TRUE(ResetResults(folder.path(), "ENG", {2}, templates).notErased.empty());
    for (const ResultsFile file : kResultsFiles) {
        std::string name = FileName(file, 2, "ENG");
        name[0] = static_cast<char>(name[0] - 'a' + 'A'); // Marks2ENG.txt
        std::filesystem::rename(folder / FileName(file, 2, "ENG"), folder / name);
        WriteBytes(folder / name, "results to erase");
    }
    EXPECT_TRUE(ResetResults(folder.path(), "ENG", {2}, templates).notErased.empty());
    for (const ResultsFile file : kResultsFiles) {
        std::string name = FileName(file, 2, "ENG");
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
        EXPECT_EQ(ReadBytes(folder / name), *templates.Find(TemplateId(file, 2))) << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 6);
}

TEST(ResultsStore, MarksRoundTripInTheirOrder) {
    TempFolder folder;
    const auto path = folder / "marks2ENG.txt";
    WriteBytes(path, results::MarksTemplate(50));
    Marks marks = ReadMarks(path, 50);
    EXPECT_EQ(marks.FST, std::vector<std::string>(50, "0"));
    EXPECT_EQ(marks.FSE, std::vector<std::string>(50, ""));
    marks.FSE[11] = "90";
    marks.LTM[11] = "0:12:5";
    marks.CDD[11] = "08/12/2026";
    marks.FST[11] = "1";
    WriteMarks(path, marks, 50);
    const std::string written = ReadBytes(path);
    EXPECT_EQ(written.find("..."), std::string::npos);
    EXPECT_EQ(written.find("#FSE#"), 0U);
    EXPECT_LT(written.find("#SSE#"), written.find("#LTM#"));
    EXPECT_LT(written.find("#CDD#"), written.find("#FST#"));
    EXPECT_LT(written.find("#FST#"), written.find("#SST#"));
    const Marks again = ReadMarks(path, 50);
    EXPECT_EQ(again.FSE[11], "90");
    EXPECT_EQ(again.LTM[11], "0:12:5");
    EXPECT_EQ(again.CDD[11], "08/12/2026");
    EXPECT_EQ(again.FST[11], "1");
    EXPECT_EQ(again.SST, std::vector<std::string>(50, "0"));
}

TEST(ResultsStore, AShortMarksRecordIsADataError) {
    TempFolder folder;
    const auto path = folder / "marks2ENG.txt";
    WriteBytes(path, results::MarksTemplate(20));
    EXPECT_THROW(ReadMarks(path, 50), DataError);
}

TEST(ResultsStore, TrendGrowsByOneValuePerMarkedPaper) {
    TempFolder folder;
    const auto path = folder / "trend2ENG.txt";
    WriteBytes(path, "#TRD#");
    AppendTrend(path, "90");
    EXPECT_EQ(ReadBytes(path), "#TRD#>90\r\n");
    AppendTrend(path, "86.7");
    EXPECT_EQ(ReadBytes(path), "#TRD#>90>86.7\r\n");
}

class TrendWithoutRecord : public ::testing::TestWithParam<bool> {};

// The file empty, or gone while the program runs: it held no value to keep.
TEST_P(TrendWithoutRecord, GetsANewRecordNotAKeylessLine) {
    TempFolder folder;
    const auto path = folder / "trend2ENG.txt";
    if (GetParam()) {
        WriteBytes(path, "");
    }
    AppendTrend(path, "100");
    EXPECT_EQ(ReadBytes(path), "#TRD#>100\r\n");
    EXPECT_EQ(records::SplitRecord(records::ReadRecordLine(path, "TRD"), 1), std::vector<std::string>{"100"});
}

INSTANTIATE_TEST_SUITE_P(ResultsStore, TrendWithoutRecord, ::testing::Values(true, false),
                         [](const auto& test) { return test.param ? "empty_file" : "no_file"; });

} // namespace
} // namespace orbisk::results
