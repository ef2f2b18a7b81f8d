#include "core/product/Explanations.h"

#include "core/Errors.h"
#include "core/product/ResourceIds.h"

#include <algorithm>

namespace orbisk::explain {

std::string ComposeExplanations(const std::vector<std::string>& perSlot) {
    std::string text;
    for (std::size_t slot = 0; slot < perSlot.size(); ++slot) {
        const std::string& explanation = perSlot[slot];
        if (explanation.find_first_of("\r\n") != std::string::npos) {
            throw DataError({}, "",
                            "the explanation of answer " + std::to_string(slot + 1) +
                                " holds a line break; each answer's explanation is one line");
        }
        if (slot > 0) {
            text += '\n';
        }
        text += explanation;
    }
    return text;
}

std::vector<std::string> ParseExplanations(std::string_view text, int slotCount) {
    std::vector<std::string> perSlot(static_cast<std::size_t>(std::max(slotCount, 0)));
    std::size_t from = 0;
    for (std::string& explanation : perSlot) {
        if (from > text.size()) {
            break;
        }
        const std::size_t end = std::min(text.find('\n', from), text.size());
        std::string_view line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        explanation = std::string(line);
        from = end + 1;
    }
    return perSlot;
}

std::vector<std::string> ReadExplanations(const ResourceSource& source, int questionId, int slotCount) {
    const auto text = source.Find(ids::ExplanationId(questionId));
    return ParseExplanations(text.value_or(std::string_view()), slotCount);
}

} // namespace orbisk::explain
