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

} // namespace orbisk::kinds
