#include "core/results/ResultsTemplates.h"

#include "core/formats/Records.h"
#include "core/product/BankNumbers.h"
#include "core/results/ResultsStore.h"

namespace orbisk::results {

namespace {

std::string framed(std::vector<std::string> records) {
    records.insert(records.begin(), std::string(records::kFrameLine));
    records.emplace_back(records::kFrameLine);
    return records::JoinLines(records);
}

} // namespace

std::string MarksTemplate(int paperCount) {
    const auto count = static_cast<std::size_t>(paperCount);
    const std::vector<std::string> empty(count), zeros(count, std::string(kNotMarked));
    std::vector<std::string> lines;
    for (const std::string_view key : kMarksKeys) {
        const bool state = key == kFirstStateKey || key == kSecondStateKey;
        lines.push_back(records::BuildRecord(key, state ? zeros : empty, paperCount));
    }
    return framed(std::move(lines));
}

std::string PaperRecordsTemplate(const std::vector<int>& answerSlotsPerPaper) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < answerSlotsPerPaper.size(); ++i) {
        const int slots = answerSlotsPerPaper[i];
        lines.push_back(records::BuildRecord(std::to_string(bank::PaperOfSlot(static_cast<int>(i) + 1)),
                                             std::vector<std::string>(static_cast<std::size_t>(slots)),
                                             slots));
    }
    return framed(std::move(lines));
}

std::string TrendTemplate() {
    return records::BuildRecord(kTrendKey, {}, 0);
}

std::map<int, std::string> SectionTemplates(int section, const std::vector<int>& answerSlotsPerPaper) {
    std::map<int, std::string> templates;
    templates[TemplateId(ResultsFile::Marks, section)] =
        MarksTemplate(static_cast<int>(answerSlotsPerPaper.size()));
    const std::string papers = PaperRecordsTemplate(answerSlotsPerPaper);
    for (const ResultsFile file :
         {ResultsFile::First, ResultsFile::Second, ResultsFile::FResults, ResultsFile::SResults}) {
        templates[TemplateId(file, section)] = papers;
    }
    templates[TemplateId(ResultsFile::Trend, section)] = TrendTemplate();
    return templates;
}

} // namespace orbisk::results
