#pragma once

#include "data/ResourceSource.h"

#include <string>
#include <vector>

namespace orbisk::testing {

/// The text of a results template for papers 101.. with the given answer counts.
std::string PaperFileTemplate(const std::vector<int>& answersPerPaper);
std::string MarksTemplate(int paperCount);
inline constexpr const char* kTrendTemplate = "#TRD#";

/// The six results templates of @p section, for papers with the given answer counts.
void AddResultsTemplates(MapResourceSource& source, int section, const std::vector<int>& answersPerPaper);

} // namespace orbisk::testing
