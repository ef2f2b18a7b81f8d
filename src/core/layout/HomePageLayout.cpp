#include "core/layout/HomePageLayout.h"

namespace orbisk::layout {

namespace {

constexpr double kHeadTop = Twips(8);
constexpr double kHeadHeight = Twips(24);
constexpr double kTopicsHeadWidth = Twips(167);
constexpr double kTopicsTop = Twips(40);
constexpr double kTopicRow = Twips(26);
constexpr double kTopicLeft = Twips(26);
constexpr double kTopicWidth = Twips(138);
constexpr double kTopicHeight = kTopicRow - Twips(4);
constexpr double kBulletLeft = Twips(8);
constexpr double kBulletDrop = Twips(6);
constexpr double kBulletWidth = Twips(13);
constexpr double kBulletHeight = Twips(11);
constexpr double kPapersLeft = Twips(177);
constexpr double kRightMargin = Twips(8);

// The paper list: five blocks of two score rows under the topic's name.
constexpr double kPapersTop = Twips(72);
constexpr double kPaperPitch = Twips(44);
constexpr double kScoreRow = Twips(18);
constexpr double kNameLeft = kPapersLeft + Twips(8);
constexpr double kNameWidth = Twips(50);
constexpr double kCaptionLeft = kNameLeft + kNameWidth;
constexpr double kCaptionWidth = Twips(66);
constexpr double kButtonWidth = Twips(35);
constexpr double kButtonHeight = Twips(14);
constexpr double kPercentWidth = Twips(12);
constexpr double kPercentGap = Twips(8);

} // namespace

HomePageLayout LayOutHomePage(double pageWidth) {
    HomePageLayout l;
    l.topicsHead = {0, kHeadTop, kTopicsHeadWidth, kHeadHeight};
    l.papersHead = {kTopicsHeadWidth, kHeadTop, pageWidth - kTopicsHeadWidth, kHeadHeight};
    for (std::size_t i = 0; i < l.topics.size(); ++i) {
        const double top = kTopicsTop + kTopicRow * static_cast<double>(i);
        l.bullets[i] = {kBulletLeft, top + kBulletDrop, kBulletWidth, kBulletHeight};
        l.topics[i] = {kTopicLeft, top, kTopicWidth, kTopicHeight};
    }
    l.subHeading = {kPapersLeft, kTopicsTop, pageWidth - kPapersLeft - kRightMargin, kTopicRow};

    const double buttonLeft = pageWidth - kRightMargin - kButtonWidth;
    const double percentLeft = buttonLeft - kPercentGap - kPercentWidth;
    const double buttonDrop = (kScoreRow - kButtonHeight) / 2;
    for (std::size_t i = 0; i < l.papers.size(); ++i) {
        PaperRowLayout& paper = l.papers[i];
        const double first = kPapersTop + kPaperPitch * static_cast<double>(i);
        const double second = first + kScoreRow;
        paper.name = {kNameLeft, first, kNameWidth, kScoreRow};
        paper.firstCaption = {kCaptionLeft, first, kCaptionWidth, kScoreRow};
        paper.secondCaption = {kCaptionLeft, second, kCaptionWidth, kScoreRow};
        paper.firstRow = {kCaptionLeft + kCaptionWidth, first, percentLeft - kCaptionLeft - kCaptionWidth,
                          kScoreRow};
        paper.secondRow = {paper.firstRow.left, second, paper.firstRow.width, kScoreRow};
        paper.load = {buttonLeft, first + buttonDrop, kButtonWidth, kButtonHeight};
        paper.tryAgain = {buttonLeft, second + buttonDrop, kButtonWidth, kButtonHeight};
    }
    l.percent = {percentLeft, l.papers.front().firstRow.top, kPercentWidth,
                 l.papers.back().secondRow.bottom() - l.papers.front().firstRow.top};
    return l;
}

double ProgressLeft(double textWidth, const Rect& percent) {
    return percent.right() - textWidth;
}

double ScoreLeft(std::string_view score, double textWidth, double percentLeft) {
    return score.empty() ? percentLeft : percentLeft - textWidth - kScoreGap;
}

} // namespace orbisk::layout
