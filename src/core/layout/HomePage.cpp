#include "core/layout/HomePage.h"

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
    return l;
}

} // namespace orbisk::layout
