#include "BankChecks.h"

#include "BankCompiler.h"
#include "BankFolder.h"
#include "BankReader.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace orbisk::bankc {
namespace {

using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

using fixtures::BankFolder;
using fixtures::PaperWith;

std::string goodPaper(int number) {
    return fixtures::GoodPaper(number);
}

TEST(BankChecks, AGoodBankHasNoProblems) {
    const BankFolder bank(goodPaper(101));
    EXPECT_TRUE(bank.Problems().empty()) << Describe(bank.Problems().front());
}

struct Refusal {
    const char* name;
    std::string paper101;
    std::string message; // a part of the refusal's text
    int line;            // where it points, in p101.yaml
};

class Refused : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refused, WithTheFileAndLine) {
    const Refusal& c = GetParam();
    const BankFolder bank(c.paper101);
    const std::vector<Problem> problems = bank.Problems();
    ASSERT_FALSE(problems.empty()) << "nothing refused";
    bool found = false;
    for (const Problem& problem : problems) {
        if (Describe(problem).find(c.message) != std::string::npos) {
            found = true;
            EXPECT_EQ(problem.where.file.filename(), "p101.yaml") << Describe(problem);
            EXPECT_EQ(problem.where.line, c.line) << Describe(problem);
        }
    }
    EXPECT_TRUE(found) << "no refusal mentions \"" << c.message
                       << "\"; first: " << Describe(problems.front());
}

