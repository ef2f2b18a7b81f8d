#include "core/product/AnswerKinds.h"

namespace orbisk::kinds {

namespace {

bool isOneOf(std::string_view kind, std::string_view letters) {
    return kind.size() == 1 && letters.find(kind[0]) != std::string_view::npos;
}

} // namespace

bool IsKnown(std::string_view kind) {
    return isOneOf(kind, kKnownKinds);
}

bool ComparedAsText(std::string_view kind) {
    return isOneOf(kind, "QTL");
}

bool TakesOneCharacter(std::string_view kind) {
    return kind == kChoice;
}

bool IsSentence(std::string_view kind) {
    return kind == kSentence;
}

bool IsNumeric(std::string_view kind) {
    return kind == "N";
}

bool UsesSpacingRule(std::string_view kind) {
    return isOneOf(kind, "RFX");
}

bool ShowsInstructionPicture(std::string_view kind) {
    return isOneOf(kind, "FX");
}

bool IsGrouped(std::string_view kind) {
    return isOneOf(kind, "GM");
}

bool ShowsFirstAlternative(std::string_view kind) {
    return kind == "M";
}

std::vector<std::string> SplitAlternatives(std::string_view key) {
    std::vector<std::string> alternatives;
    std::size_t mark = key.find(kAlternativeMark);
    while (mark != std::string_view::npos) {
        const std::size_t next = key.find(kAlternativeMark, mark + 1);
        const std::size_t end = next == std::string_view::npos ? key.size() : next;
        alternatives.emplace_back(key.substr(mark + 1, end - mark - 1));
        mark = next;
    }
    return alternatives;
}

} // namespace orbisk::kinds
