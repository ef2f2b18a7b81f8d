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

bool TakesOneCharacter(std::string_view kind) {
    return kind == "Q";
}

bool IsSentence(std::string_view kind) {
    return kind == "L";
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

} // namespace orbisk::kinds
