#pragma once

#include "BankModel.h"

#include <filesystem>
#include <vector>

namespace orbisk::bankc {

/// Reads product.yaml and every section's paper files under @p root. What
/// cannot be read is added to @p problems; the rest is returned.
Product ReadBank(const std::filesystem::path& root, std::vector<Problem>& problems);

} // namespace orbisk::bankc
