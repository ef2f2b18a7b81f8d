#include "core/product/ProductCode.h"

#include <algorithm>

namespace orbisk::product {

bool IsValidProductCode(std::string_view code) {
    return !code.empty() && code.size() <= kMaxProductCodeLength &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

} // namespace orbisk::product
