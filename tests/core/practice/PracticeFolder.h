#pragma once

#include "CompiledPack.h"
#include "TempFolder.h"
#include "core/practice/OpenPaper.h"
#include "core/product/BankNumbers.h"
#include "core/results/ResultsStore.h"

#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orbisk::practice::testing {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::TestBank;

/// An application folder with fresh results files for both sections of the test bank.
class PracticeFolder {
public:
    PracticeFolder() {
        EXPECT_TRUE(
            results::ResetResults(m_folder.path(), "TST", {2, 3}, TestBank().pack()).notErased.empty());
    }

    const std::filesystem::path& path() const { return m_folder.path(); }

    PaperRequest Request(int section, int paper, Attempt attempt = Attempt::First) const {
        static const std::array<const char*, 10> topics{
            "Grammar (1)",       "Grammar (2)",       "Vocabulary (1)",       "Vocabulary (2)",
            "Grammar Cloze (1)", "Grammar Cloze (2)", "Vocabulary Cloze (1)", "Vocabulary Cloze (2)",
            "Word Order",        "Comprehension MCQ"};
        PaperRequest r;
        r.appFolder = m_folder.path();
        r.LChose = section;
        r.lblCOD = "TST";
        r.TtPapersCon = section == 2 ? 50 : 5;
        const int topic = bank::TopicOfPaper(paper);
        r.SubH1 = section == 2 ? topics[static_cast<std::size_t>(topic - 1)] : "Rare Kinds";
        r.PaperNum = paper;
        r.TakeNum = attempt;
        return r;
    }

    OpenPaper Open(int section, int paper, Attempt attempt = Attempt::First) const {
        return OpenPaper::Open(TestBank().pack(), Request(section, paper, attempt));
    }

    std::filesystem::path File(results::ResultsFile file, int section = 2) const {
        return results::FilePath(m_folder.path(), file, section, "TST");
    }

    /// The names of the files in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    /// The page files ("temppaper...") in the folder.
    std::vector<std::string> PageFiles() const {
        std::vector<std::string> pages;
        for (const std::string& name : Names()) {
            if (name.rfind("temppaper", 0) == 0) {
                pages.push_back(name);
            }
        }
        return pages;
    }

private:
    TempFolder m_folder;
};

/// The sheet texts of question @p q, one per slot, from @p answer(slot).
inline std::vector<std::string> SheetOf(const OpenPaper& paper, int q,
                                        const std::function<std::string(int)>& answer) {
    std::vector<std::string> sheet;
    const int d = paper.AnswerOffset(q);
    for (int n = 1; n <= paper.answerCounts()[static_cast<std::size_t>(q - 1)]; ++n) {
        sheet.push_back(answer(d + n));
    }
    return sheet;
}

/// Types @p answer(slot) into every box, question by question from the one on
/// show to the last, moving with Next, and saves on the last. A move that is
/// refused, or more moves than the paper has questions, fails the test.
inline void AnswerEveryQuestion(OpenPaper& paper, const std::function<std::string(int)>& answer) {
    for (int moves = 0; paper.CanGoNext(); ++moves) {
        ASSERT_LT(moves, paper.QuestionCount()) << "Next never reached the last question";
        const int from = paper.QSCount();
        ASSERT_TRUE(paper.NextQuestion(SheetOf(paper, from, answer)).moved)
            << "Next was refused on question " << from << " of " << paper.QuestionCount();
    }
    EXPECT_FALSE(paper.SavePaper(SheetOf(paper, paper.QSCount(), answer)).has_value());
}

/// A wrong answer for a key of kind Q.
inline std::string WrongOption(const std::string& key) {
    return key == "1" ? "2" : "1";
}

} // namespace orbisk::practice::testing
