#include "gui/home/HomePage.h"

#include "core/home/HomeTexts.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/HoverPoller.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/PageSurface.h"
#include "gui/home/PercentColumn.h"
#include "gui/home/TopicButton.h"

namespace orbisk::gui {

namespace {

const QString kHeadingColour = palette::TextColourStyle(palette::kPracticeHeading);

std::size_t index(int oneBased) {
    return static_cast<std::size_t>(oneBased - 1);
}

} // namespace

HomePage::HomePage(SkinPictures& pictures, HoverPoller& poller, const layout::Rect& at, QWidget* parent)
    : QWidget(parent), m_layout(layout::LayOutHomePage(at.width)) {
    SetUpHomePage(*this, QStringLiteral("Body_Home"), at);
    setFont(BodyFont(8.25));
    buildTopics(pictures);
    buildPapers(pictures, poller);
}

QLabel* HomePage::makeText(const QString& text, const QString& name, const layout::Rect& at) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Place(label, at);
    return label;
}

void HomePage::buildTopics(SkinPictures& pictures) {
    auto columnHead = [&](const char* name, const char* picture, const QString& caption,
                          const layout::Rect& at) {
        auto* head = new QLabel(this);
        head->setObjectName(QString::fromLatin1(name));
        head->setPixmap(pictures.Get(QString::fromLatin1(picture)));
        Place(head, at);
        auto* text = new QLabel(caption, head);
        QFont font = BodyFont(9);
        font.setBold(true);
        text->setFont(font);
        text->setStyleSheet(kHeadingColour);
        text->setGeometry(8, 0, head->width() - 8, head->height());
    };
    columnHead("ColHead1", "columnhead1.bmp", ToQString(home::texts::kTopicsHead), m_layout.topicsHead);
    columnHead("ColHead2", "columnhead2.bmp", ToQString(home::texts::kPapersHead), m_layout.papersHead);

    const QPixmap bullet = pictures.Get(QStringLiteral("bullet.bmp"));
    for (int t = 1; t <= bank::kMaxTopics; ++t) {
        auto* mark = new QLabel(this);
        mark->setObjectName(QStringLiteral("Bullet%1").arg(t));
        mark->setPixmap(bullet);
        Place(mark, m_layout.bullets[index(t)]);
        auto* topic = new TopicButton(this);
        topic->setObjectName(QStringLiteral("Topic%1").arg(t));
        topic->setFont(BodyFont(9));
        topic->setToolTip(ToQString(home::texts::kTopicTooltip));
        Place(topic, m_layout.topics[index(t)]);
        connect(topic, &TopicButton::clicked, this, [this, t] { emit topicClicked(t); });
        m_bullets[index(t)] = mark;
        m_topics[index(t)] = topic;
    }
}

void HomePage::buildPapers(SkinPictures& pictures, HoverPoller& poller) {
    m_subHeading =
        makeText(ToQString(home::texts::kNoTopicHeading), QStringLiteral("SubH1"), m_layout.subHeading);
    QFont heading = BodyFont(10);
    heading.setBold(true);
    m_subHeading->setFont(heading);
    m_subHeading->setStyleSheet(kHeadingColour);

    QFont paperFont = font();
    paperFont.setBold(true);
    const ImageButton::PictureNames loadPictures{QStringLiteral("loadbutton_off.bmp"),
                                                 QStringLiteral("loadbutton_on.bmp")};
    // The pictures are plain buttons, so a short caption says which is which.
    const QFont captionFont = BodyFont(7);
    auto paperButton = [&](const QString& name, const QString& caption, const QString& tip,
                           const layout::Rect& at, int offset, int take) {
        auto* button = new ImageButton(this);
        button->setObjectName(name);
        button->SetPictures(pictures, loadPictures);
        button->setFont(captionFont);
        button->SetCaption(caption);
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        Place(button, at);
        connect(button, &ImageButton::clicked, this,
                [this, offset, take] { emit paperClicked(offset, take); });
        poller.Add(button, HoverPoller::Rule::TwoState);
        return button;
    };
    for (int n = 1; n <= bank::kPapersPerTopic; ++n) {
        const layout::PaperRowLayout& row = m_layout.papers[index(n)];
        makeText(ToQString(home::texts::PaperName(n)), QStringLiteral("LblP%1").arg(n), row.name)
            ->setFont(paperFont);
        makeText(ToQString(home::texts::kFirstAttemptCaption), {}, row.firstCaption);
        makeText(ToQString(home::texts::kSecondAttemptCaption), {}, row.secondCaption);
        m_firstScores[index(n)] = makeText({}, QStringLiteral("MSA%1").arg(n), row.firstRow);
        m_secondScores[index(n)] = makeText({}, QStringLiteral("MSB%1").arg(n), row.secondRow);
        // Load, then try again, paper by paper: the order Tab takes them in.
        m_load[index(n)] = paperButton(QStringLiteral("P%1a").arg(n), ToQString(home::texts::kLoadCaption),
                                       ToQString(home::texts::LoadTooltip(n)), row.load, n - 1, 1);
        m_tryAgain[index(n)] =
            paperButton(QStringLiteral("P%1b").arg(n), ToQString(home::texts::kTryAgainCaption),
                        ToQString(home::texts::TryAgainTooltip(n)), row.tryAgain, n - 1, 2);
    }

    m_percent = new PercentColumn(this);
    Place(m_percent, m_layout.percent);
    for (const layout::PaperRowLayout& row : m_layout.papers) {
        for (const layout::Rect& score : {row.firstRow, row.secondRow}) {
            const layout::PixelRect px = layout::ToPixels(score);
            m_percentRows << QRect(0, px.y - m_percent->y(), m_percent->width(), px.height);
        }
    }
    m_percent->SetRows(m_percentRows);
}

