// Explanations of the answers, from the bank sources to the program: each
// shape of question carries them, one per answer slot, in a resource of their
// own, and never on the page the learner answers.
#include "core/product/Explanations.h"

#include "BankCompiler.h"
#include "BankFolder.h"
#include "core/formats/mht/Mht.h"
#include "core/product/ResourceIds.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace orbisk::bankc {
namespace {

using fixtures::BankFolder;
using fixtures::PaperWith;

constexpr int kFirstQuestion = 15001; // question 1 of paper 101 in section 2

struct Explained {
    const char* name;
    std::string question; // the first question of paper 101
    std::vector<std::string> perSlot;
};

class ExplainedShape : public ::testing::TestWithParam<Explained> {};

TEST_P(ExplainedShape, ReachesTheProgramBesideItsPageNotOnIt) {
    const BankFolder bank(PaperWith(GetParam().question));
    std::vector<Problem> problems = bank.Problems();
    ASSERT_TRUE(problems.empty()) << Describe(problems.front());
    const CompiledBank compiled = CompileBank(ReadBank(bank.path(), problems), ORBISK_SKIN_DIR, problems);
    ASSERT_TRUE(problems.empty()) << Describe(problems.front());
    MapResourceSource source;
    for (const auto& [id, bytes] : compiled.resources) {
        source.Set(id, bytes);
    }
    const std::vector<std::string>& expected = GetParam().perSlot;
    EXPECT_EQ(explain::ReadExplanations(source, kFirstQuestion, static_cast<int>(expected.size())), expected);
    const bool any =
        std::any_of(expected.begin(), expected.end(), [](const auto& text) { return !text.empty(); });
    EXPECT_EQ(source.Find(ids::ExplanationId(kFirstQuestion)).has_value(), any)
        << "a resource only for a question with explanations";
    const std::string page = mht::Read(*source.Find(kFirstQuestion)).RootText();
    for (const std::string& text : expected) {
        EXPECT_TRUE(text.empty() || page.find(text) == std::string::npos) << "the page shows: " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bankc, ExplainedShape,
    ::testing::Values(
        Explained{"multiple_choice",
                  "  - stem: \"We ___ home.\"\n    options: [go, goes]\n    key: 1\n"
                  "    explain: \"With we the verb has no s, see rule #3.\"\n",
                  {"With we the verb has no s, see rule #3."}},
        Explained{"reading_items_some_explained",
                  "  - passage: \"Tom has a red bike.\"\n    items:\n"
                  "      - stem: \"Whose bike?\"\n        options: [Tom, Ann]\n        key: 1\n"
                  "        explain: \"The first sentence names Tom.\"\n"
                  "      - stem: \"Which colour?\"\n        options: [red, blue]\n        key: 1\n"
                  "      - stem: \"Which thing?\"\n        options: [bike, car]\n        key: 1\n"
                  "        explain: \"It is a bike, not a car.\"\n",
                  {"The first sentence names Tom.", "", "It is a bike, not a car."}},
        Explained{"cloze_with_a_list",
                  "  - passage: \"We [1] home and [2] dinner.\"\n    key: [went, ate]\n"
                  "    explain: [\"Went is the past of go.\", \"Ate is the past of eat.\"]\n",
                  {"Went is the past of go.", "Ate is the past of eat."}},
        Explained{"word_order",
                  "  - words: [sat, the, cat]\n    key: \"The cat sat.\"\n"
                  "    explain: \"The subject comes before its verb.\"\n",
                  {"The subject comes before its verb."}},
        Explained{"several_answers",
                  "  - stem: \"Write in figures.\"\n    parts: [twelve, forty-one]\n    kind: N\n"
                  "    key: [12, 41]\n    explain: [\"Ten and two.\", \"Four tens and one (41 > 40).\"]\n",
                  {"Ten and two.", "Four tens and one (41 > 40)."}},
        Explained{"one_typed_answer",
                  "  - stem: \"Capital of France?\"\n    kind: T\n    key: Paris\n"
                  "    explain: \"Paris has been the capital for centuries.\"\n",
                  {"Paris has been the capital for centuries."}},
        Explained{
            "folded_over_two_lines",
            "  - words: [b, a]\n    key: \"A b.\"\n    explain: >-\n      Written over\n      two lines.\n",
            {"Written over two lines."}},
        Explained{"none", "  - passage: \"A [1] B [2].\"\n    key: [a, b]\n", {"", ""}}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::bankc
