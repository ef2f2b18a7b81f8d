#include "gui/home/ReportPage.h"

#include "core/report/ReportDescriptions.h"
#include "core/report/ReportTexts.h"
#include "gui/chrome/CaptionLabel.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/PageSurface.h"
#include "gui/home/TopicTrack.h"
#include "gui/home/TrendPlotView.h"

#include <QColor>

namespace orbisk::gui {

namespace {

const QString kHeadingColour = palette::TextColourStyle(palette::kPracticeHeading);
const QString kNoteColour = QStringLiteral("color: #5a6473;");
/// The bars' height when their picture is missing.
constexpr int kBarFallbackHeight = 17;
/// The bar's caption starts this far in from its left end.
constexpr int kBarCaptionIndent = 8;
/// Room under the overall figures before the note of unreadable scores.
constexpr double kNoteGap = layout::Twips(14);

std::size_t index(int oneBased) {
    return static_cast<std::size_t>(oneBased - 1);
}

QFont boldFont(double points) {
    QFont font = BodyFont(points);
    font.setBold(true);
    return font;
}

} // namespace

ReportPage::ReportPage(SkinPictures& pictures, const layout::Rect& at, QWidget* parent) : QWidget(parent) {
    SetUpHomePage(*this, QStringLiteral("Body_Report"), at);
    setFont(BodyFont(8.25));

    buildBars(pictures);
    // Every panel fills the same room between the bars, whichever is open.
    const double width = layout::Twips(this->width());
    const double panelHeight = layout::ArrangeReportPanels(layout::ReportPanel::Overall, width,
                                                           layout::Twips(height()), barHeights())
                                   .panel.height;
    buildOverall(width);
    buildTopical(width, panelHeight);
    buildTrend(width, panelHeight);
    // Bars first, then what the open panel holds: the order Tab takes them in.
    setTabOrder(m_bars[0], m_bars[1]);
    setTabOrder(m_bars[1], m_bars[2]);
    ArrangeReportPanels(1);
}

std::array<double, 3> ReportPage::barHeights() const {
    std::array<double, 3> heights{};
    for (std::size_t i = 0; i < heights.size(); ++i) {
        const QPixmap& picture = m_bars[i]->shownPicture();
        heights[i] = layout::Twips(picture.isNull() ? kBarFallbackHeight : PictureSize(picture).height());
    }
    return heights;
}

TopicTrack* ReportPage::track(int k, int attempt) const {
    return attempt == 1 ? m_firstTracks.at(index(k)) : m_secondTracks.at(index(k));
}

QWidget* ReportPage::makePanel(const char* name) {
    auto* panel = new QWidget(this);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAutoFillBackground(true);
    panel->hide();
    return panel;
}

QLabel* ReportPage::makeLabel(QWidget* parent, const QString& text, const QString& name,
                              const layout::Rect& at, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(alignment);
    Place(label, at);
    return label;
}

void ReportPage::buildBars(SkinPictures& pictures) {
    const QPixmap picture = pictures.Get(QStringLiteral("bar.bmp"));
    const QFont captionFont = boldFont(8.25);
    for (int n = 1; n <= 3; ++n) {
        const QString caption = ToQString(report::kReportBarCaptions[index(n)]);
        const QString tip = ToQString(report::kReportBarTooltips[index(n)]);
        auto* bar = new ImageButton(this);
        bar->setObjectName(QStringLiteral("RCBar%1").arg(n));
        bar->SetKind(ImageButton::Kind::PanelBar);
        bar->SetPictures({picture, picture, {}, {}});
        bar->setAccessibleName(caption);
        bar->setAccessibleDescription(tip);
        bar->setToolTip(tip);
        bar->setCursor(Qt::PointingHandCursor);
        bar->resize(picture.isNull() ? QSize(width(), kBarFallbackHeight) : PictureSize(picture));
        connect(bar, &ImageButton::clicked, this, [this, n] { emit barClicked(n); });

        // The caption is a label of its own lying on the bar; a click on it is
        // not taken by the label, so it reaches the bar under it.
        auto* label = new SpokenElsewhereLabel(caption, bar); // the bar is named for it
        label->setObjectName(QStringLiteral("lblRCBar%1").arg(n));
        label->setFont(captionFont);
        label->setStyleSheet(QStringLiteral("color: white;"));
        label->setToolTip(tip);
        label->setCursor(Qt::PointingHandCursor);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_bars[index(n)] = bar;
        m_barLabels[index(n)] = label;
    }
}

void ReportPage::buildOverall(double width) {
    QWidget* panel = makePanel("RC1Summary");
    m_panels[0] = panel;
    const layout::OverallPanelLayout l = layout::LayOutOverallPanel(width);
    const char* names[] = {"OScore1", "OScore2", "PCNum", "WT", "ST"};
    const QFont figureFont = boldFont(9);
    for (std::size_t i = 0; i < l.captions.size(); ++i) {
        m_overallCaptions[i] = ToQString(report::kOverallCaptions[i]);
        // The figure's name says its caption (BuildReport).
        auto* caption = new SpokenElsewhereLabel(m_overallCaptions[i], panel);
        caption->setFont(BodyFont(9));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Place(caption, l.captions[i]);
        QLabel* figure =
            makeLabel(panel, ToQString(report::kNoFigure), QString::fromLatin1(names[i]), l.figures[i]);
        figure->setFont(figureFont);
        figure->setStyleSheet(kHeadingColour);
        m_overallFigures[i] = figure;
    }
    const layout::Rect last = l.captions.back();
    const layout::Rect note{last.left, last.bottom() + kNoteGap, l.figures.back().right() - last.left,
                            layout::Twips(64)};
    m_unreadable = makeLabel(panel, {}, QStringLiteral("lblUnreadable"), note, Qt::AlignLeft | Qt::AlignTop);
    m_unreadable->setWordWrap(true);
    m_unreadable->setFont(BodyFont(8));
    m_unreadable->setStyleSheet(kNoteColour);
    m_unreadable->hide();
}

void ReportPage::buildTopical(double width, double height) {
    QWidget* panel = makePanel("RC2Topical");
    m_panels[1] = panel;
    const layout::TopicalPanelLayout l = layout::LayOutTopicalPanel(width, height);
    const QFont headingFont = boldFont(8.25);
    for (const auto& [text, name, at] :
         {std::tuple{report::kFirstAttemptHeading, "lblFirstHeading", l.firstHeading},
          std::tuple{report::kSecondAttemptHeading, "lblSecondHeading", l.secondHeading}}) {
        QLabel* heading = makeLabel(panel, ToQString(text), QString::fromLatin1(name), at);
        heading->setFont(headingFont);
        heading->setStyleSheet(kHeadingColour);
    }
    // First attempts in the skin's blue, second attempts in its green.
    const QColor firstLight(0x9C, 0xC8, 0xF5), firstDark(0x2F, 0x6F, 0xB5);
    const QColor secondLight(0xA6, 0xE3, 0xAD), secondDark(0x3A, 0x9A, 0x48);
    for (int k = 1; k <= 10; ++k) {
        const layout::TopicRowLayout& row = l.rows[index(k)];
        m_topicNames[index(k)] = makeLabel(panel, {}, QStringLiteral("TopLab%1").arg(k), row.name);
        m_firstTracks[index(k)] =
            new TopicTrack(QStringLiteral("%1A").arg(k), row.first, firstLight, firstDark, panel);
        m_secondTracks[index(k)] =
            new TopicTrack(QStringLiteral("%1B").arg(k), row.second, secondLight, secondDark, panel);
    }
}

void ReportPage::buildTrend(double width, double height) {
    QWidget* panel = makePanel("RC3Trend");
    m_panels[2] = panel;
    const layout::TrendPanelLayout l = layout::LayOutTrendPanel(width, height);
    m_plot = new TrendPlotView(panel);
    const layout::PixelRect area = layout::ToPixels(l.plot);
    m_plot->PlaceArea(QRect(area.x, area.y, area.width, area.height));
    m_plot->setAccessibleName(ToQString(report::kTrendCaption));
    const QFont axisFont = BodyFont(7);
    for (std::size_t k = 0; k < l.axisLabels.size(); ++k) {
        makeLabel(panel, ToQString(report::kTrendAxisLabels[k]), QStringLiteral("lblTrendAxis%1").arg(k + 1),
                  l.axisLabels[k], Qt::AlignRight | Qt::AlignVCenter)
            ->setFont(axisFont);
    }
    makeLabel(panel, ToQString(report::kTrendCaption), QStringLiteral("lblTrendCaption"), l.caption,
              Qt::AlignHCenter | Qt::AlignVCenter)
        ->setFont(boldFont(8.25));
}

void ReportPage::ArrangeReportPanels(int txtReportPos) {
    // The layout opens the first panel for a number outside 1 to 3.
    m_arrangement =
        layout::ArrangeReportPanels(static_cast<layout::ReportPanel>(txtReportPos), layout::Twips(width()),
                                    layout::Twips(height()), barHeights());
    const auto shown = static_cast<std::size_t>(m_arrangement.open) - 1;
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        Place(m_bars[i], m_arrangement.bars[i]);
        m_barLabels[i]->setGeometry(kBarCaptionIndent, 0, m_bars[i]->width() - kBarCaptionIndent,
                                    m_bars[i]->height());
        m_panels[i]->setVisible(i == shown);
        m_bars[i]->SetCurrent(i == shown);
    }
    Place(m_panels[shown], m_arrangement.panel);
    // The open panel, then the bars in order: no bar is ever covered.
    m_panels[shown]->raise();
    for (ImageButton* bar : m_bars) {
        bar->raise();
    }
}

