#include "core/results/ResultsCheck.h"

#include "ResultsTemplates.h"
#include "TempFolder.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/results/ResultsTemplates.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace orbisk::results {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

constexpr const char* kStamp = "20261208-101500";

class EnsureFiles : public ::testing::Test {
protected:
    void UsePapers(std::vector<int> answers) {
        m_answers = std::move(answers);
        m_templates = MapResourceSource();
        orbisk::testing::AddResultsTemplates(m_templates, 2, m_answers);
    }
    EnsureFiles() { UsePapers(std::vector<int>(10, 3)); }

    EnsureReport Ensure() {
        return EnsureResultsFiles(m_folder.path(), "ENG", {{2, static_cast<int>(m_answers.size())}},
                                  m_templates, kStamp);
    }
    std::filesystem::path Path(ResultsFile file) const { return FilePath(m_folder.path(), file, 2, "ENG"); }
    std::string Template(ResultsFile file) const {
        return std::string(*m_templates.Find(TemplateId(file, 2)));
    }

    TempFolder m_folder;
    MapResourceSource m_templates;
    std::vector<int> m_answers;
};

TEST_F(EnsureFiles, AFreshFolderGetsAllSixFilesFromTheTemplates) {
    const EnsureReport report = Ensure();
    EXPECT_EQ(report.created.size(), 6U);
    EXPECT_TRUE(report.extended.empty() && report.repaired.empty() && report.failed.empty());
    for (const ResultsFile file : kResultsFiles) {
        EXPECT_EQ(ReadBytes(Path(file)), Template(file));
    }
}

// Records each folder flush of a write while it lives.
struct FolderSyncs {
    explicit FolderSyncs(std::function<void()> atEach) {
        files::testing::SetFolderSyncedHook([atEach](const std::filesystem::path&) { atEach(); });
    }
    ~FolderSyncs() { files::testing::SetFolderSyncedHook({}); }
};

TEST_F(EnsureFiles, FilesMadeFromTheirTemplatesDoNotWaitForTheDisk) {
    int flushes = 0;
    const FolderSyncs syncs([&] { ++flushes; });
    EXPECT_EQ(Ensure().created.size(), 6U);
    EXPECT_EQ(flushes, 0);
}

// What a power cut can leave of a file made from its template.
class EmptyFile : public EnsureFiles, public ::testing::WithParamInterface<ResultsFile> {};

TEST_P(EmptyFile, IsMadeAgainFromItsTemplateWithoutACopyOrAWord) {
    Ensure();
    WriteBytes(Path(GetParam()), "");
    const EnsureReport report = Ensure();
    EXPECT_EQ(report.created, std::vector<std::filesystem::path>{Path(GetParam())});
    EXPECT_TRUE(report.repaired.empty() && report.failed.empty());
    EXPECT_EQ(ReadBytes(Path(GetParam())), Template(GetParam()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()), {}), 6) << "no copy aside";
}

INSTANTIATE_TEST_SUITE_P(ResultsCheck, EmptyFile, ::testing::Values(ResultsFile::Marks, ResultsFile::First));

TEST_F(EnsureFiles, SoundFilesAreNotTouched) {
    Ensure();
    Marks marks = ReadMarks(Path(ResultsFile::Marks), 10);
    marks.FSE[2] = "86.7";
    marks.FST[2] = "1";
    WriteMarks(Path(ResultsFile::Marks), marks, 10);
    WriteBytes(Path(ResultsFile::Trend), "#TRD#>86.7\r\n");
    const auto before = std::filesystem::last_write_time(Path(ResultsFile::Marks));
    const EnsureReport report = Ensure();
    EXPECT_TRUE(report.created.empty() && report.extended.empty() && report.repaired.empty() &&
                report.failed.empty());
    EXPECT_EQ(std::filesystem::last_write_time(Path(ResultsFile::Marks)), before);
    EXPECT_EQ(ReadMarks(Path(ResultsFile::Marks), 10).FSE[2], "86.7");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()), {}), 6);
}

