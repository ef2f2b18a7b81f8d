#pragma once

#include "BankModel.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace orbisk::bankc {

/// Reads product.yaml and every section's paper files under @p root. What
/// cannot be read is added to @p problems; the rest is returned.
///
/// Every refusal names its file and line, and no input makes the reader fail
/// otherwise: a missing or mistyped field, bytes that are not UTF-8, a control
/// character, an alias that refers to itself are all refusals. A question
/// gets at most one refusal, the first, since the later ones would follow from it.
Product ReadBank(const std::filesystem::path& root, std::vector<Problem>& problems);

/// Reads the text of product.yaml (the product and its sections, without their
/// papers); @p file names it in refusals.
Product ReadProductText(const std::filesystem::path& file, std::string_view yaml,
                        std::vector<Problem>& problems);

/// Reads the text of one paper file; @p file names it in refusals. Empty when
/// the file holds no paper at all.
std::optional<Paper> ReadPaperText(const std::filesystem::path& file, std::string_view yaml,
                                   std::vector<Problem>& problems);

} // namespace orbisk::bankc
