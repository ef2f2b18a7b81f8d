#include "core/layout/AnswerFrames.h"

namespace orbisk::layout {

AnswerFrameLayout LayOutAnswerFrame(bool sentence, double frameWidth) {
    AnswerFrameLayout f;
    f.partLetter = {0, 40, 360, 255};
    if (!sentence) {
        f.frame = {kAnswerFrameLeft, 0, frameWidth, kAnswerFrameHeight};
        f.answerBox = {360, 40, 1575, 255};
        f.firstVerdict = {2040, 40, 360, 255};
        f.keyBox = {2400, 60, 1455, 255};
    } else {
        f.frame = {kAnswerFrameLeft, 0, frameWidth, kSentenceFrameHeight};
        f.answerBox = {360, 40, frameWidth - 1000, 1000};
        f.firstVerdict = {f.answerBox.right() + 100, 40, 360, 255};
        f.keyBox = {f.answerBox.left, f.answerBox.bottom() + 100, frameWidth - 500, 1000};
    }
    f.secondVerdict = f.firstVerdict;
    f.carriedVerdict = f.firstVerdict;
    f.carriedVerdict.left = f.answerBox.right() + 105;
    return f;
}

std::array<Rect, bank::kMaxAnswersPerQuestion> StackAnswerFrames(int answerCount, bool sentenceLayout) {
    const double gap = answerCount >= kCrowdedFrom ? kCrowdedFrameGap : kFrameGap;
    std::array<Rect, bank::kMaxAnswersPerQuestion> frames;
    double top = kFirstFrameTop;
    for (std::size_t n = 0; n < frames.size(); ++n) {
        const double height = (n == 0 && sentenceLayout) ? kSentenceFrameHeight : kAnswerFrameHeight;
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
