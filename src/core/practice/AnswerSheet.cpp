#include "core/practice/AnswerSheet.h"

#include "core/formats/Records.h"
#include "core/practice/Marking.h"
#include "core/practice/PracticeTexts.h"
#include "core/product/AnswerKinds.h"
#include "core/text/TextForms.h"

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

std::string QuestionTitle(int question) {
    return "Question " + std::to_string(question);
}

namespace {

const SheetFrame* frameOf(const AnswerSheet& sheet, int frame) {
    if (frame < 1 || frame > static_cast<int>(sheet.frames.size())) {
        return nullptr;
    }
    return &sheet.frames[static_cast<std::size_t>(frame - 1)];
}

} // namespace

int FrameToFocus(const AnswerSheet& sheet) {
    for (const SheetFrame& frame : sheet.frames) {
        if (!frame.locked) {
            return frame.frame;
        }
    }
    return sheet.frames.empty() ? 0 : 1;
}

EnterMove AfterEnter(const AnswerSheet& sheet, int frame) {
    for (int next = frame + 1; next <= static_cast<int>(sheet.frames.size()); ++next) {
        if (!frameOf(sheet, next)->locked) {
            return {EnterMove::To::Frame, next};
        }
    }
    return {sheet.lastQuestion ? EnterMove::To::Stay : EnterMove::To::NextQuestion, 0};
}

int FrameAfterArrow(const AnswerSheet& sheet, int frame, bool down) {
    const int next = frame + (down ? 1 : -1);
    return frameOf(sheet, next) != nullptr ? next : frame;
}

std::optional<int> FrameForOption(const AnswerSheet& sheet, int answer, int option) {
    const SheetFrame* frame = frameOf(sheet, answer);
    if (sheet.reviewMode || frame == nullptr || frame->locked || !kinds::TakesOneCharacter(frame->kind) ||
        option < 1 || option > frame->options) {
        return std::nullopt;
    }
    return answer;
}

bool ExplanationShows(Attempt attempt, bool marked, std::string_view verdict, std::string_view firstScore,
                      bool secondMarked) {
    if (!marked) {
        return false;
    }
    if (attempt == Attempt::Second || secondMarked || verdict == kRight) {
        return true;
    }
    const auto score = text::ParseStoredScore(firstScore);
    return score && *score > kSecondTryLimit;
}

std::string AnswerHint(std::string_view kind, int options, std::string_view key) {
    if (kinds::TakesOneCharacter(kind)) {
        return options >= 2 ? std::string(texts::kOptionRangeHint) + std::to_string(options)
                            : std::string(texts::kOptionNumberHint);
    }
    if (kinds::IsSentence(kind)) {
        return std::string(texts::kSentenceHint);
    }
    if (kinds::IsNumeric(kind)) {
        return std::string(texts::kNumberHint);
    }
    if (kinds::IsGrouped(kind)) {
        return std::string(texts::kGroupHint);
    }
    if (kinds::UsesSpacingRule(kind)) {
        return std::string(texts::kSpacingHint);
    }
    if (kinds::ComparedAsText(kind)) {
        const bool oneWord = text::TrimSpaces(key).find(' ') == std::string_view::npos;
        return std::string(oneWord ? texts::kOneWordHint : texts::kFewWordsHint);
    }
    return {};
}

} // namespace orbisk::practice