TEST_F(EnsureFiles, AMissingTrendFileIsRecreatedAloneAndTheScoresStay) {
    Ensure();
    Marks marks = ReadMarks(Path(ResultsFile::Marks), 10);
    marks.FSE[0] = "90";
    WriteMarks(Path(ResultsFile::Marks), marks, 10);
    const std::string scores = ReadBytes(Path(ResultsFile::Marks));
    std::filesystem::remove(Path(ResultsFile::Trend));
    const EnsureReport report = Ensure();
    ASSERT_EQ(report.created.size(), 1U);
    EXPECT_EQ(report.created[0], Path(ResultsFile::Trend));
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Trend)), "#TRD#");
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Marks)), scores);
}

struct DamageCase {
    const char* name;
    ResultsFile file;
    std::string content;
};

class DamagedFile : public EnsureFiles, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedFile, IsKeptAsADatedCopyRecreatedAndNamed) {
    Ensure();
    const DamageCase& c = GetParam();
    WriteBytes(Path(c.file), c.content);
    const EnsureReport report = Ensure();
    ASSERT_EQ(report.repaired.size(), 1U);
    EXPECT_TRUE(report.created.empty() && report.extended.empty() && report.failed.empty());
    const RepairedFile& repaired = report.repaired[0];
    EXPECT_EQ(repaired.file, Path(c.file));
    EXPECT_FALSE(repaired.problem.empty());
    EXPECT_NE(repaired.copy.filename().string().find(kStamp), std::string::npos);
    EXPECT_EQ(ReadBytes(repaired.copy), c.content);
    EXPECT_EQ(ReadBytes(Path(c.file)), Template(c.file));
}

TEST_F(EnsureFiles, ADamagedFilesCopyIsOnTheDiskBeforeTheFileIsReplaced) {
    Ensure();
    WriteBytes(Path(ResultsFile::First), "#101#>a");
    const std::filesystem::path copy = DamagedCopyPath(Path(ResultsFile::First), kStamp);
    std::vector<std::pair<bool, std::string>> seen; // at each flush: the copy there? the file's bytes
    {
        const FolderSyncs syncs(
            [&] { seen.emplace_back(std::filesystem::exists(copy), ReadBytes(Path(ResultsFile::First))); });
        ASSERT_EQ(Ensure().repaired.size(), 1U);
    }
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), std::make_pair(true, std::string("#101#>a")));
}

// The marks template with record @p key replaced by @p record.
std::string marksWith(const std::string& key, const std::string& record, int papers = 10) {
    std::string text = results::MarksTemplate(papers);
    const auto at = text.find("#" + key + "#");
    return text.replace(at, text.find("\r\n", at) - at, record);
}

// The answers template of ten papers of three slots with @p record replaced by @p by.
std::string paperRecordsWith(const std::string& record, const std::string& by) {
    std::string text = results::PaperRecordsTemplate(std::vector<int>(10, 3));
    return text.replace(text.find(record), record.size(), by);
}

INSTANTIATE_TEST_SUITE_P(
    ResultsCheck, DamagedFile,
    ::testing::Values(DamageCase{"marks_record_without_values", ResultsFile::Marks,
                                 marksWith("LTM", "#LTM#")},
                      DamageCase{"marks_record_missing", ResultsFile::Marks, "#FSE#>>>>>>>>>>\r\n"},
                      DamageCase{"answers_out_of_order", ResultsFile::FResults, "#102#>>>\r\n#101#>>>\r\n"},
                      DamageCase{"binary_garbage", ResultsFile::Marks, std::string("\0\x01\xff#\x7f", 5)},
                      // Found by fuzzing: accepted, then every write of the marks failed.
                      DamageCase{"marks_record_behind_other_text", ResultsFile::Marks,
                                 marksWith("FST", "\x01\x02#FST#>0>0>0>0>0>0>0>0>0>0")},
                      // One character before the key moves every value one place along.
                      DamageCase{"marks_record_one_character_behind", ResultsFile::Marks,
                                 marksWith("FSE", " #FSE#>90>>>>>>>>>")}),
    [](const auto& test) { return std::string(test.param.name); });

