#include "core/layout/AnswerFrames.h"

#include <algorithm>

namespace orbisk::layout {

namespace {

inline constexpr double kLineBoxHeight = 255;
inline constexpr double kSentenceBoxHeight = 1000;

double frameHeight(bool sentence, double grow) {
    // The frame grows by as much as the boxes in it: one box, or a sentence box and its key box.
    return sentence ? kSentenceFrameHeight + 2 * kSentenceBoxHeight * (grow - 1)
                    : kAnswerFrameHeight + kLineBoxHeight * (grow - 1);
}

} // namespace

double AnswerFrameGrowth(double lineHeight) {
    return std::max(1.0, lineHeight / kLineBoxHeight);
}

AnswerFrameLayout LayOutAnswerFrame(bool sentence, double frameWidth, double grow, double explanationHeight) {
    AnswerFrameLayout f;
    const double line = kLineBoxHeight * grow;
    // The part letter and the verdicts widen with their text; what follows them moves right.
    const double letter = 360 * grow;
    const double shift = letter - 360;
    f.partLetter = {0, 40, letter, line};
    f.frame = {kAnswerFrameLeft, 0, frameWidth, frameHeight(sentence, grow)};
    if (!sentence) {
        f.answerBox = {letter, 40, 1575, line};
        f.firstVerdict = {2040 + shift, 40, letter, line};
        const double keyLeft = f.firstVerdict.right();
        // The key box keeps the frame's right margin (120), however little room is left.
        f.keyBox = {keyLeft, 60, std::max(0.0, frameWidth - 120 - keyLeft), line};
    } else {
        const double box = kSentenceBoxHeight * grow;
        f.answerBox = {letter, 40, std::max(0.0, frameWidth - 1000 - shift), box};
        f.firstVerdict = {f.answerBox.right() + 100, 40, letter, line};
        f.keyBox = {f.answerBox.left, f.answerBox.bottom() + 100, std::max(0.0, frameWidth - 500 - shift),
                    box};
    }
    f.secondVerdict = f.firstVerdict;
    f.carriedVerdict = f.firstVerdict;
    f.carriedVerdict.left = f.answerBox.right() + 105;
    const double below = std::max(f.answerBox.bottom(), f.keyBox.bottom()) + kExplanationGap;
    f.explanation = {f.answerBox.left, below, std::max(0.0, frameWidth - 120 - f.answerBox.left),
                     std::max(0.0, explanationHeight)};
    if (f.explanation.height > 0) {
        f.frame.height = std::max(f.frame.height, f.explanation.bottom() + kExplanationGap);
    }
    return f;
}

std::array<Rect, bank::kMaxAnswersPerQuestion>
StackAnswerFrames(int answerCount, bool sentenceLayout, double grow,
                  const ExplanationHeights& explanationHeights) {
    const double gap = answerCount >= kCrowdedFrom ? kCrowdedFrameGap : kFrameGap;
    std::array<Rect, bank::kMaxAnswersPerQuestion> frames;
    double top = kFirstFrameTop;
    for (std::size_t n = 0; n < frames.size(); ++n) {
        const double height =
            LayOutAnswerFrame(n == 0 && sentenceLayout, kAnswerFrameWidth, grow, explanationHeights[n])
                .frame.height;
        frames[n] = {kAnswerFrameLeft, top, kAnswerFrameWidth, height};
        top += height + gap;
    }
    return frames;
}

Border DrawBorder(const Rect& control, int style, Colour background) {
    Border b;
    b.top = control.top - 30;
    b.left = control.left - 30;
    b.bottom = control.bottom() + 15;
    b.right = control.right() + 15;
    b.lines = {BorderLine{b.left, b.top, b.right, b.top}, BorderLine{b.left, b.top, b.left, b.bottom},
               BorderLine{b.left, b.bottom, b.right + 15, b.bottom},
               BorderLine{b.right, b.top, b.right, b.bottom + 15}};
    if (style == kBorderStyle) {
        b.colour = kBorderColour;
    } else if (style == kEraseBorderStyle) {
        b.colour = background;
    } else {
        b.colour = kGreyBorderColour;
    }
    return b;
}

} // namespace orbisk::layout
