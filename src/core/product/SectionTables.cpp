#include "core/product/SectionTables.h"

#include "core/Errors.h"
#include "core/product/Weights.h"
#include "core/text/TextForms.h"

namespace orbisk::tables {

namespace {

void add(std::vector<std::string>& lines, const std::string& key, const std::vector<std::string>& values) {
    lines.push_back(records::BuildRecord(key, values, static_cast<int>(values.size())));
}

} // namespace

SectionTablesText WriteSectionTables(const std::vector<PaperEntry>& papers) {
    const std::string frame(records::kFrameLine);
    std::vector<std::string> paperLines{frame}, keyLines{frame}, kindLines{frame}, weightLines{frame},
        optionLines{frame};
    for (const PaperEntry& paper : papers) {
        std::vector<std::string> ids;
        for (const QuestionEntry& question : paper.questions) {
            const std::string id = std::to_string(question.id);
            ids.push_back(id);
            add(keyLines, id, question.keys);
            add(kindLines, id, question.kinds);
            add(weightLines, id, question.weights);
            std::vector<std::string> options;
            for (std::size_t slot = 0; slot < question.keys.size(); ++slot) {
                options.push_back(
                    std::to_string(slot < question.options.size() ? question.options[slot] : 0));
            }
            add(optionLines, id, options);
        }
        add(paperLines, std::to_string(paper.number), ids);
    }
    for (auto* lines : {&paperLines, &keyLines, &kindLines, &weightLines, &optionLines}) {
        lines->push_back(frame);
    }
    return {records::JoinLines(paperLines), records::JoinLines(keyLines), records::JoinLines(kindLines),
            records::JoinLines(weightLines), records::JoinLines(optionLines)};
}

std::vector<std::string> ReadQuestionIds(const records::RecordText& papers, int paperNumber) {
    return records::ReadRecordAllValues(papers, std::to_string(paperNumber));
}

std::vector<int> ReadOptionCounts(const records::RecordText& options, const std::vector<std::string>& ids) {
    std::vector<int> counts;
    for (const std::string& value : records::ReadQuestionValues(options, ids)) {
        const auto count = text::ParseWholeNumber(value);
        if (!count || *count < 0 || *count > kMostOptions) {
            throw DataError(options.source(), "",
                            "the option count \"" + value + "\" is not a whole number from 0 to " +
                                std::to_string(kMostOptions));
        }
        counts.push_back(static_cast<int>(*count));
    }
    return counts;
}

PaperTables ReadPaperTables(const records::RecordText& papers, const records::RecordText& keys,
                            const records::RecordText& kinds, const records::RecordText& weights,
                            const records::RecordText& options, int paperNumber) {
    PaperTables paper;
    paper.questionIds = ReadQuestionIds(papers, paperNumber);
    paper.keys = records::ReadQuestionValues(keys, paper.questionIds);
    paper.answerCounts = records::CountQuestionValues(keys, paper.questionIds);
    paper.kinds = records::ReadQuestionValues(kinds, paper.questionIds);
    paper.weights = records::ReadQuestionValues(weights, paper.questionIds);
    paper.optionCounts = ReadOptionCounts(options, paper.questionIds);
    paper.totalMarks = weights::TotalMarks(paper.weights);
    return paper;
}

} // namespace orbisk::tables