// An answers or verdicts file where only some papers' records cannot be read
// as they stand: those records start afresh, and paper 101's answers stay.
struct RecordDamageCase {
    const char* name;
    ResultsFile file;
    std::vector<std::pair<std::string, std::string>> damage; // template record -> what stands there
    std::vector<int> papers;                                 // the papers started afresh
};

class DamagedRecords : public EnsureFiles, public ::testing::WithParamInterface<RecordDamageCase> {};

TEST_P(DamagedRecords, StartAfreshAloneAndTheOtherPapersKeepTheirAnswers) {
    Ensure();
    const RecordDamageCase& c = GetParam();
    std::string content = paperRecordsWith("#101#>>>", "#101#>a>b>c");
    for (const auto& [record, by] : c.damage) {
        content.replace(content.find(record), record.size(), by);
    }
    WriteBytes(Path(c.file), content);
    const EnsureReport report = Ensure();
    ASSERT_EQ(report.repaired.size(), 1U);
    EXPECT_EQ(report.repaired[0].papers, c.papers);
    EXPECT_EQ(ReadBytes(report.repaired[0].copy), content);
    const std::vector<std::string> kept = records::ReadPaperRecords(Path(c.file), 10);
    const std::vector<std::string> fresh =
        records::ReadPaperRecords(records::RecordText("", Template(c.file)), 10);
    EXPECT_EQ(kept[0], "#101#>a>b>c");
    for (std::size_t i = 1; i < kept.size(); ++i) {
        EXPECT_EQ(kept[i], fresh[i]) << "paper " << 101 + i;
    }
    EXPECT_EQ(ReadBytes(Path(c.file)).find("..."), std::string::npos)
        << "records only, as every write leaves it";
    EXPECT_TRUE(Ensure().repaired.empty()); // the next start finds the file sound
}

INSTANTIATE_TEST_SUITE_P(
    ResultsCheck, DamagedRecords,
    ::testing::Values(
        RecordDamageCase{"too_few_values", ResultsFile::First, {{"#103#>>>", "#103#>x>y"}}, {103}},
        RecordDamageCase{"missing_between_two_others", ResultsFile::Second, {{"#105#>>>\r\n", ""}}, {105}},
        RecordDamageCase{"text_before_the_key", ResultsFile::FResults, {{"#104#>>>", " #104#>Y>N>Y"}}, {104}},
        RecordDamageCase{
            "key_not_followed_by_its_values", ResultsFile::SResults, {{"#110#>>>", "#110#x>Y>N>Y"}}, {110}},
        RecordDamageCase{
            "two_papers", ResultsFile::First, {{"#102#>>>", "#102#>x"}, {"#107#>>>", "#107#>"}}, {102, 107}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(EnsureFiles, AFileCutShortMidRecordKeepsTheRecordsBeforeTheCut) {
    Ensure();
    WriteBytes(Path(ResultsFile::Second), "#101#>a>b>c\r\n#102#>d");
    const EnsureReport report = Ensure();
    ASSERT_EQ(report.repaired.size(), 1U);
    EXPECT_EQ(report.repaired[0].papers, std::vector<int>{102});
    const std::vector<std::string> kept = records::ReadPaperRecords(Path(ResultsFile::Second), 10);
    EXPECT_EQ(kept[0], "#101#>a>b>c");
    EXPECT_EQ(kept[1], "#102#>>>");
    EXPECT_EQ(kept[9], "#110#>>>");
}

// Files that hold more than this install reads: an install with a larger bank
// shares the folder, or a line was added that no reader takes. Each of these
// was once copied aside and reset.
class SurplusFile : public EnsureFiles, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(SurplusFile, IsLeftAsItIsWithoutAWord) {
    Ensure();
    const DamageCase& c = GetParam();
    WriteBytes(Path(c.file), c.content);
    const EnsureReport report = Ensure();
    EXPECT_TRUE(report.created.empty() && report.extended.empty() && report.repaired.empty() &&
                report.failed.empty());
    EXPECT_EQ(ReadBytes(Path(c.file)), c.content);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()), {}), 6) << "no copy aside";
}

