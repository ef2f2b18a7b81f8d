#include "core/formats/Records.h"

#include "TempFolder.h"
#include "core/Errors.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orbisk::records {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

using Values = std::vector<std::string>;

RecordText text(std::string content) {
    return {"test.txt", std::move(content)};
}

// --- lookups ---------------------------------------------------------------

struct LookupCase {
    const char* name;
    std::string file;
    std::string key;
    std::string value; // ReadRecordValue
    std::string line;  // ReadRecordLine
};

class Lookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(Lookup, FindsTheFirstLineHoldingTheKey) {
    const LookupCase& c = GetParam();
    const RecordText t = text(c.file);
    EXPECT_EQ(ReadRecordValue(t, c.key), c.value);
    EXPECT_EQ(ReadRecordLine(t, c.key), c.line);
}

const std::string kConfig = "...\r\n#NME#>Orbisk English Practice\r\n#COD#>ENG\r\n"
                            "-------------------------------\r\n#LBH#>Practice\r\n#TT2#>10\r\n#TP2#>50\r\n"
                            "#TN2#>Grammar (1)>Grammar (2)\r\n#EMP#>\r\n...\r\n";

INSTANTIATE_TEST_SUITE_P(
    Records, Lookup,
    ::testing::Values(
        LookupCase{"single_value", kConfig, "TT2", "10", "#TT2#>10"},
        LookupCase{"absent_key", kConfig, "LAH", "", ""},
        LookupCase{"nothing_after_key", kConfig, "EMP", "", "#EMP#>"},
        LookupCase{"key_in_other_case", kConfig, "nme", "Orbisk English Practice",
                   "#NME#>Orbisk English Practice"},
        LookupCase{"value_keeps_separators", kConfig, "TN2", "Grammar (1)>Grammar (2)",
                   "#TN2#>Grammar (1)>Grammar (2)"},
        LookupCase{"first_of_two_matches", "#101#>a>b\r\n#101#>c>d\r\n", "101", "a>b", "#101#>a>b"},
        LookupCase{"question_id_does_not_match_paper", "#15101#>x\r\n#101#>y\r\n", "101", "y", "#101#>y"},
        LookupCase{"key_anywhere_in_line", "..#FSE#>\r\n", "FSE", "#>", "..#FSE#>"},
        LookupCase{"lf_line_ends", "#AAA#>1\n#BBB#>2\n", "BBB", "2", "#BBB#>2"},
        LookupCase{"cr_line_ends", "#AAA#>1\r#BBB#>2\r", "BBB", "2", "#BBB#>2"},
        LookupCase{"last_line_without_break", "#TRD#", "TRD", "", "#TRD#"},
        LookupCase{"byte_order_mark_before_the_first_record", "\xEF\xBB\xBF#FSE#>16.7>23.3\r\n", "FSE",
                   "16.7>23.3", "#FSE#>16.7>23.3"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Records, AMissingFileIsADataErrorNamingIt) {
    TempFolder folder;
    try {
        ReadRecordValue(folder / "absent.txt", "NME");
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file().filename(), "absent.txt");
        EXPECT_NE(std::string(error.what()).find("absent.txt"), std::string::npos);
    }
}

// --- value splits ----------------------------------------------------------

struct SplitCase {
    const char* name;
    std::string record;
    int n;
    Values expected;
};

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, TakesValuesByPositionAndTheLastCarriesTheRest) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitRecord(c.record, c.n), c.expected);
    EXPECT_EQ(ReadRecordValues(text("...\r\n" + c.record + "\r\n"), c.record.substr(1, 3), c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Records, Split,
    ::testing::Values(SplitCase{"exact", "#ABC#>a>b>c", 3, {"a", "b", "c"}},
                      SplitCase{"more_values_than_asked", "#ABC#>a>b>c>d", 3, {"a", "b", "c>d"}},
                      SplitCase{"three_empty_values", "#FSE#>>>", 3, {"", "", ""}},
                      SplitCase{"one_empty_value", "#ABC#>", 1, {""}},
                      SplitCase{"none_asked", "#ABC#>a", 0, {}},
                      SplitCase{"spaces_kept", "#ABC#> a > b ", 2, {" a ", " b "}}),
    [](const auto& test) { return std::string(test.param.name); });

// CountValues tells how many values reading by position finds, so that
// asking for that many leaves no separator inside the last one.
class Count : public ::testing::TestWithParam<std::pair<std::string, std::size_t>> {};

TEST_P(Count, IsWhatReadingByPositionFinds) {
    const auto& [record, expected] = GetParam();
    ASSERT_EQ(CountValues(record, 3), expected);
    const Values values = SplitRecordValues(record, 3, static_cast<int>(expected));
    EXPECT_TRUE(values.empty() || values.back().find('>') == std::string::npos) << values.back();
}

INSTANTIATE_TEST_SUITE_P(Records, Count,
                         ::testing::Values(std::pair{"#ABC#>a>b", 2U}, std::pair{"#ABC#", 0U},
                                           std::pair{"#ABC#>", 1U}, std::pair{" #ABC#>a>b", 3U},
                                           std::pair{"#ABC#x>a", 2U}));

struct RestCase {
    const char* name;
    std::string record;
    int n;
    Values values;
    std::string rest;
};

class SplitKeepingRest : public ::testing::TestWithParam<RestCase> {};

TEST_P(SplitKeepingRest, EndsTheLastValueAtItsSeparatorAndKeepsTheRest) {
    const RestCase& c = GetParam();
    const ValuesAndRest split = SplitRecordKeepingRest(c.record, 3, c.n);
    EXPECT_EQ(split.values, c.values);
    EXPECT_EQ(split.rest, c.rest);
    EXPECT_EQ(
        "#" + c.record.substr(1, 3) + "#" + (split.values.empty() ? "" : ">") +
            [&] {
                std::string joined;
                for (std::size_t i = 0; i < split.values.size(); ++i) {
                    joined += (i ? ">" : "") + split.values[i];
                }
                return joined;
            }() +
            split.rest,
        c.record)
        << "values and rest make the record again";
}

INSTANTIATE_TEST_SUITE_P(
    Records, SplitKeepingRest,
    ::testing::Values(RestCase{"exact", "#FSE#>a>b>c", 3, {"a", "b", "c"}, ""},
                      RestCase{"two_more", "#FSE#>a>b>c>d>e", 3, {"a", "b", "c"}, ">d>e"},
                      RestCase{"empty_values_past_n", "#FST#>0>1>>", 2, {"0", "1"}, ">>"},
                      RestCase{"none_asked", "#TRD#>90>80", 0, {}, ">90>80"}),
    [](const auto& test) { return std::string(test.param.name); });

struct SplitFailure {
    const char* name;
    std::string file;
    std::string key;
    int n;
    int capacity;
};

class SplitFails : public ::testing::TestWithParam<SplitFailure> {};

TEST_P(SplitFails, WithADataErrorNamingTheRecord) {
    const SplitFailure& c = GetParam();
    try {
        ReadRecordValues(text(c.file), c.key, c.n, c.capacity);
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_EQ(error.key(), c.key);
        EXPECT_EQ(error.file(), "test.txt");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, SplitFails,
    ::testing::Values(SplitFailure{"fewer_values", "#FSE#>a>b\r\n", "FSE", 3, kMarksCapacity},
                      SplitFailure{"absent_record", "#FSE#>a\r\n", "SSE", 1, kMarksCapacity},
                      SplitFailure{"bare_key", "#TRD#", "TRD", 1, kMarksCapacity},
                      SplitFailure{"over_topic_capacity", "#TN2#>a>b>c>d>e>f>g>h>i>j>k\r\n", "TN2", 11,
                                   kTopicNamesCapacity},
                      SplitFailure{"over_marks_capacity", "#FSE#>\r\n", "FSE", 51, kMarksCapacity}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Records, SplitRecordRefusesMoreThanItsCapacity) {
    const std::string record = "#101#" + std::string(81, '>');
    EXPECT_EQ(SplitRecord(record, 80, kAnswersCapacity).size(), 80U);
    EXPECT_THROW(SplitRecord(record, 81, kAnswersCapacity), DataError);
    EXPECT_THROW(SplitRecord(record, 51, kReportCapacity), DataError);
}

TEST(Records, AllValuesOfAThirtyQuestionPaper) {
    std::string record = "#101#";
    Values ids;
    for (int q = 1; q <= 30; ++q) {
        ids.push_back(std::to_string(15000 + q));
        record += ">" + ids.back();
    }
    const RecordText table = text("...\r\n" + record + "\r\n#102#>15101\r\n...\r\n");
    EXPECT_EQ(ReadRecordAllValues(table, "101"), ids);
    EXPECT_EQ(ReadRecordAllValues(text("#101#\r\n"), "101"), Values{});
    EXPECT_THROW(ReadRecordAllValues(table, "103"), DataError);
}

// --- sequential readers ----------------------------------------------------

std::string paperTemplate(int papers, int answers) {
    std::string content = "...\r\n";
    for (int i = 1; i <= papers; ++i) {
        content += "#" + std::to_string(100 + i) + "#" + std::string(static_cast<std::size_t>(answers), '>') +
                   "\r\n";
    }
    return content + "...\r\n";
}

TEST(Records, PaperRecordsOfATemplateComeInOrder) {
    const Values lines = ReadPaperRecords(text(paperTemplate(50, 3)), 50);
    ASSERT_EQ(lines.size(), 50U);
    EXPECT_EQ(lines.front(), "#101#>>>");
    EXPECT_EQ(lines.back(), "#150#>>>");
}

TEST(Records, APaperRecordNotFoundEmptiesItAndEveryLaterOne) {
    // 103 comes before 102: the forward scan finds 102 and then no 103.
    const Values lines = ReadPaperRecords(text("#101#>a\r\n#103#>c\r\n#102#>b\r\n#104#>d\r\n"), 5);
    EXPECT_EQ(lines, (Values{"#101#>a", "#102#>b", "", "", ""}));
    EXPECT_THROW(ReadPaperRecords(text(""), 51), DataError);
}

const std::string kKey = "...\r\n#15001#>2\r\n#15002#>went>saw>ate>ran>sat\r\n#15003#>4\r\n...\r\n";

TEST(Records, QuestionValuesConcatenateInQuestionOrder) {
    const Values ids{"15001", "15002", "15003"};
    EXPECT_EQ(CountQuestionValues(text(kKey), ids), (std::vector<int>{1, 5, 1}));
    EXPECT_EQ(ReadQuestionValues(text(kKey), ids), (Values{"2", "went", "saw", "ate", "ran", "sat", "4"}));
}

class QuestionOrder : public ::testing::TestWithParam<Values> {};

TEST_P(QuestionOrder, AMissingOrOutOfOrderIdFails) {
    EXPECT_THROW(CountQuestionValues(text(kKey), GetParam()), DataError);
    EXPECT_THROW(ReadQuestionValues(text(kKey), GetParam()), DataError);
}

INSTANTIATE_TEST_SUITE_P(Records, QuestionOrder,
                         ::testing::Values(Values{"15001", "15004"}, Values{"15002", "15001"},
                                           Values{"15003", "15003"}));

// --- writers ---------------------------------------------------------------

TEST(Records, WritePaperRecordWritesExactlyCountLinesWithoutTheTemplateDots) {
    TempFolder folder;
    const auto path = folder / "first2ENG.txt";
    WriteBytes(path, paperTemplate(50, 3));
    Values lines = ReadPaperRecords(path, 50);
    WritePaperRecord(lines, {"1", "", "3"}, 2, "102", 50, 3, path);
    const std::string written = ReadBytes(path);
    EXPECT_EQ(written.find("..."), std::string::npos);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 50);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\r'), 50);
    EXPECT_NE(written.find("#101#>>>\r\n#102#>1>>3\r\n#103#>>>\r\n"), std::string::npos);
    // The caller's list keeps the change, so the next write carries both.
    WritePaperRecord(lines, {"x", "y", "z"}, 50, "150", 50, 3, path);
    EXPECT_EQ(ReadRecordAllValues(path, "102"), (Values{"1", "", "3"}));
    EXPECT_EQ(ReadRecordAllValues(path, "150"), (Values{"x", "y", "z"}));
}

class Unstorable : public ::testing::TestWithParam<std::string> {};

TEST_P(Unstorable, ValuesAreRefusedAndTheFileKept) {
    TempFolder folder;
    const auto path = folder / "first2ENG.txt";
    WriteBytes(path, paperTemplate(2, 1));
    Values lines = ReadPaperRecords(path, 2);
    EXPECT_THROW(WritePaperRecord(lines, {GetParam()}, 1, "101", 2, 1, path), DataError);
    EXPECT_EQ(ReadBytes(path), paperTemplate(2, 1));
}

INSTANTIATE_TEST_SUITE_P(Records, Unstorable, ::testing::Values("a>b", "#", "two\r\nlines", "line\nbreak"));

TEST(Records, WriteMarksFileWritesSixRecordsInTheOrderGiven) {
    TempFolder folder;
    const auto path = folder / "marks2ENG.txt";
    WriteBytes(path, "old content that is much longer than nothing\r\n");
    std::array<Values, 6> lists;
    lists.fill(Values(50));
    WriteMarksFile(lists, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}, 50, path);
    const std::string empty50(50, '>');
    EXPECT_EQ(ReadBytes(path), "#FSE#" + empty50 + "\r\n#SSE#" + empty50 + "\r\n#LTM#" + empty50 +
                                   "\r\n#CDD#" + empty50 + "\r\n#FST#" + empty50 + "\r\n#SST#" + empty50 +
                                   "\r\n");
}

TEST(Records, WriteMarksFileWritesEachRecordsRestAfterItsValues) {
    TempFolder folder;
    const auto path = folder / "marks2ENG.txt";
    std::array<Values, 6> lists;
    lists.fill(Values{"1", "2"});
    WriteMarksFile(lists, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}, 2, path, {">3>4", "", ">", "", "", ""});
    EXPECT_EQ(ReadRecordLine(path, "FSE"), "#FSE#>1>2>3>4");
    EXPECT_EQ(ReadRecordLine(path, "SSE"), "#SSE#>1>2");
    EXPECT_EQ(ReadRecordLine(path, "LTM"), "#LTM#>1>2>");
    const std::string before = ReadBytes(path);
    for (const char* rest : {"3>4", ">#3", ">3\r\n#SSE#>x"}) {
        EXPECT_THROW(WriteMarksFile(lists, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}, 2, path,
                                    {rest, "", "", "", "", ""}),
                     DataError)
            << rest;
    }
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(Records, WritePaperRecordKeepsTheRecordsOfLaterPapers) {
    TempFolder folder;
    const auto path = folder / "first2ENG.txt";
    WriteBytes(path, "#101#>>\r\n#102#>>\r\n#103#>x>y\r\n#104#>z>\r\n");
    Values lines = ReadPaperRecords(path, 2);
    WritePaperRecord(lines, {"a", "b"}, 1, "101", 2, 2, path);
    EXPECT_EQ(ReadBytes(path), "#101#>a>b\r\n#102#>>\r\n#103#>x>y\r\n#104#>z>\r\n");
}

} // namespace
} // namespace orbisk::records
