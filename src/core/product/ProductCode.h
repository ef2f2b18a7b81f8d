#pragma once

#include <string_view>

namespace orbisk::product {

/// The longest product code.
inline constexpr std::size_t kMaxProductCodeLength = 8;

/// True when @p code can be the product code (COD): one to eight capital
/// letters A to Z. The code is part of every results file name, so it must
/// be a safe part of a file name on every system.
bool IsValidProductCode(std::string_view code);

} // namespace orbisk::product
