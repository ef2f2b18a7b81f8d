#include "core/practice/AnswerSheet.h"

#include "core/formats/Records.h"

#include <stdexcept>

namespace orbisk::practice {

std::string PartLetter(int frame) {
    if (frame < 1 || frame > kSheetFrames) {
        throw std::out_of_range("the answer sheet has frames 1 to " + std::to_string(kSheetFrames) +
                                ", not " + std::to_string(frame));
    }
    return std::string("(") + static_cast<char>('a' + frame - 1) + ")";
}

std::string StorableAnswer(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (records::IsStorableValue(std::string_view(&c, 1))) {
            kept += c;
        }
    }
    return kept;
}

} // namespace orbisk::practice
