#include "core/home/HomeTexts.h"

namespace orbisk::home::texts {

namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) {
            text += '\n';
        }
        text += line;
    }
    return text;
}

} // namespace

std::string SectionTabTooltip(std::string_view label) {
    return "Load " + std::string(label) + " Module";
}

std::string AnsweredDescription(int answered, int answers) {
    return std::to_string(answered) + " of " + std::to_string(answers) +
           (answers == 1 ? " question answered" : " questions answered");
}

std::string SpokenScore(int k, int attempt, std::string_view score, bool inProgress) {
    std::string spoken =
        PaperName(k) + ", " + std::string(attempt == 1 ? kFirstAttemptCaption : kSecondAttemptCaption) + " ";
    if (inProgress) {
        return spoken + std::string(kInProgress);
    }
    return score.empty() ? spoken + "not taken" : spoken + std::string(score) + "%";
}

std::string PaperName(int k) {
    return "Paper " + std::to_string(k);
}

std::string LoadTooltip(int k) {
    return "Load paper " + std::to_string(k);
}

std::string TryAgainTooltip(int k) {
    return "Try paper " + std::to_string(k) + " again";
}

std::string TrashConfirmWithOpenPaper(std::string_view openPaper) {
    return "Are you sure? " + std::string(openPaper) + " is open: it will be closed first.";
}

Message MarksUnreadable(std::string_view sectionLabel, const std::filesystem::path& file,
                        std::string_view why) {
    return {"Your results for " + std::string(sectionLabel) + " could not be read from " + file.string() +
                ", so no scores are shown. The file was left as it is.",
            std::string(why)};
}

Message NotErased(const results::ResetReport& report) {
    std::vector<std::string> files, details;
    for (const results::FileProblem& problem : report.notErased) {
        files.push_back(problem.file.string());
        details.push_back(problem.file.string() + ": " + problem.problem);
    }
    const std::string_view fix =
        "Make sure the files above and their folder may be changed (they may be read-only), then try "
        "again.";
    if (report.nothingErased) {
        return {"Your past results were not erased, because these files could not be rewritten:\n\n" +
                    joined(files) + "\n\nNothing was changed. " + std::string(fix),
                joined(details)};
    }
    return {"Not all your past results could be erased. These files could not be rewritten, so they still "
            "hold your results:\n\n" +
                joined(files) + "\n\nYour other results files were erased. " + std::string(fix),
            joined(details)};
}

} // namespace orbisk::home::texts
