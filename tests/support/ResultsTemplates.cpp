#include "ResultsTemplates.h"

#include "core/results/ResultsTemplates.h"

namespace orbisk::testing {

void AddResultsTemplates(MapResourceSource& source, int section, const std::vector<int>& answersPerPaper) {
    for (auto& [id, text] : results::SectionTemplates(section, answersPerPaper)) {
        source.Set(id, std::move(text));
    }
}

} // namespace orbisk::testing