INSTANTIATE_TEST_SUITE_P(
    ResultsCheck, SurplusFile,
    ::testing::Values(DamageCase{"marks_records_for_more_papers", ResultsFile::Marks,
                                 results::MarksTemplate(12)},
                      DamageCase{"marks_records_of_unequal_length", ResultsFile::Marks,
                                 marksWith("FSE", "#FSE#>90>>>>>>>>>>>>", 10)},
                      DamageCase{"answers_more_papers_than_configured", ResultsFile::SResults,
                                 results::PaperRecordsTemplate(std::vector<int>(11, 3))},
                      DamageCase{"answers_record_with_an_extra_value", ResultsFile::First,
                                 paperRecordsWith("#101#>>>", "#101#>1>2>3>4")},
                      DamageCase{"answers_record_of_a_paper_twice", ResultsFile::First,
                                 paperRecordsWith("#101#>>>", "#101#>a>b>c\r\n#101#>d>e>f")},
                      DamageCase{"answers_with_a_line_of_other_records", ResultsFile::Second,
                                 paperRecordsWith("#102#>>>", "#NOTE#>kept for later\r\n#102#>>>")},
                      // The paper opens without the "#", and no writer rebuilds another paper's record.
                      DamageCase{"answers_with_a_character_the_file_cannot_hold", ResultsFile::First,
                                 paperRecordsWith("#105#>>>", "#105#>x#y>>")},
                      DamageCase{"trend_without_record", ResultsFile::Trend, "90>80\r\n"},
                      DamageCase{"trend_empty", ResultsFile::Trend, ""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(EnsureFiles, AMarksRecordShorterThanTheOthersIsExtendedAlone) {
    Ensure();
    WriteBytes(Path(ResultsFile::Marks), marksWith("FSE", "#FSE#>75>>>>>>>>", 10));
    const EnsureReport report = Ensure();
    ASSERT_EQ(report.extended.size(), 1U);
    EXPECT_TRUE(report.repaired.empty());
    const Marks marks = ReadMarks(Path(ResultsFile::Marks), 10);
    EXPECT_EQ(marks.FSE[0], "75");
    EXPECT_EQ(marks.FST, std::vector<std::string>(10, "0"));
}

TEST_F(EnsureFiles, TheSurplusOfALargerInstallSurvivesThisOnesWrites) {
    // The larger install's files: twelve papers of three answer slots.
    UsePapers(std::vector<int>(12, 3));
    Ensure();
    Marks large = ReadMarks(Path(ResultsFile::Marks), 12);
    large.FSE[10] = "55.5";
    large.FST[10] = "1";
    WriteMarks(Path(ResultsFile::Marks), large, 12);
    std::vector<std::string> lines = records::ReadPaperRecords(Path(ResultsFile::First), 12);
    records::WritePaperRecord(lines, {"a", "b", "c"}, 12, "112", 12, 3, Path(ResultsFile::First));

    // This install has ten papers: it reads its own and marks paper 101.
    UsePapers(std::vector<int>(10, 3));
    EXPECT_TRUE(Ensure().repaired.empty());
    Marks marks = ReadMarks(Path(ResultsFile::Marks), 10);
    EXPECT_EQ(marks.FSE, std::vector<std::string>(10)) << "the last value stops at its own separator";
    marks.FSE[0] = "80";
    WriteMarks(Path(ResultsFile::Marks), marks, 10);
    lines = records::ReadPaperRecords(Path(ResultsFile::First), 10);
    records::WritePaperRecord(lines, {"1", "2", "3"}, 1, "101", 10, 3, Path(ResultsFile::First));

    // The larger install finds both its values and this one's.
    const Marks again = ReadMarks(Path(ResultsFile::Marks), 12);
    EXPECT_EQ(again.FSE[0], "80");
    EXPECT_EQ(again.FSE[10], "55.5");
    EXPECT_EQ(again.FST[10], "1");
    const auto papers = records::ReadPaperRecords(Path(ResultsFile::First), 12);
    EXPECT_EQ(papers[0], "#101#>1>2>3");
    EXPECT_EQ(papers[11], "#112#>a>b>c");
}

// Results files whose names differ from the program's only in letter case are
// the program's files: once a second, empty file was made beside each.
class OtherCase : public EnsureFiles, public ::testing::WithParamInterface<ResultsFile> {};

TEST_P(OtherCase, IsFoundReadAndWrittenUnderItsOwnName) {
    Ensure();
    const std::filesystem::path lower = Path(GetParam());
    std::string upper = lower.filename().string();
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return std::toupper(c); });
    std::filesystem::rename(lower, m_folder / upper);
    EXPECT_EQ(Path(GetParam()), m_folder / upper);
    const EnsureReport report = Ensure();
    EXPECT_TRUE(report.created.empty() && report.repaired.empty() && report.failed.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()), {}), 6);
    EXPECT_FALSE(std::filesystem::exists(lower));
}

