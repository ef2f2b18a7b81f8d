#pragma once

#include "BankChecks.h"
#include "BankReader.h"
#include "TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orbisk::bankc::fixtures {

/// A sound paper of four multiple-choice questions.
inline std::string GoodPaper(int number) {
    std::string text = "paper: " + std::to_string(number) + "\nquestions:\n";
    for (int q = 1; q <= 4; ++q) {
        text += "  - stem: \"Paper " + std::to_string(number) + " question " + std::to_string(q) +
                " ___.\"\n"
                "    options: [one, two, three, four]\n"
                "    key: " +
                std::to_string(q) + "\n";
    }
    return text;
}

/// Paper 101 whose first question is @p question, followed by three sound
/// ones whose keys keep the right options spread evenly.
inline std::string PaperWith(const std::string& question) {
    std::string text = "paper: 101\nquestions:\n" + question;
    for (int q = 2; q <= 4; ++q) {
        text += "  - stem: \"Filler " + std::to_string(q) +
                " ___.\"\n    options: [a, b, c, d]\n    key: " + std::to_string(q) + "\n";
    }
    return text;
}

/// A bank of one complete topic (papers 101 to 105) whose first paper and
/// product file are given.
class BankFolder {
public:
    static constexpr const char* kProduct =
        "name: \"Test\"\ncode: TST\npicture: logo.png\nsections:\n"
        "  - number: 2\n    label: Practice\n    topics: [\"One\", \"Two\"]\n";

    explicit BankFolder(const std::string& paper101, const std::string& product = kProduct) {
        std::filesystem::create_directories(m_folder / "section2");
        std::filesystem::create_directories(m_folder / "pictures");
        orbisk::testing::WriteBytes(m_folder / "pictures" / "logo.png", "\x89PNG");
        orbisk::testing::WriteBytes(m_folder / "product.yaml", product);
        orbisk::testing::WriteBytes(m_folder / "section2" / "p101.yaml", paper101);
        for (int paper = 102; paper <= 105; ++paper) {
            orbisk::testing::WriteBytes(m_folder / "section2" / ("p" + std::to_string(paper) + ".yaml"),
                                        GoodPaper(paper));
        }
    }
    const std::filesystem::path& path() const { return m_folder.path(); }

    /// What reading and checking the bank refuses.
    std::vector<Problem> Problems() const {
        std::vector<Problem> problems;
        const Product product = ReadBank(path(), problems);
        if (problems.empty()) {
            problems = CheckBank(product);
        }
        return problems;
    }

private:
    orbisk::testing::TempFolder m_folder;
};

} // namespace orbisk::bankc::fixtures
