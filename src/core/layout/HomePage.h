#pragma once

#include "core/layout/Geometry.h"

#include <array>

namespace orbisk::layout {

/// Where the home page's controls go, in twips of the page (Body_Home).
struct HomePageLayout {
    Rect topicsHead; ///< ColHead1 with its caption "Topics"
    Rect papersHead; ///< ColHead2 with its caption "Papers"
    std::array<Rect, 10> bullets;
    std::array<Rect, 10> topics; ///< Topic1 to Topic10
    Rect subHeading;             ///< SubH1, over the paper list
};

/// Lays out the home page on a page @p pageWidth twips wide: the two column
/// heads across the top, the ten topic rows down the left column with a bullet
/// in front of each, and the topic's name over the paper list on the right.
HomePageLayout LayOutHomePage(double pageWidth);

} // namespace orbisk::layout