INSTANTIATE_TEST_SUITE_P(ResultsCheck, OtherCase, ::testing::ValuesIn(kResultsFiles),
                         [](const auto& test) { return std::string(BaseName(test.param)); });

TEST_F(EnsureFiles, MarksInAnotherLetterCaseAreReadAndWrittenBack) {
    Ensure();
    Marks marks = ReadMarks(Path(ResultsFile::Marks), 10);
    marks.FSE[0] = "90";
    WriteMarks(Path(ResultsFile::Marks), marks, 10);
    std::filesystem::rename(Path(ResultsFile::Marks), m_folder / "Marks2ENG.txt");
    EXPECT_EQ(ReadMarks(Path(ResultsFile::Marks), 10).FSE[0], "90");
    marks.FSE[1] = "70";
    WriteMarks(Path(ResultsFile::Marks), marks, 10);
    EXPECT_EQ(ReadMarks(m_folder / "Marks2ENG.txt", 10).FSE[1], "70");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "marks2ENG.txt"));
}

TEST_F(EnsureFiles, ASecondDamageTheSameSecondKeepsBothCopies) {
    Ensure();
    WriteBytes(Path(ResultsFile::Marks), "first damage");
    Ensure();
    WriteBytes(Path(ResultsFile::Marks), "second damage");
    const EnsureReport report = Ensure();
    ASSERT_EQ(report.repaired.size(), 1U);
    EXPECT_EQ(ReadBytes(report.repaired[0].copy), "second damage");
    EXPECT_EQ(ReadBytes(m_folder / ("marks2ENG-damaged-" + std::string(kStamp) + ".txt")), "first damage");
}

TEST_F(EnsureFiles, FilesWrittenForFewerPapersAreExtendedKeepingTheirValues) {
    UsePapers({3, 3, 3, 3, 3});
    Ensure();
    Marks marks = ReadMarks(Path(ResultsFile::Marks), 5);
    marks.FSE[4] = "66.7";
    marks.LTM[4] = "0:3:9";
    marks.FST[4] = "1";
    WriteMarks(Path(ResultsFile::Marks), marks, 5);
    std::vector<std::string> lines = records::ReadPaperRecords(Path(ResultsFile::First), 5);
    records::WritePaperRecord(lines, {"1", "2", "3"}, 5, "105", 5, 3, Path(ResultsFile::First));
    WriteBytes(Path(ResultsFile::Trend), "#TRD#>66.7\r\n");

    // The update brings fifteen more papers, with other answer counts.
    std::vector<int> answers(5, 3);
    answers.insert(answers.end(), 15, 7);
    UsePapers(answers);
    const EnsureReport report = Ensure();
    EXPECT_EQ(report.extended.size(), 5U); // the trend file has no papers to extend
    EXPECT_TRUE(report.created.empty() && report.repaired.empty() && report.failed.empty());

    const Marks extended = ReadMarks(Path(ResultsFile::Marks), 20);
    EXPECT_EQ(extended.FSE[4], "66.7");
    EXPECT_EQ(extended.LTM[4], "0:3:9");
    EXPECT_EQ(extended.FST[4], "1");
    EXPECT_EQ(extended.FST[19], "0");
    EXPECT_EQ(extended.FSE[19], "");
    const auto papers = records::ReadPaperRecords(Path(ResultsFile::First), 20);
    EXPECT_EQ(papers[4], "#105#>1>2>3");
    EXPECT_EQ(papers[19], "#120#>>>>>>>");
    EXPECT_EQ(records::SplitRecord(papers[19], 7).size(), 7U);
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Trend)), "#TRD#>66.7\r\n");
    // Extended once, sound from then on.
    EXPECT_TRUE(Ensure().extended.empty());
}

