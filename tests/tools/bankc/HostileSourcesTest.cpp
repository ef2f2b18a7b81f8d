// Sources an author cut short, mistyped or filled with stray bytes: bankc
// refuses each with one readable "file:line:" message and exit code 1, and
// never fails any other way.
#include "BankFolder.h"
#include "Cli.h"
#include "core/text/CleanText.h"

#include <gtest/gtest.h>
#include <sstream>

namespace orbisk::bankc {
namespace {

using fixtures::BankFolder;
using fixtures::GoodPaper;
using fixtures::PaperWith;

struct Outcome {
    int code;
    std::string err;
};

Outcome compile(const BankFolder& bank) {
    const orbisk::testing::TempFolder out;
    std::ostringstream output, errors;
    const int code =
        Run({bank.path().string(), (out / "built").string(), "--skin", ORBISK_SKIN_DIR}, output, errors);
    return {code, errors.str()};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

struct HostileSource {
    const char* name;
    const char* file; // "product.yaml" or "p101.yaml"
    std::string content;
    std::string refusal; // the start of the refusal after the file name: "line: message"
};

class Hostile : public ::testing::TestWithParam<HostileSource> {};

TEST_P(Hostile, GetsOneReadableRefusalNamingFileAndLine) {
    const HostileSource& c = GetParam();
    const bool product = std::string(c.file) == "product.yaml";
    const BankFolder bank(product ? GoodPaper(101) : c.content, product ? c.content : BankFolder::kProduct);
    const Outcome outcome = compile(bank);
    EXPECT_EQ(outcome.code, kRefused) << outcome.err;
    const std::vector<std::string> lines = linesOf(outcome.err);
    ASSERT_GE(lines.size(), 2U) << outcome.err;
    EXPECT_EQ(lines.size(), 2U) << "one refusal and the summary:\n" << outcome.err;
    const std::string expected =
        (bank.path() / (product ? "product.yaml" : "section2/p101.yaml")).string() + ":" + c.refusal;
    EXPECT_EQ(lines[0].substr(0, expected.size()), expected) << outcome.err;
    for (const std::string& line : lines) {
        EXPECT_FALSE(orbisk::text::FindTextFlaw(line)) << "raw bytes in: " << line;
    }
}

const std::string kProductHead = "name: \"Test\"\ncode: TST\npicture: logo.png\n";

INSTANTIATE_TEST_SUITE_P(
    Bankc, Hostile,
    ::testing::Values(
        // Missing and mistyped nodes; each once ended the compiler with an
        // uncaught yaml-cpp error instead of a refusal.
        HostileSource{"product_without_sections", "product.yaml", kProductHead,
                      "1: the product's list of sections is missing (field \"sections\")"},
        HostileSource{"product_cut_off_after_sections", "product.yaml", kProductHead + "sections:\n",
                      "4: product.yaml needs a list of sections"},
        HostileSource{"product_sections_a_number", "product.yaml", kProductHead + "sections: 2\n",
                      "4: product.yaml needs a list of sections"},
        HostileSource{"product_a_list", "product.yaml", "- name\n- code\n",
                      "1: product.yaml must be a mapping"},
        HostileSource{"product_empty", "product.yaml", "", "1: product.yaml must be a mapping"},
        HostileSource{"paper_without_questions", "p101.yaml", "paper: 101\ninstruction: \"Choose.\"\n",
                      "1: the paper's list of questions is missing (field \"questions\")"},
        HostileSource{"paper_questions_renamed", "p101.yaml", "paper: 101\nquestion:\n  - stem: x\n",
                      "2: unknown field \"question\" in a paper"},
        HostileSource{"paper_questions_under_another_key", "p101.yaml",
                      "paper: 101\nextra:\n  questions:\n    - stem: x\n",
                      "2: unknown field \"extra\" in a paper"},
        HostileSource{"paper_cut_off_after_questions", "p101.yaml", "paper: 101\nquestions:\n",
                      "2: a paper needs a list of questions"},
        HostileSource{"paper_a_number", "p101.yaml", "101\n", "1: a paper file must be a mapping"},
        HostileSource{"question_a_text", "p101.yaml", PaperWith("  - just a line\n"),
                      "3: a question must be a mapping of fields"},
        HostileSource{"items_a_text", "p101.yaml", PaperWith("  - passage: \"Read.\"\n    items: none\n"),
                      "4: items must be a list of questions"},
        HostileSource{"alias_that_refers_to_itself", "p101.yaml",
                      PaperWith("  - &q {stem: \"x ___\", options: [a, b], key: 1, parts: [*q]}\n"),
                      "3: the text nests too deeply"},
        // Text that is not clean: compiled into the pages and the configuration until refused.
        HostileSource{
            "stray_byte_before_a_quoted_option", "p101.yaml",
            PaperWith("  - stem: \"x ___\"\n    options: [\xFE\"one\", two, three, four]\n    key: 1\n"),
            "4: an option holds the byte \\xFE, which is not UTF-8 text: \"\\xFE\"one\"\""},
        HostileSource{"topic_name_cut_mid_character", "product.yaml",
                      kProductHead + "sections:\n  - number: 2\n    label: Practice\n"
                                     "    topics: [\"Word O\xC3"
                                     "der\"]\n",
                      "7: a topic name holds the byte \\xC3, which is not UTF-8 text: \"Word O\\xC3der\""},
        HostileSource{"nul_in_a_stem", "p101.yaml",
                      PaperWith("  - stem: \"a\\0b ___\"\n    options: [a, b, c, d]\n    key: 1\n"),
                      "3: the stem holds the control character \\x00"},
        HostileSource{"tab_in_an_option", "p101.yaml",
                      PaperWith("  - stem: \"x ___\"\n    options: [a, \"b\\tc\", c, d]\n    key: 1\n"),
                      "4: an option holds the control character \\x09"},
        HostileSource{"carriage_return_in_a_key", "p101.yaml",
                      PaperWith("  - stem: \"x\"\n    kind: T\n    key: \"a\\rb\"\n"),
                      "5: the key holds the control character \\x0D"},
        HostileSource{"tab_in_an_item_explanation", "p101.yaml",
                      PaperWith("  - passage: \"Read.\"\n    items:\n      - stem: \"s\"\n"
                                "        options: [a, b]\n        key: 1\n        explain: \"a\\tb\"\n"),
                      "8: the explanation holds the control character \\x09"},
        HostileSource{"delete_in_a_passage", "p101.yaml",
                      PaperWith("  - passage: \"A [1] \\x7F\"\n    key: [a]\n"),
                      "3: the passage holds the control character \\x7F"},
        HostileSource{"next_line_control_in_a_label", "product.yaml",
                      kProductHead +
                          "sections:\n  - number: 2\n    label: \"Prac\\u0085tice\"\n    topics: [One]\n",
                      "6: the section's label holds the control character \\xC2\\x85"},
        HostileSource{"separator_in_a_topic_name", "product.yaml",
                      kProductHead +
                          "sections:\n  - number: 2\n    label: Practice\n    topics: [\"A > B\"]\n",
                      "5: the topic name \"A > B\" holds"},
        // Refusals that quote the input show its bytes escaped, once.
        HostileSource{"unknown_escape_of_a_raw_byte", "p101.yaml",
                      PaperWith("  - stem: \"x \\\xFE\"\n    options: [a, b, c, d]\n    key: 1\n"),
                      "3: unknown escape character: \\xFE"},
        HostileSource{"field_name_broken_by_a_raw_byte", "p101.yaml",
                      PaperWith("  - stem: \"x ___\"\n    opti\xFEons: [a, b, c, d]\n    key: 1\n"),
                      "4: unknown field \"opti\\xFEons\" in a question"},
        HostileSource{"a_list_inside_the_options", "p101.yaml",
                      PaperWith("  - stem: \"x ___\"\n    options: [a, [b], c, d]\n    key: 4\n"),
                      "4: an option must be one text, not a list or mapping"},
        HostileSource{"a_gap_number_too_large_for_any_answer", "p101.yaml",
                      PaperWith("  - passage: \"A [99999999999999999999].\"\n    key: [a]\n"),
                      "3: the passage's gaps ([999999999999...]) do not match its 1 answers"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Bankc, TheLineBreaksOfABlockOfTextAreKept) {
    const BankFolder bank(PaperWith("  - passage: |\n      One [1] line.\n\n      Another.\n    key: [a]\n"));
    EXPECT_TRUE(bank.Problems().empty()) << Describe(bank.Problems().front());
}

TEST(Bankc, EachQuestionGetsItsOwnRefusal) {
    std::string paper = "paper: 101\nquestions:\n";
    for (int q = 1; q <= 3; ++q) {
        paper += "  - stem: \"q" + std::to_string(q) + " ___\"\n    optoins: [a, b]\n    kind: Z\n";
    }
    const auto problems = BankFolder(paper).Problems();
    ASSERT_EQ(problems.size(), 3U);
    for (int q = 0; q < 3; ++q) {
        EXPECT_EQ(problems[static_cast<std::size_t>(q)].where.line, 4 + 3 * q);
        EXPECT_NE(problems[static_cast<std::size_t>(q)].message.find("optoins"), std::string::npos);
    }
}

} // namespace
} // namespace orbisk::bankc
