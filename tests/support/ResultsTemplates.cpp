#include "ResultsTemplates.h"

#include "data/ResultsStore.h"

namespace orbisk::testing {

std::string PaperFileTemplate(const std::vector<int>& answersPerPaper) {
    std::string content = "...\r\n";
    for (std::size_t i = 0; i < answersPerPaper.size(); ++i) {
        content += "#" + std::to_string(101 + i) + "#" +
                   std::string(static_cast<std::size_t>(answersPerPaper[i]), '>') + "\r\n";
    }
    return content + "...\r\n";
}

std::string MarksTemplate(int paperCount) {
    const auto empty = std::string(static_cast<std::size_t>(paperCount), '>');
    std::string zeros;
    for (int i = 0; i < paperCount; ++i) {
        zeros += ">0";
    }
    return "...\r\n#FSE#" + empty + "\r\n#SSE#" + empty + "\r\n#LTM#" + empty + "\r\n#CDD#" + empty +
           "\r\n#FST#" + zeros + "\r\n#SST#" + zeros + "\r\n...\r\n";
}

void AddResultsTemplates(MapResourceSource& source, int section, const std::vector<int>& answersPerPaper) {
    using results::ResultsFile;
    using results::TemplateId;
    source.Set(TemplateId(ResultsFile::Marks, section),
               MarksTemplate(static_cast<int>(answersPerPaper.size())));
    for (const auto file :
         {ResultsFile::First, ResultsFile::Second, ResultsFile::FResults, ResultsFile::SResults}) {
        source.Set(TemplateId(file, section), PaperFileTemplate(answersPerPaper));
    }
    source.Set(TemplateId(ResultsFile::Trend, section), kTrendTemplate);
}

} // namespace orbisk::testing