TEST_F(EnsureFiles, AMissingFileThatCannotBeWrittenIsReportedAsNotMade) {
    std::filesystem::create_directory(files::TemporaryPathFor(Path(ResultsFile::Marks)));
    const EnsureReport report = Ensure();
    ASSERT_EQ(report.notCreated.size(), 1U);
    EXPECT_EQ(report.notCreated[0].file, Path(ResultsFile::Marks));
    EXPECT_TRUE(report.failed.empty());
    EXPECT_EQ(report.created.size(), kResultsFiles.size() - 1) << "the others are made all the same";
}

TEST_F(EnsureFiles, ADamagedFileThatCannotBeReplacedGetsNoCopyAtEveryStart) {
    Ensure();
    WriteBytes(Path(ResultsFile::Marks), "#FSE#>>>\r\n");
    std::filesystem::permissions(Path(ResultsFile::Marks), std::filesystem::perms::owner_read);
    for (int start = 1; start <= 2; ++start) {
        const EnsureReport report = Ensure();
        ASSERT_EQ(report.failed.size(), 1U);
        EXPECT_EQ(report.failed[0].file, Path(ResultsFile::Marks));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()), {}), 6)
        << "the six files, and no copy";
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Marks)), "#FSE#>>>\r\n");
}

TEST_F(EnsureFiles, AFileThatCannotBeKeptAsideIsLeftAloneAndReported) {
    Ensure();
    std::filesystem::remove(Path(ResultsFile::Second));
    std::filesystem::create_directory(Path(ResultsFile::Second));
    const EnsureReport report = Ensure();
    ASSERT_EQ(report.failed.size(), 1U);
    EXPECT_EQ(report.failed[0].file, Path(ResultsFile::Second));
    EXPECT_TRUE(std::filesystem::is_directory(Path(ResultsFile::Second)));
}

// A template made for fewer papers than the configuration names cannot check
// the file: the file is reported and left as it is, not repaired from it.
struct MismatchCase {
    const char* name;
    ResultsFile file;
};

class TemplateMismatch : public EnsureFiles, public ::testing::WithParamInterface<MismatchCase> {};

TEST_P(TemplateMismatch, IsReportedForItsFileWhichIsLeftAsItIs) {
    Ensure();
    const ResultsFile kind = GetParam().file;
    const std::string before = ReadBytes(Path(kind));
    m_templates.Set(TemplateId(kind, 2), kind == ResultsFile::Marks
                                             ? MarksTemplate(5)
                                             : PaperRecordsTemplate(std::vector<int>(5, 3)));
    const EnsureReport report = Ensure();
    ASSERT_EQ(report.failed.size(), 1U);
    EXPECT_EQ(report.failed[0].file, Path(kind));
    EXPECT_NE(report.failed[0].problem.find("template does not fit"), std::string::npos)
        << report.failed[0].problem;
    EXPECT_TRUE(report.created.empty() && report.extended.empty() && report.repaired.empty());
    EXPECT_EQ(ReadBytes(Path(kind)), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()), {}), 6);
}

INSTANTIATE_TEST_SUITE_P(ResultsCheck, TemplateMismatch,
                         ::testing::Values(MismatchCase{"marks", ResultsFile::Marks},
                                           MismatchCase{"answers", ResultsFile::First}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(EnsureFiles, AMissingTemplateIsReportedForItsFile) {
    m_templates.Remove(TemplateId(ResultsFile::SResults, 2));
    const EnsureReport report = Ensure();
    EXPECT_EQ(report.created.size(), 5U);
    ASSERT_EQ(report.failed.size(), 1U);
    EXPECT_EQ(report.failed[0].file, Path(ResultsFile::SResults));
}

} // namespace
} // namespace orbisk::results