void HomePage::ShowTopics(const std::vector<std::string>& names, int topicCount) {
    for (int t = 1; t <= bank::kMaxTopics; ++t) {
        const bool shown = t <= topicCount;
        TopicButton* topic = m_topics[index(t)];
        topic->setText(index(t) < names.size() ? ToQString(names[index(t)]) : QString());
        topic->setVisible(shown);
        m_bullets[index(t)]->setVisible(shown);
    }
}

void HomePage::Topicbuttoncolour(int t) {
    for (int i = 1; i <= bank::kMaxTopics; ++i) {
        m_topics[index(i)]->SetChosen(i == t);
    }
}

void HomePage::ShowPapers(const QString& heading,
                          const std::array<home::PaperRow, bank::kPapersPerTopic>& papers) {
    m_subHeading->setText(heading);
    // The score labels size themselves to their text and end against the "%"
    // column; an attempt begun and not marked says so in place of its score
    // and its "%".
    const double percentLeft = m_layout.percent.left;
    QList<QRect> percentRows;
    auto place = [&](QLabel* label, int paper, int attempt, const std::string& score,
                     const home::AttemptProgress& progress, const layout::Rect& rowRect,
                     const QRect& percentRow) {
        const std::string shown = progress.inProgress() ? std::string(home::texts::kInProgress) : score;
        const QString text = ToQString(shown);
        const double width = layout::Twips(QFontMetrics(label->font()).horizontalAdvance(text) + 1);
        label->setText(text);
        const QString answered =
            progress.inProgress()
                ? ToQString(home::texts::AnsweredDescription(progress.answered, progress.answers))
                : QString();
        label->setAccessibleName(
            ToQString(home::texts::SpokenScore(paper, attempt, score, progress.inProgress())));
        label->setAccessibleDescription(answered);
        label->setToolTip(answered);
        const double left = progress.inProgress() ? layout::ProgressLeft(width, m_layout.percent)
                                                  : layout::ScoreLeft(shown, width, percentLeft);
        Place(label, {left, rowRect.top, width, rowRect.height});
        if (!progress.inProgress()) {
            percentRows << percentRow;
        }
    };
    for (std::size_t r = 0; r < papers.size(); ++r) {
        const layout::PaperRowLayout& row = m_layout.papers[r];
        const int paper = static_cast<int>(r) + 1;
        place(m_firstScores[r], paper, 1, papers[r].first, papers[r].firstProgress, row.firstRow,
              m_percentRows[2 * r]);
        place(m_secondScores[r], paper, 2, papers[r].second, papers[r].secondProgress, row.secondRow,
              m_percentRows[2 * r + 1]);
        m_tryAgain[r]->setVisible(papers[r].tryAgain);
    }
    m_percent->SetRows(percentRows);
}

} // namespace orbisk::gui