INSTANTIATE_TEST_SUITE_P(
    BankChecks, Refused,
    ::testing::Values(
        Refusal{"unequal_kinds", PaperWith("  - stem: \"x\"\n    key: [a, b, c]\n    kind: [T, T]\n"),
                "3 keys but 2 kinds", 5},
        Refusal{"unequal_weights",
                PaperWith("  - stem: \"x\"\n    kind: T\n    key: [a, b]\n    weight: [1]\n"),
                "2 keys but 1 weights", 6},
        Refusal{"unknown_kind", PaperWith("  - stem: \"x\"\n    kind: Z\n    key: a\n"), "kind \"Z\"", 5},
        Refusal{"choice_key_outside_options",
                PaperWith("  - stem: \"x ___\"\n    options: [a, b, c, d]\n    key: 5\n"),
                "not one of the 4 options", 5},
        Refusal{"cloze_gaps_do_not_match", PaperWith("  - passage: \"A [1] B [3]\"\n    key: [a, b]\n"),
                "do not match its 2 answers", 3},
        Refusal{"cloze_gap_missing_answer",
                PaperWith("  - passage: \"A [1] B [2] C [3]\"\n    key: [a, b]\n"),
                "do not match its 2 answers", 3},
        Refusal{
            "word_box_lacks_a_key",
            PaperWith("  - passage: \"A [1] B [2]\"\n    wordbank: [cat, dog, hen]\n    key: [cat, cow]\n"),
            "\"cow\" is not in the word box", 5},
        Refusal{
            "word_box_word_used_twice",
            PaperWith("  - passage: \"A [1] B [2]\"\n    wordbank: [cat, dog, hen]\n    key: [cat, cat]\n"),
            "used for two gaps", 5},
        Refusal{
            "word_box_shows_a_word_twice",
            PaperWith("  - passage: \"A [1] B [2]\"\n    wordbank: [cat, dog, cat]\n    key: [cat, dog]\n"),
            "shows \"cat\" twice", 3},
        Refusal{"word_box_without_spare_words",
                PaperWith("  - passage: \"A [1] B [2]\"\n    wordbank: [cat, dog]\n    key: [cat, dog]\n"),
                "more words than gaps", 3},
        Refusal{"word_order_other_words",
                PaperWith("  - words: [cat, the, sat]\n    key: \"The dog sat.\"\n"),
                "exactly the words shown", 4},
        Refusal{"word_order_double_space", PaperWith("  - words: [a, b]\n    key: \"A  b.\"\n"),
                "exactly the words shown", 4},
        Refusal{"word_order_without_end_mark",
                PaperWith("  - words: [the, sat, cat]\n    key: \"The cat sat\"\n"),
                "must end with its full stop", 4},
        Refusal{"word_order_small_first_letter",
                PaperWith("  - words: [the, sat, cat]\n    key: \"the cat sat.\"\n"), "capital letter", 4},
        Refusal{"word_order_capital_moved_to_another_word",
                PaperWith("  - words: [The, sat, cat]\n    key: \"Cat sat the.\"\n"),
                "exactly the words shown", 4},
        Refusal{
            "too_many_answers_in_a_question",
            PaperWith("  - stem: \"x\"\n    kind: T\n    key: [a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t,u]\n"),
            "at most 20", 3},
        Refusal{"weight_not_positive",
                PaperWith("  - stem: \"x\"\n    kind: T\n    key: a\n    weight: -1\n"),
                "not a positive number", 5},
        Refusal{"weight_not_a_number",
                PaperWith("  - stem: \"x\"\n    kind: T\n    key: a\n    weight: two\n"),
                "not a positive number", 5},
        Refusal{"total_marks_zero",
                "paper: 101\nquestions:\n  - stem: \"x\"\n    kind: T\n    key: a\n    weight: 0.4\n",
                "total marks would be 0", 1},
        Refusal{"group_key_not_a_list", PaperWith("  - stem: \"x\"\n    kind: G\n    key: [red, \" \"]\n"),
                "introduced by", 5},
        Refusal{"group_later_slot_alone",
                PaperWith("  - stem: \"x\"\n    kind: [T, M]\n    key: [a, \" \"]\n"),
                "must follow the group's first slot", 5},
        Refusal{"value_holds_separator", PaperWith("  - stem: \"x\"\n    kind: T\n    key: \"a>b\"\n"),
                "cannot store", 5},
        Refusal{"value_holds_hash", PaperWith("  - stem: \"x\"\n    kind: T\n    key: \"#1\"\n"),
                "cannot store", 5},
        Refusal{"duplicate_key_in_mapping",
                PaperWith("  - stem: \"x ___\"\n    options: [a, b, c, d]\n    key: 1\n    key: 2\n"),
                "appears twice", 6},
        Refusal{"repeated_stem",
                "paper: 101\nquestions:\n  - stem: \"Same ___\"\n    options: [a, b, c, d]\n    key: 1\n"
                "  - stem: \"same    ___\"\n    options: [a, b, c, d]\n    key: 2\n"
                "  - stem: \"q3 ___\"\n    options: [a, b, c, d]\n    key: 3\n"
                "  - stem: \"q4 ___\"\n    options: [a, b, c, d]\n    key: 4\n",
                "repeats the one at", 6},
        Refusal{"option_repeated", PaperWith("  - stem: \"x ___\"\n    options: [a, b, B, d]\n    key: 1\n"),
                "shown twice", 3},
        Refusal{"option_empty",
                PaperWith("  - stem: \"x ___\"\n    options: [a, \"  \", c, d]\n    key: 1\n"),
                "option is empty", 3},
        Refusal{"keys_not_spread",
                "paper: 101\nquestions:\n  - stem: \"s1 ___\"\n    options: [a, b, c, d]\n    key: 1\n"
                "  - stem: \"s2 ___\"\n    options: [a, b, c, d]\n    key: 1\n"
                "  - stem: \"s3 ___\"\n    options: [a, b, c, d]\n    key: 1\n"
                "  - stem: \"s4 ___\"\n    options: [a, b, c, d]\n    key: 4\n",
                "not spread evenly", 1},
        Refusal{"unquoted_null", PaperWith("  - stem: \"x\"\n    kind: T\n    key: ~\n"), "is empty", 5},
        Refusal{"number_key_not_a_number", PaperWith("  - stem: \"x\"\n    kind: N\n    key: twelve\n"),
                "not a number", 5},
        Refusal{"wrong_paper_number", "paper: 102\nquestions: []\n", "says paper 102", 1},
        Refusal{"unknown_field", PaperWith("  - stem: \"x ___\"\n    optoins: [a, b]\n    key: 1\n"),
                "unknown field \"optoins\"", 4},
        Refusal{"explanations_fewer_than_gaps",
                PaperWith("  - passage: \"A [1] B [2] C [3]\"\n    key: [a, b, c]\n    explain: [x, y]\n"),
                "3 keys but 2 explanations; give one explanation per gap", 5},
        Refusal{"one_explanation_for_several_answers",
                PaperWith("  - stem: \"x\"\n    kind: T\n    key: [a, b]\n    explain: \"Both.\"\n"),
                "2 keys but one explanation", 6},
        Refusal{"explanation_on_a_comprehension_question",
                PaperWith("  - passage: \"Read.\"\n    explain: \"Why.\"\n    items:\n"
                          "      - stem: \"s\"\n        options: [a, b]\n        key: 1\n"),
                "explains each item's answer in the item", 4},
        Refusal{"explanation_of_several_lines",
                PaperWith("  - stem: \"x ___\"\n    options: [a, b, c, d]\n    key: 1\n"
                          "    explain: |\n      One.\n      Two.\n"),
                "an explanation is one line", 6},
        Refusal{"explanation_of_spaces",
                PaperWith("  - words: [b, a]\n    key: \"A b.\"\n    explain: \"  \"\n"),
                "the explanation is empty", 5},
        Refusal{"yaml_syntax", "paper: 101\nquestions:\n  - stem: [a, b\n    key: 1\n",
                "end of sequence flow not found", 4}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(BankChecks, MoreThanEightyAnswersInAPaperAreRefused) {
    std::string paper = "paper: 101\nquestions:\n";
    for (int q = 0; q < 5; ++q) {
        paper += "  - stem: \"big " + std::to_string(q) + "\"\n    kind: T\n    key: [";
        for (int i = 0; i < 17; ++i) {
            paper += (i ? ", w" : "w") + std::to_string(i);
        }
        paper += "]\n";
    }
    const auto problems = BankFolder(paper).Problems();
    ASSERT_FALSE(problems.empty());
    EXPECT_NE(Describe(problems.front()).find("85 answers"), std::string::npos) << Describe(problems.front());
}

TEST(BankChecks, TopicsMustBeCompleteAndInOrder) {
    BankFolder bank(goodPaper(101));
    std::filesystem::remove(bank.path() / "section2" / "p104.yaml");
    auto problems = bank.Problems();
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_NE(problems[0].message.find("topic 1 of section 2 is not complete"), std::string::npos);

    BankFolder gap(goodPaper(101));
    for (int paper = 101; paper <= 105; ++paper) {
        std::filesystem::rename(gap.path() / "section2" / ("p" + std::to_string(paper) + ".yaml"),
                                gap.path() / "section2" / ("p" + std::to_string(paper + 5) + ".yaml"));
        WriteBytes(gap.path() / "section2" / ("p" + std::to_string(paper + 5) + ".yaml"),
                   goodPaper(paper + 5));
    }
    problems = gap.Problems();
    ASSERT_FALSE(problems.empty());
    EXPECT_NE(problems[0].message.find("none of topic 1"), std::string::npos) << problems[0].message;
}

TEST(BankChecks, AWordOrderJumbleMayShowItsFirstWordInLowerCase) {
    const BankFolder bank(PaperWith("  - words: [sat, the, cat]\n    key: \"The cat sat.\"\n"
                                    "  - words: [came, I, Tom, and]\n    key: \"Tom and I came!\"\n"));
    EXPECT_TRUE(bank.Problems().empty()) << Describe(bank.Problems().front());
}

TEST(BankChecks, TopicsBeyondTheNamedOnesAreRefused) {
    const BankFolder bank(goodPaper(101), "name: \"Test\"\ncode: TST\npicture: logo.png\nsections:\n"
                                          "  - number: 2\n    label: Practice\n    topics: []\n");
    const auto problems = bank.Problems();
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_NE(problems[0].message.find("names only 0 topics"), std::string::npos);
}

TEST(BankChecks, ProductValuesMustBeStorable) {
    const BankFolder bank(goodPaper(101), "name: \"A > B\"\ncode: eng\npicture: missing.png\nsections:\n"
                                          "  - number: 4\n    label: \"\"\n    topics: [\"x#y\"]\n");
    std::string all;
    for (const auto& problem : bank.Problems()) {
        all += Describe(problem) + "\n";
    }
    for (const char* part : {"the product name \"A > B\"", "capital letters", "missing.png", "1, 2 or 3",
                             "needs a label", "topic name \"x#y\""}) {
        EXPECT_NE(all.find(part), std::string::npos) << part << " in\n" << all;
    }
}

// A PNG header of @p width x @p height pixels (all the checks read).
std::string pngOf(int width, int height) {
    std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (const int value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            bytes += static_cast<char>((value >> shift) & 0xFF);
        }
    }
    return bytes;
}

class PictureTwin : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(PictureTwin, MustHaveTwiceThePixelsEachWay) {
    const BankFolder bank(goodPaper(101));
    WriteBytes(bank.path() / "pictures" / "logo.png", pngOf(260, 40));
    WriteBytes(bank.path() / "pictures" / "logo@2x.png", pngOf(GetParam().first, GetParam().second));
    const auto problems = bank.Problems();
    if (GetParam() == std::pair{520, 80}) {
        EXPECT_TRUE(problems.empty()) << Describe(problems.front());
        return;
    }
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_NE(
        problems[0].message.find("logo@2x.png must be the picture with twice its pixels each way (520x80)"),
        std::string::npos)
        << problems[0].message;
}

INSTANTIATE_TEST_SUITE_P(BankChecks, PictureTwin,
                         ::testing::Values(std::pair{520, 80}, std::pair{520, 40}, std::pair{260, 40}));

TEST(BankCompiler, AnEmptyBankCompilesToAConfigurationWithoutTopics) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "pictures");
    WriteBytes(folder / "pictures" / "logo.png", "\x89PNG");
    WriteBytes(folder / "product.yaml", BankFolder::kProduct);
    std::vector<Problem> problems;
    const Product product = ReadBank(folder.path(), problems);
    ASSERT_TRUE(problems.empty());
    ASSERT_TRUE(CheckBank(product).empty());
    const CompiledBank compiled = CompileBank(product, ORBISK_SKIN_DIR, problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(compiled.resources.at(30000),
              "...\r\n#NME#>Test\r\n#COD#>TST\r\n" + std::string(31, '-') +
                  "\r\n#LBH#>Practice\r\n#TT2#>0\r\n#TP2#>0\r\n#TN2#\r\n...\r\n");
    EXPECT_EQ(compiled.resources.at(30126), "#TRD#");
}

} // namespace
} // namespace orbisk::bankc
