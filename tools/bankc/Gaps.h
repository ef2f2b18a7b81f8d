#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbisk::bankc {

/// A numbered gap "[n]" in a cloze passage.
struct Gap {
    std::size_t offset = 0;    ///< where its "[" stands
    std::size_t length = 0;    ///< up to and including its "]"
    std::string digits;        ///< the number as written
    std::optional<int> number; ///< empty when too large to be a gap's number
};

/// Every "[digits]" of @p passage, in order. A scan, not a regular expression,
/// so a passage of any length and any run of digits is read in one pass.
std::vector<Gap> FindGaps(std::string_view passage);

/// The runs of three or more underscores, which pages show as a gap: offset and length of each.
std::vector<std::pair<std::size_t, std::size_t>> FindUnderscoreRuns(std::string_view text);

} // namespace orbisk::bankc
