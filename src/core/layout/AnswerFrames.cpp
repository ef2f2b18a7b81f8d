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

AnswerFrameLayout LayOutAnswerFrame(bool sentence, double frameWidth, double grow,
                                    const AnswerFrameContent& content) {
    AnswerFrameLayout f;
    const double line = kLineBoxHeight * grow;
    // The part letter and the verdicts widen with their text; what follows them moves right.
    const double letter = 360 * grow;
    const double shift = letter - 360;
    f.partLetter = {0, 40, letter, line};
    f.frame = {kAnswerFrameLeft, 0, frameWidth, frameHeight(sentence, grow)};
    double lowest = 0;          // the bottom of the lowest box that shows
    bool verdictsUnder = false; // the verdicts stand under the answer box, not beside it
    if (!sentence) {
        // Larger text, a wider box: into the key box's room while the key box
        // is hidden, as far as its share of that room (1575 to 1455) while it
        // shows; never narrower than 1575, and as wide as its answer while
        // the room allows. A key box too narrow beside the answer box for its
        // key, or beside a box too narrow for its answer, goes under it
        // instead, as wide as the frame allows, and the answer box takes the room.
        const double room = frameWidth - 120 - letter - 105 - letter;
        const auto widthUpTo = [grow](double most) { return std::max(1575.0, std::min(1575 * grow, most)); };
        const double shared = widthUpTo(room * 1575 / (1575 + 1455));
        const bool keyUnder =
            content.keyShown && (content.keyWidth > room - shared || content.answerWidth > shared);
        const double box = content.keyShown && !keyUnder
                               ? shared
                               : std::max(widthUpTo(room), std::min(content.answerWidth, room));
        f.answerBox = {letter, 40, box, line};
        f.firstVerdict = {f.answerBox.right() + 105, 40, letter, line};
        if (keyUnder) {
            f.keyBox = {letter, f.answerBox.bottom() + kExplanationGap,
                        std::max(0.0, frameWidth - 120 - letter), line};
            // The same room under it as under the answer box.
            f.frame.height =
                std::max(f.frame.height, f.keyBox.bottom() + f.frame.height - f.answerBox.bottom());
        } else {
            const double keyLeft = f.firstVerdict.right();
            // The key box keeps the frame's right margin (120), however little room is left.
            f.keyBox = {keyLeft, 60, std::max(0.0, frameWidth - 120 - keyLeft), line};
        }
        lowest = f.answerBox.bottom();
    } else {
        const double verdict = letter;
        // Beside the verdicts 1000 narrower than the frame, less what the part letter widens, as long
        // as the verdicts keep the frame's right margin (120); alone on its line, to that margin.
        const double beside =
            std::max(0.0, std::min(frameWidth - 1000 - shift, frameWidth - letter - 100 - verdict - 120));
        const double alone = std::max(0.0, frameWidth - 120 - letter);
        verdictsUnder = beside < content.widestWord && beside < alone;
        const double box = std::max(kSentenceBoxHeight * grow, content.answerHeight);
        f.answerBox = {letter, 40, verdictsUnder ? alone : beside, box};
        if (verdictsUnder) {
            f.firstVerdict = {f.answerBox.right() - verdict, f.answerBox.bottom() + kExplanationGap, verdict,
                              line};
            lowest = f.firstVerdict.bottom();
        } else {
            f.firstVerdict = {f.answerBox.right() + 100, 40, verdict, line};
            lowest = f.answerBox.bottom();
        }
        f.keyBox = {f.answerBox.left, lowest + 100, std::max(0.0, frameWidth - 500 - shift),
                    std::max(kSentenceBoxHeight * grow, content.keyHeight)};
        // The frame keeps the key box's room, as tall as its boxes need.
        f.frame.height = std::max(f.frame.height, f.keyBox.bottom() - 40);
    }
    f.secondVerdict = f.firstVerdict;
    f.carriedVerdict = f.firstVerdict;
    if (!verdictsUnder) {
        f.carriedVerdict.left = f.answerBox.right() + 105;
    }
    if (content.keyShown) {
        lowest = std::max(lowest, f.keyBox.bottom());
    }
    f.explanation = {f.answerBox.left, lowest + kExplanationGap,
                     std::max(0.0, frameWidth - 120 - f.answerBox.left),
                     std::max(0.0, content.explanationHeight)};
    if (f.explanation.height > 0) {
        f.frame.height = std::max(f.frame.height, f.explanation.bottom() + kExplanationGap);
    }
    return f;
}

std::array<Rect, bank::kMaxAnswersPerQuestion> StackAnswerFrames(int answerCount, bool sentenceLayout,
                                                                 double grow,
                                                                 const AnswerFrameContents& contents,
                                                                 double frameWidth) {
    const double gap = answerCount >= kCrowdedFrom ? kCrowdedFrameGap : kFrameGap;
    std::array<Rect, bank::kMaxAnswersPerQuestion> frames;
    double top = kFirstFrameTop;
    for (std::size_t n = 0; n < frames.size(); ++n) {
        const double height =
            LayOutAnswerFrame(n == 0 && sentenceLayout, frameWidth, grow, contents[n]).frame.height;
        frames[n] = {kAnswerFrameLeft, top, frameWidth, height};
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
