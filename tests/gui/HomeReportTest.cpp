// The report page: its figures, its accordion of three panels, its topic rows
// and its trend plot, reached through the home window's Report button.
#include "HomeFixture.h"
#include "core/layout/Geometry.h"
#include "core/results/ResultsStore.h"
#include "gui/chrome/ImageButton.h"
#include "gui/home/ReportPage.h"
#include "gui/home/TopicTrack.h"
#include "gui/home/TrendPlotView.h"

#include <QAccessible>
#include <QLocale>
#include <QTest>
#include <filesystem>

namespace orbisk::gui {
namespace {

using orbisk::testing::HomeFixture;
using orbisk::testing::StoredScores;

constexpr int kReportSlot = 2; // the Report button of a section tab
constexpr int kHomeSlot = 1;

class HomeReport : public HomeFixture {
protected:
    ~HomeReport() override { QLocale::setDefault(QLocale::c()); }

    ReportPage* ShowReport(HomeWindow& home) {
        home.ToolBarClick(kReportSlot);
        EXPECT_EQ(home.currentPage(), home.reportPage());
        return home.reportPage();
    }
    std::filesystem::path TrendFile() const {
        return results::FilePath(m_folder.path(), results::ResultsFile::Trend, 2, m_config.code);
    }
    static QString Text(const ReportPage* page, const char* name) {
        const auto* label = page->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
    /// The widget a click at the centre of @p widget lands on, in @p page.
    static QWidget* SeenAt(const ReportPage* page, const QWidget* widget) {
        return page->childAt(widget->mapTo(page, widget->rect().center()));
    }
};

// Figures ------------------------------------------------------------------

struct MeansCase {
    const char* name;
    std::map<int, StoredScores> scores;
    bool decimalComma; // the desktop writes numbers with a decimal comma
    const char* firstMark;
    const char* secondMark;
    double firstMean; // unrounded, for the bar
    const char* OScore1;
    const char* OScore2;
    const char* PCNum;
};

class ReportMeans : public HomeReport, public ::testing::WithParamInterface<MeansCase> {};

TEST_P(ReportMeans, TopicOneShowsItsMeansAsMarksBarsAndWords) {
    const MeansCase& c = GetParam();
    if (c.decimalComma) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    StoreScores(c.scores);
    const auto home = Open();
    ReportPage* page = ShowReport(*home);

    EXPECT_EQ(Text(page, "TMark1A"), QString::fromUtf8(c.firstMark));
    EXPECT_EQ(Text(page, "TMark1B"), QString::fromUtf8(c.secondMark));
    EXPECT_EQ(Text(page, "OScore1"), QString::fromUtf8(c.OScore1));
    EXPECT_EQ(Text(page, "OScore2"), QString::fromUtf8(c.OScore2));
    EXPECT_EQ(Text(page, "PCNum"), QString::fromUtf8(c.PCNum));

    // The bar follows the unrounded mean and stays inside its track's groove.
    TopicTrack* first = page->track(1, 1);
    const layout::PixelRect area = layout::ToPixels(first->layout().barArea);
    EXPECT_EQ(first->bar()->width(), layout::ToPixels(first->layout().Bar(c.firstMean)).width);
    EXPECT_GT(first->bar()->width(), 0);
    EXPECT_TRUE(QRect(area.x, area.y, area.width, area.height).contains(first->bar()->geometry()));
    EXPECT_TRUE(first->rect().contains(first->mark()->geometry()));
    EXPECT_FALSE(first->bar()->geometry().intersects(first->mark()->geometry()))
        << "a bar never runs under its mark";
    EXPECT_EQ(page->track(2, 1)->bar()->width(), 0) << "topic 2 has no scores";
    EXPECT_EQ(Text(page, "TMark2A"), QString());

    // Screen readers get both means in words.
    const QString description = first->accessibleDescription();
    EXPECT_TRUE(description.contains(QString::fromUtf8(c.firstMark))) << description.toStdString();
    EXPECT_TRUE(description.contains(QString::fromUtf8(c.secondMark))) << description.toStdString();
    EXPECT_EQ(page->topicName(1)->accessibleDescription(), description);
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

const std::map<int, StoredScores> kTopicOne{{1, {"80", "100"}}, {2, {"90", ""}}};
const std::map<int, StoredScores> kQuarterMean{{1, {"72.5", "60"}}, {2, {"72", "65"}}};

INSTANTIATE_TEST_SUITE_P(HomeReport, ReportMeans,
                         ::testing::Values(MeansCase{"two_first_one_second", kTopicOne, false, "85%", "100%",
                                                     85, "85%", "100%", "2 / 50"},
                                           MeansCase{"decimal_comma_desktop", kTopicOne, true, "85%", "100%",
                                                     85, "85%", "100%", "2 / 50"},
                                           MeansCase{"quarter_rounds_to_even", kQuarterMean, false, "72.2%",
                                                     "62.5%", 72.25, "72.2%", "62.5%", "2 / 50"},
                                           MeansCase{"quarter_under_decimal_comma", kQuarterMean, true,
                                                     "72,2%", "62,5%", 72.25, "72,2%", "62,5%", "2 / 50"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeReport, AScoreThatIsNotANumberIsLeftOutAndNamedQuietly) {
    StoreScores({{1, {"80", ""}}, {3, {"abc", ""}}});
    const auto home = Open();
    ReportPage* page = ShowReport(*home);
    EXPECT_EQ(Text(page, "OScore1"), QStringLiteral("80%"));
    EXPECT_EQ(Text(page, "PCNum"), QStringLiteral("1 / 50"));
    EXPECT_TRUE(page->unreadableNote()->isVisibleTo(page));
    EXPECT_TRUE(page->unreadableNote()->text().contains(QStringLiteral("paper 3 (first attempt)")))
        << page->unreadableNote()->text().toStdString();
    EXPECT_TRUE(m_notifier.messages.isEmpty()) << "no box each time the report is shown";

    StoreScores({{3, {"70", ""}}});
    home->ToolBarClick(kHomeSlot);
    ShowReport(*home);
    EXPECT_FALSE(page->unreadableNote()->isVisibleTo(page));
    EXPECT_EQ(Text(page, "OScore1"), QStringLiteral("75%"));
}

TEST_F(HomeReport, TheReportIsRebuiltOnEveryPressFromWhatTheHomePageRead) {
    const auto home = Open();
    ReportPage* page = ShowReport(*home);
    EXPECT_EQ(Text(page, "OScore1"), QStringLiteral("-"));
    EXPECT_EQ(Text(page, "PCNum"), QStringLiteral("0 / 50"));
    EXPECT_EQ(Text(page, "WT"), QStringLiteral("-"));
    EXPECT_TRUE(page->trendPlot()->shape().dots.empty());

    // A paper is marked: its score lands in the marks and trend files.
    StoreScores({{6, {"60", ""}}});
    results::AppendTrend(TrendFile(), "60");
    home->ToolBarClick(kHomeSlot); // the home page reads the marks again
    ShowReport(*home);
    EXPECT_EQ(Text(page, "OScore1"), QStringLiteral("60%"));
    EXPECT_EQ(Text(page, "PCNum"), QStringLiteral("1 / 50"));
    EXPECT_EQ(Text(page, "TMark2A"), QStringLiteral("60%"));
    EXPECT_EQ(page->trendPlot()->shape().dots.size(), 1U);
}

TEST_F(HomeReport, TheReportOnShowFollowsAPaperMarkedMeanwhile) {
    const auto home = Open();
    ReportPage* page = ShowReport(*home);
    StoreScores({{6, {"60", ""}}});
    results::AppendTrend(TrendFile(), "60");
    home->RefreshContents(); // what a practice window does once it has marked its paper
    EXPECT_EQ(home->currentPage(), page);
    EXPECT_EQ(Text(page, "PCNum"), QStringLiteral("1 / 50"));
    EXPECT_EQ(page->trendPlot()->shape().dots.size(), 1U);
}

// A figure's name says its caption, so the caption itself is not read out.
TEST_F(HomeReport, NoTextOfTheOverallPanelIsReadOutTwice) {
    const auto home = Open();
    ReportPage* page = ShowReport(*home);
    QStringList heard;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(label);
        if (label->isVisibleTo(page) && !spoken->state().invisible) {
            heard << spoken->text(QAccessible::Name);
        }
    }
    const QString figure = QStringLiteral("First Attempt Average Score: -");
    EXPECT_EQ(heard.count(figure), 1) << heard.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(heard.count(QStringLiteral("First Attempt Average Score:")), 0)
        << heard.join(QLatin1Char('|')).toStdString();
}

// Accordion ----------------------------------------------------------------

enum class Opener { ClickBar, ClickLabel, SpaceOnBar };

struct AccordionCase {
    const char* name;
    int panel;
    Opener how;
};

class ReportAccordion : public HomeReport, public ::testing::WithParamInterface<AccordionCase> {};

TEST_P(ReportAccordion, TheOpenPanelLiesBetweenItsBarsAndNoBarIsCovered) {
    const AccordionCase& c = GetParam();
    const auto home = Open();
    ReportPage* page = ShowReport(*home);
    // Start from another panel, so every case changes what is open.
    const int other = c.panel == 3 ? 1 : 3;
    QTest::mouseClick(page->bar(other), Qt::LeftButton);
    ASSERT_EQ(home->state().txtReportPos, other);

    switch (c.how) {
    case Opener::ClickBar:
        QTest::mouseClick(page->bar(c.panel), Qt::LeftButton);
        break;
    case Opener::ClickLabel:
        QTest::mouseClick(page->barLabel(c.panel), Qt::LeftButton);
        break;
    case Opener::SpaceOnBar:
        ASSERT_TRUE(page->bar(c.panel)->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(page->bar(c.panel), Qt::Key_Space);
        break;
    }
    EXPECT_EQ(home->state().txtReportPos, c.panel);

    const QRect b1 = page->bar(1)->geometry(), b2 = page->bar(2)->geometry(), b3 = page->bar(3)->geometry();
    QWidget* open = page->panel(c.panel);
    const QRect p = open->geometry();
    EXPECT_EQ(b1.top(), 0);
    // The bars at and above the open one stack from the top, the others from the bottom.
    const int h = page->height();
    switch (c.panel) {
    case 1:
        EXPECT_EQ(b3.bottom() + 1, h);
        EXPECT_EQ(b2.bottom() + 1, b3.top());
        EXPECT_EQ(p.top(), b1.bottom() + 1);
        EXPECT_EQ(p.bottom() + 1, b2.top());
        break;
    case 2:
        EXPECT_EQ(b2.top(), b1.bottom() + 1);
        EXPECT_EQ(b3.bottom() + 1, h);
        EXPECT_EQ(p.top(), b2.bottom() + 1);
        EXPECT_EQ(p.bottom() + 1, b3.top());
        break;
    case 3:
        EXPECT_EQ(b2.top(), b1.bottom() + 1);
        EXPECT_EQ(b3.top(), b2.bottom() + 1);
        EXPECT_EQ(p.top(), b3.bottom() + 1);
        EXPECT_EQ(p.bottom() + 1, h);
        break;
    }
    for (const QRect& bar : {b1, b2, b3}) {
        EXPECT_EQ(bar.width(), page->width());
    }
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(page->panel(n)->isVisibleTo(page), n == c.panel) << "panel " << n;
        QWidget* seen = SeenAt(page, page->bar(n));
        EXPECT_TRUE(seen == page->bar(n) || seen == page->barLabel(n)) << "bar " << n << " is covered";
    }
    EXPECT_EQ(SeenAt(page, open)->window(), home.get());
    EXPECT_TRUE(open == SeenAt(page, open) || open->isAncestorOf(SeenAt(page, open)));
}

INSTANTIATE_TEST_SUITE_P(HomeReport, ReportAccordion,
                         ::testing::Values(AccordionCase{"overall_by_bar", 1, Opener::ClickBar},
                                           AccordionCase{"topical_by_bar", 2, Opener::ClickBar},
                                           AccordionCase{"trend_by_bar", 3, Opener::ClickBar},
                                           AccordionCase{"overall_by_label", 1, Opener::ClickLabel},
                                           AccordionCase{"topical_by_label", 2, Opener::ClickLabel},
                                           AccordionCase{"trend_by_label", 3, Opener::ClickLabel},
                                           AccordionCase{"topical_by_space", 2, Opener::SpaceOnBar},
                                           AccordionCase{"trend_by_space", 3, Opener::SpaceOnBar}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeReport, BarsAreNamedForScreenReadersAndATabClickReopensTheOverallPanel) {
    const auto home = Open();
    ReportPage* page = ShowReport(*home);
    const QStringList names{page->bar(1)->accessibleName(), page->bar(2)->accessibleName(),
                            page->bar(3)->accessibleName()};
    EXPECT_EQ(names, orbisk::testing::Texts({"Overall Results", "Topical Results", "Trend Analysis"}));
    const QStringList tips{page->barLabel(1)->toolTip(), page->barLabel(2)->toolTip(),
                           page->bar(3)->toolTip()};
    EXPECT_EQ(tips, orbisk::testing::Texts({"Click to show overall results", "Click to show topical results",
                                            "Click to show past trends"}));

    QTest::mouseClick(page->bar(3), Qt::LeftButton);
    const auto expanded = [page](int n) {
        return QAccessible::queryAccessibleInterface(page->bar(n))->state().expanded != 0;
    };
    EXPECT_TRUE(expanded(3)) << "a screen reader hears which panel is open";
    EXPECT_FALSE(expanded(1));
    home->TabClick(2);
    ShowReport(*home);
    EXPECT_EQ(home->state().txtReportPos, 1);
    EXPECT_TRUE(page->panel(1)->isVisibleTo(page));
    EXPECT_FALSE(page->panel(3)->isVisibleTo(page));
}

// Topic rows ---------------------------------------------------------------

class ReportRows : public HomeReport, public ::testing::WithParamInterface<int> {};

TEST_P(ReportRows, RowsAboveTheTopicCountAreHidden) {
    const int topics = GetParam();
    const auto config = Config(topics);
    const auto home = Open(config);
    ReportPage* page = ShowReport(*home);
    QTest::mouseClick(page->bar(2), Qt::LeftButton);
    for (int k = 1; k <= 10; ++k) {
        const bool shown = k <= topics;
        EXPECT_EQ(page->topicName(k)->isVisibleTo(page), shown) << "row " << k;
        EXPECT_EQ(page->track(k, 1)->isVisibleTo(page), shown) << "row " << k;
        EXPECT_EQ(page->track(k, 2)->isVisibleTo(page), shown) << "row " << k;
        if (shown) {
            EXPECT_EQ(page->topicName(k)->text().toStdString(), config.Section(2).topicNames.at(k - 1));
            EXPECT_TRUE(page->panel(2)->rect().contains(page->track(k, 2)->geometry())) << "row " << k;
        }
    }
    EXPECT_EQ(Text(page, "PCNum"), QStringLiteral("0 / %1").arg(5 * topics));
}

INSTANTIATE_TEST_SUITE_P(HomeReport, ReportRows, ::testing::Values(1, 4, 10));

// Trend plot ---------------------------------------------------------------

struct TrendTroubleCase {
    const char* name;
    const char* content; // null: no trend file at all
    bool folder;         // a folder stands where the file should be
};

class ReportTrendTrouble : public HomeReport, public ::testing::WithParamInterface<TrendTroubleCase> {};

TEST_P(ReportTrendTrouble, AnUnusableTrendFileGivesAnEmptyPlotAndTheRestOfTheReport) {
    const TrendTroubleCase& c = GetParam();
    StoreScores({{1, {"90", ""}}, {6, {"70", ""}}});
    std::filesystem::remove(TrendFile());
    if (c.folder) {
        std::filesystem::create_directory(TrendFile());
    } else if (c.content) {
        orbisk::testing::WriteBytes(TrendFile(), c.content);
    }
    const auto home = Open();
    ReportPage* page = ShowReport(*home);
    QTest::mouseClick(page->bar(3), Qt::LeftButton);
    const TrendPlotView* plot = page->trendPlot();
    EXPECT_TRUE(plot->shape().dots.empty());
    EXPECT_EQ(plot->shape().grid.size(), 9U);
    EXPECT_EQ(plot->accessibleDescription(), QStringLiteral("No first-attempt scores yet."));
    EXPECT_TRUE(plot->isVisibleTo(page));
    EXPECT_EQ(Text(page, "OScore1"), QStringLiteral("80%"));
    EXPECT_EQ(Text(page, "TMark1A"), QStringLiteral("90%"));
    EXPECT_EQ(Text(page, "ST").trimmed(), QString::fromStdString(m_config.Section(2).topicNames.at(0)));
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(HomeReport, ReportTrendTrouble,
                         ::testing::Values(TrendTroubleCase{"missing", nullptr, false},
                                           TrendTroubleCase{"no_trend_record", "#XYZ#>80>90\r\n", false},
                                           TrendTroubleCase{"not_numbers", "#TRD#>abc>\x01\xff\r\n", false},
                                           TrendTroubleCase{"a_folder_in_its_place", nullptr, true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeReport, TwentyFiveTrendScoresPlotTheLastTwentyOldestFirst) {
    std::string record = "#TRD#";
    for (int score = 51; score <= 75; ++score) {
        record += ">" + std::to_string(score);
    }
    orbisk::testing::WriteBytes(TrendFile(), record + "\r\n");
    const auto home = Open();
    ReportPage* page = ShowReport(*home);
    QTest::mouseClick(page->bar(3), Qt::LeftButton);
    TrendPlotView* plot = page->trendPlot();
    const layout::TrendPlotShape& shape = plot->shape();
    ASSERT_EQ(shape.dots.size(), 20U);
    EXPECT_DOUBLE_EQ(shape.dots.front().x, shape.dx);
    EXPECT_DOUBLE_EQ(shape.dots.front().y, (100 - 56) * shape.dy) << "the oldest shown is entry 6";
    EXPECT_DOUBLE_EQ(shape.dots.back().y, (100 - 75) * shape.dy);
    const QString description = plot->accessibleDescription();
    EXPECT_TRUE(
        description.startsWith(QStringLiteral("Recent first-attempt scores, oldest first: 56%, 57%,")))
        << description.toStdString();
    EXPECT_TRUE(description.endsWith(QStringLiteral("74%, 75%."))) << description.toStdString();
    EXPECT_FALSE(description.contains(QStringLiteral("55%")));

    // What the learner sees: a blue dot on each point, the right-most column free.
    const QImage image = plot->grab().toImage();
    const QRect area = plot->plotArea();
    for (const layout::PlotPoint& dot : {shape.dots.front(), shape.dots.back()}) {
        // The dot is filled round its centre: every diagonal neighbour is blue,
        // where a line through the point would colour at most two of them.
        const QPoint centre(area.left() + layout::Px(dot.x), area.top() + layout::Px(dot.y));
        for (const QPoint step : {QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1), QPoint(1, 1), QPoint()}) {
            const QColor seen = image.pixelColor(centre + step);
            EXPECT_GT(seen.blue(), 200) << seen.name().toStdString();
            EXPECT_LT(seen.red(), 80) << seen.name().toStdString();
        }
    }
    EXPECT_LT(shape.dots.back().x, area.width() * layout::kTwipsPerPixel);
}

} // namespace
} // namespace orbisk::gui