void ReportPage::BuildReport(const report::ReportFigures& figures) {
    const std::array<const std::string*, 5> texts{&figures.OScore1, &figures.OScore2, &figures.PCNum,
                                                  &figures.WT, &figures.ST};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString text = ToQString(*texts[i]);
        m_overallFigures[i]->setText(text);
        // Read together, the caption and its figure make sense on their own.
        m_overallFigures[i]->setAccessibleName(m_overallCaptions[i] + QLatin1Char(' ') + text.trimmed());
    }
    showUnreadable(figures);

    for (int k = 1; k <= 10; ++k) {
        FillTopicRow(k, figures.topics[index(k)]);
    }

    m_plot->SetScores(report::TrendScores(figures.trend));
    m_plot->setAccessibleDescription(ToQString(report::DescribeTrend(figures.trend, DecimalPoint())));
}

void ReportPage::FillTopicRow(int k, const report::TopicFigures& topic) {
    const QString name = ToQString(topic.name);
    const QString description = ToQString(report::DescribeTopicRow(topic));
    QLabel* nameBox = m_topicNames[index(k)];
    nameBox->setText(name);
    nameBox->setAccessibleDescription(description);
    TopicTrack* first = m_firstTracks[index(k)];
    TopicTrack* second = m_secondTracks[index(k)];
    first->Show(topic.first.value(), topic.firstMark);
    second->Show(topic.second.value(), topic.secondMark);
    first->setAccessibleName(name + QStringLiteral(", first attempts"));
    second->setAccessibleName(name + QStringLiteral(", second attempts"));
    for (QWidget* part : {static_cast<QWidget*>(first), static_cast<QWidget*>(second)}) {
        part->setAccessibleDescription(description);
    }
    for (QWidget* part :
         {static_cast<QWidget*>(nameBox), static_cast<QWidget*>(first), static_cast<QWidget*>(second)}) {
        part->setVisible(topic.shown);
    }
}

void ReportPage::showUnreadable(const report::ReportFigures& figures) {
    const QString note = ToQString(report::DescribeUnreadableScores(figures));
    m_unreadable->setText(note);
    m_unreadable->setVisible(!note.isEmpty());
}

} // namespace orbisk::gui
