#include "gui/practice/PracticeStatusBar.h"

#include "core/practice/PracticeTexts.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/practice/MarkingPanel.h"

namespace orbisk::gui {

namespace {

constexpr int kHeight = 25;
constexpr int kTextTop = 6;
constexpr int kTextHeight = 14;

} // namespace

PracticeStatusBar::PracticeStatusBar(SkinPictures& pictures, bool secondAttempt,
                                     std::function<practice::Instant()> now, QWidget* parent)
    : QWidget(parent), m_pictures(pictures) {
    setObjectName(QStringLiteral("RemQnsBG"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, palette::kWindow);
    setPalette(colours);
    setFont(BodyFont(8.25));

    using practice::texts::kClockTooltip;
    if (secondAttempt) {
        // A second attempt has no clock, time taken or date: its first cell says what it is.
        QLabel* bot1 = background("Bot1", "bottombg1.bmp", 0, 128);
        m_secondAttempt = text(bot1, "Label1", {}, 8, 112);
        m_secondAttempt->setText(ToQString(practice::texts::kSecondAttemptLabel));
    } else {
        QLabel* bot1 = background("Bot1", "bottombg3.bmp", 0, 64);
        m_clock = text(bot1, "lblClock", ToQString(kClockTooltip), 8, 54);
        m_clock->setText(QStringLiteral("00:00:00"));
        m_clock->setAccessibleName(ToQString(kClockTooltip));
        m_timeTaken = text(bot1, "LTime", ToQString(practice::texts::kTimeTakenTooltip), 8, 54);
        m_timeTaken->hide();
        QLabel* bot2 = background("Bot2", "bottombg3.bmp", 64, 64);
        m_date = text(bot2, "lblDate", ToQString(practice::texts::kDateTooltip), 4, 58);
        m_dateCompleted = text(bot2, "ETime", ToQString(practice::texts::kDateCompletedTooltip), 4, 58);
        m_dateCompleted->hide();
    }
    QLabel* bot3 = background("Bot3", "bottombg3.bmp", 128, 64);
    m_answered = text(bot3, "lblAnsweredQ", ToQString(practice::texts::kAnsweredTooltip), 2, 25);
    m_answered->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* slash = text(bot3, "Label1", {}, 28, 7);
    slash->setText(QStringLiteral("/"));
    slash->setAlignment(Qt::AlignCenter);
    slash->setAccessibleName(ToQString(practice::texts::kOutOfName));
    m_total = text(bot3, "lblTotalQ", ToQString(practice::texts::kTotalTooltip), 36, 26);

    m_remainingPanel = background("TxtRem", "bottombg2.bmp", 192, 120);
    QLabel* caption = text(m_remainingPanel, "TxtRemlbl", {}, 4, 52);
    caption->setText(ToQString(practice::texts::kRemainingCaption));
    m_remaining = new QComboBox(m_remainingPanel);
    m_remaining->setObjectName(QStringLiteral("RemQns"));
    m_remaining->setToolTip(ToQString(practice::texts::kRemainingTooltip));
    m_remaining->setAccessibleName(ToQString(practice::texts::kRemainingName));
    m_remaining->setAccessibleDescription(ToQString(practice::texts::kRemainingTooltip));
    m_remaining->setGeometry(56, 3, 60, 19);
    caption->setBuddy(m_remaining);
    connect(m_remaining, &QComboBox::activated, this, [this](int index) {
        bool ok = false;
        const int question = m_remaining->itemText(index).toInt(&ok);
        if (ok) {
            emit questionChosen(question);
        }
    });

    m_marking = new MarkingPanel(pictures, std::move(now), this);
    m_marking->setGeometry(312, 0, 200, kHeight);
}

QLabel* PracticeStatusBar::background(const char* name, const char* picture, int left, int width) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(m_pictures.Get(QString::fromLatin1(picture)));
    label->setScaledContents(true);
    label->setGeometry(left, 0, width, kHeight);
    return label;
}

QLabel* PracticeStatusBar::text(QWidget* parent, const char* name, const QString& tooltip, int left,
                                int width) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font());
    label->setToolTip(tooltip);
    if (!tooltip.isEmpty()) {
        label->setAccessibleName(tooltip);
    }
    label->setGeometry(left, kTextTop - 1, width, kTextHeight + 2);
    return label;
}

void PracticeStatusBar::ShowRemaining(const std::vector<int>& questions) {
    m_remaining->clear();
    for (const int q : questions) {
        m_remaining->addItem(QString::number(q));
    }
    m_remaining->setCurrentIndex(-1);
}

void PracticeStatusBar::ShowReview(bool review, const QString& timeTaken, const QString& dateCompleted) {
    m_remainingPanel->setVisible(!review);
    if (m_clock) {
        m_clock->setVisible(!review);
        m_timeTaken->setText(timeTaken);
        m_timeTaken->setVisible(review);
        m_date->setVisible(!review);
        m_dateCompleted->setText(dateCompleted);
        m_dateCompleted->setVisible(review);
    }
}

} // namespace orbisk::gui
