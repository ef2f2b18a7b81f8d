#pragma once

#include "core/formats/ResourceSource.h"

#include <vector>

namespace orbisk::testing {

/// Puts the six results templates of @p section, as the program's own writer
/// makes them, for papers with the given answer counts, into @p source.
void AddResultsTemplates(MapResourceSource& source, int section, const std::vector<int>& answersPerPaper);

} // namespace orbisk::testing
