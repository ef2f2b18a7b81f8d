#include "Gaps.h"

namespace orbisk::bankc {

namespace {

// A gap's number has at most this many digits; more cannot match an answer.
constexpr std::size_t kMostDigits = 6;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<Gap> FindGaps(std::string_view passage) {
    std::vector<Gap> gaps;
    std::size_t at = passage.find('[');
    while (at != std::string_view::npos) {
        std::size_t end = at + 1;
        while (end < passage.size() && isDigit(passage[end])) {
            ++end;
        }
        if (end > at + 1 && end < passage.size() && passage[end] == ']') {
            Gap gap{at, end + 1 - at, std::string(passage.substr(at + 1, end - at - 1)), std::nullopt};
            if (gap.digits.size() <= kMostDigits) {
                gap.number = std::stoi(gap.digits);
            }
            gaps.push_back(std::move(gap));
            at = passage.find('[', end + 1);
        } else {
            at = passage.find('[', at + 1);
        }
    }
    return gaps;
}

std::vector<std::pair<std::size_t, std::size_t>> FindUnderscoreRuns(std::string_view text) {
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    std::size_t at = text.find('_');
    while (at != std::string_view::npos) {
        std::size_t end = at;
        while (end < text.size() && text[end] == '_') {
            ++end;
        }
        if (end - at >= 3) {
            runs.emplace_back(at, end - at);
        }
        at = text.find('_', end);
    }
    return runs;
}

} // namespace orbisk::bankc
