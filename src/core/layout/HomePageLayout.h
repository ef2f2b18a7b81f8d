#pragma once

#include "core/layout/Geometry.h"

#include <array>
#include <string_view>

namespace orbisk::layout {

/// The rows of one paper on the home page: its name, the first attempt's row
/// with the load button and the second attempt's row with the try-again button.
struct PaperRowLayout {
    Rect name;         ///< LblP1 to LblP5: "Paper 1" to "Paper 5", on the first row
    Rect firstCaption; ///< "1st Attempt:"
    Rect secondCaption;
    Rect firstRow; ///< the first attempt's row across the list: its score's top and height
    Rect secondRow;
    Rect load;     ///< P1a to P5a
    Rect tryAgain; ///< P1b to P5b, at the load button's left
};

/// Where the home page's controls go, in twips of the page (Body_Home).
struct HomePageLayout {
    Rect topicsHead; ///< ColHead1 with its caption "Topics"
    Rect papersHead; ///< ColHead2 with its caption "Papers"
    std::array<Rect, 10> bullets;
    std::array<Rect, 10> topics; ///< Topic1 to Topic10
    Rect subHeading;             ///< SubH1, over the paper list
    std::array<PaperRowLayout, 5> papers;
    /// Percent1a: the column of "%" signs, one on each score row, from the
    /// first paper's first row to the last paper's second row.
    Rect percent;
};

/// Lays out the home page on a page @p pageWidth twips wide: the two column
/// heads across the top, the ten topic rows down the left column with a bullet
/// in front of each, the topic's name over the paper list on the right, and
/// the five papers under it, each with its two score rows, the "%" column and
/// the paper buttons at the right.
HomePageLayout LayOutHomePage(double pageWidth);

/// The gap between a score and the "%" column, in twips.
inline constexpr double kScoreGap = 20;

/// The left edge of a score label @p textWidth twips wide (labels size
/// themselves to their text): a score ends kScoreGap before the "%" column at
/// @p percentLeft; an empty label stands at the column's left edge.
double ScoreLeft(std::string_view score, double textWidth, double percentLeft);

/// The left edge of the label @p textWidth twips wide that says an attempt is
/// begun and not marked: it takes the place of the score and its "%", ending
/// at the right edge of the "%" column @p percent.
double ProgressLeft(double textWidth, const Rect& percent);

} // namespace orbisk::layout
