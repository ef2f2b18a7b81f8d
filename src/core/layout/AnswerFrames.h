#pragma once

#include "core/layout/Colour.h"
#include "core/layout/Geometry.h"
#include "core/product/BankNumbers.h"

#include <array>

/// The answer sheet's frames (Frame1 .. Frame20, one per answer slot a
/// question can have) and what lies in each, in twips. A frame is 3975 x 375 and holds the part letter QLn,
/// the answer box FAn, the verdict labels FRn (first attempt) and SRn (second attempt) and the key box Mn
/// (second attempt), and under them the slot's explanation once it shows. Frame 1 alone is enlarged when
/// its slot is of kind L (a written sentence).
namespace orbisk::layout {

inline constexpr double kAnswerFrameWidth = 3975;
inline constexpr double kAnswerFrameHeight = 375;
inline constexpr double kSentenceFrameHeight = 2100;
/// Frames stand at this left in the sheet (as the instruction picture does).
inline constexpr double kAnswerFrameLeft = 30;
inline constexpr double kFirstFrameTop = 50;
inline constexpr double kFrameGap = 105;
/// From 16 answers on the frames overlap slightly so twenty fit.
inline constexpr double kCrowdedFrameGap = -10;
inline constexpr int kCrowdedFrom = 16;

/// The controls of one frame, in the frame's coordinates.
struct AnswerFrameLayout {
    Rect frame;          ///< the frame in the sheet (left, width and height; top from StackAnswerFrames)
    Rect partLetter;     ///< QLn
    Rect answerBox;      ///< FAn
    Rect firstVerdict;   ///< FRn
    Rect secondVerdict;  ///< SRn, where FRn is
    Rect carriedVerdict; ///< FRn of a second attempt's carried-over answer, just right of its box
    Rect keyBox;         ///< Mn
    Rect explanation;    ///< why the answer is right: under the boxes, from the answer box's left to
                         ///< the frame's right margin; as high as asked (0 when none shows)
};

/// Between the lowest box of a frame and its explanation, and under the explanation.
inline constexpr double kExplanationGap = 40;

/// What a frame holds that its layout must make room for, measured by whoever
/// draws it (twips; 0 for nothing).
struct AnswerFrameContent {
    /// The key box shows. A hidden one takes no room above the explanation.
    bool keyShown = false;
    /// Sentence layout: the widest word of the answer or the key, with the
    /// box's own margins. When the box beside the verdicts is narrower, the
    /// verdicts move under the box and the box takes their place, so that no
    /// word breaks where the frame is wide enough for it.
    double widestWord = 0;
    /// Sentence layout: the answer's text wrapped at the box's width; the box is
    /// never lower, so the whole sentence shows.
    double answerHeight = 0;
    /// Sentence layout: the same for the key box.
    double keyHeight = 0;
    /// One-line layout: the key on one line, with the key box's own margins.
    /// A key box narrower than that beside the answer box goes under it.
    double keyWidth = 0;
    /// One-line layout: the answer on one line, with the box's own margins.
    /// A box narrower than that widens to it, as far as the frame allows,
    /// and a shown key box goes under it to make the room.
    double answerWidth = 0;
    /// The explanation's text wrapped at the explanation's width.
    double explanationHeight = 0;
};

/// The one-line layout every frame has (FA 1575 x 255 at left 360, top 40;
/// verdicts at 2040; key box 1455 x 255 at 2400, top 60), or frame 1's
/// sentence layout (frame 2100 high, a 1000-high answer box 1000 narrower than
/// the frame, the verdicts 100 right of it, the key box under it).
///
/// @p grow (1 or more) makes every height that holds a line of text that many
/// times taller, for larger text (see AnswerFrameGrowth): the boxes, part
/// letters and verdicts, and the frame by as much as its boxes. The part
/// letter and the verdicts widen as much and push what follows them right;
/// a one-line answer box widens as much too, into the key box's room while
/// the key box is hidden (content.keyShown), as far as its share of that room
/// (1575 to 1455) while it shows, and never below 1575; a box too narrow for
/// its answer (content.answerWidth) widens to it as far as that room allows;
/// a shown key box too narrow beside the answer box for its key
/// (content.keyWidth), or beside an answer box too narrow for its answer,
/// goes under it, as wide as the frame allows, and the frame grows to hold
/// it; the sentence box gives
/// up what the part letter and the verdicts take (the verdicts stay inside the
/// frame); the key box takes what is left of @p frameWidth (at 1 and the usual
/// width, 1455).
///
/// @p content: a sentence box and its key box are as tall as their text needs
/// (never lower than at @p grow alone), and the frame grows with them;
/// content.explanationHeight places the explanation kExplanationGap under the
/// lowest box that shows and makes the frame end kExplanationGap under it; 0
/// leaves the frame as it is, with no room for one.
AnswerFrameLayout LayOutAnswerFrame(bool sentence, double frameWidth = kAnswerFrameWidth, double grow = 1,
                                    const AnswerFrameContent& content = {});

/// How much taller the frames must be for a box whose line of text needs
/// @p lineHeight twips: the one-line box's 255 twips hold it at 1; never below 1.
double AnswerFrameGrowth(double lineHeight);

/// `StackAnswerFrames`: the rectangles of Frame1 .. Frame20 in the sheet for a
/// question of @p answerCount slots. Frame 1 at top 50, each next one under the
/// previous, 105 apart, or -10 apart when the question has 16 or more slots
/// (the crowded frames overlap only by the space under their boxes). All twenty
/// are placed, shown or not. @p sentenceLayout makes frame 1 2100 high; @p grow
/// as LayOutAnswerFrame; each frame is as tall as LayOutAnswerFrame makes it
/// with its @p contents (frame 1 first) at @p frameWidth.
using AnswerFrameContents = std::array<AnswerFrameContent, bank::kMaxAnswersPerQuestion>;
std::array<Rect, bank::kMaxAnswersPerQuestion> StackAnswerFrames(int answerCount, bool sentenceLayout,
                                                                 double grow = 1,
                                                                 const AnswerFrameContents& contents = {},
                                                                 double frameWidth = kAnswerFrameWidth);

/// `drawborder` / `createborder`: the frame drawn round an answer box in its
/// container, as four lines.
struct BorderLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const BorderLine&) const = default;
};

struct Border {
    double top = 0, left = 0, bottom = 0,
           right = 0;                ///< 30 outside the box's top-left, 15 outside its bottom-right
    std::array<BorderLine, 4> lines; ///< top, left, bottom (15 longer), right (15 longer)
    Colour colour;
};

/// The border's colours by style: 0 light blue, 2 the container's background
/// (the border is erased), any other style light grey.
inline constexpr Colour kBorderColour{178, 217, 246};
inline constexpr Colour kGreyBorderColour{192, 192, 192};
inline constexpr int kBorderStyle = 0;
inline constexpr int kEraseBorderStyle = 2;

/// The border of @p control (in its container's coordinates) drawn in @p style
/// on a container whose background is @p background.
Border DrawBorder(const Rect& control, int style, Colour background);

} // namespace orbisk::layout
