#include "gui/practice/PracticeStatusBar.h"

#include "core/layout/PracticeLayout.h"
#include "core/practice/PracticeTexts.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/chrome/StretchedPicture.h"
#include "gui/practice/MarkingPanel.h"
#include "gui/practice/QuestionList.h"

namespace orbisk::gui {

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
    const layout::PracticeStatusLayout at = layout::LayOutPracticeStatusBar();
    if (secondAttempt) {
        // A second attempt has no clock, time taken or date: its first cell says what it is.
        QLabel* bot1 = background("Bot1", "bottombg1.bmp", at.attemptCell);
        m_secondAttempt = text(bot1, "Label1", {}, at.attempt);
        m_secondAttempt->setText(ToQString(practice::texts::kSecondAttemptLabel));
    } else {
        QLabel* bot1 = background("Bot1", "bottombg3.bmp", at.clockCell);
        m_clock = text(bot1, "lblClock", ToQString(kClockTooltip), at.clock);
        showValue(m_clock, QStringLiteral("00:00:00"));
        m_timeTaken = text(bot1, "LTime", ToQString(practice::texts::kTimeTakenTooltip), at.clock);
        m_timeTaken->hide();
        QLabel* bot2 = background("Bot2", "bottombg3.bmp", at.dateCell);
        m_date = text(bot2, "lblDate", ToQString(practice::texts::kDateTooltip), at.date);
        m_dateCompleted = text(bot2, "ETime", ToQString(practice::texts::kDateCompletedTooltip), at.date);
        m_dateCompleted->hide();
    }
    QLabel* bot3 = background("Bot3", "bottombg3.bmp", at.countCell);
    m_answered = text(bot3, "lblAnsweredQ", ToQString(practice::texts::kAnsweredTooltip), at.answered);
    m_answered->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* slash = text(bot3, "Label1", {}, at.slash);
    slash->setText(QStringLiteral("/"));
    slash->setAlignment(Qt::AlignCenter);
    slash->setAccessibleName(ToQString(practice::texts::kOutOfName));
    m_total = text(bot3, "lblTotalQ", ToQString(practice::texts::kTotalTooltip), at.total);

    m_remainingPanel = background("TxtRem", "bottombg2.bmp", at.remainingCell);
    m_remainingCaption = text(m_remainingPanel, "TxtRemlbl", {}, at.remainingCaption);
    m_remaining = new QuestionList(m_remainingPanel);
    m_remaining->setObjectName(QStringLiteral("RemQns"));
    Place(m_remaining, at.remainingList);
    m_remainingCaption->setBuddy(m_remaining);
    ShowQuestions({});
    connect(m_remaining, &QComboBox::activated, this, [this](int index) {
        bool ok = false;
        const int question = m_remaining->itemText(index).toInt(&ok);
        if (ok) {
            emit questionChosen(question);
        }
    });

    m_marking = new MarkingPanel(pictures, std::move(now), this);
    Place(m_marking, at.markingPanel);
}

QLabel* PracticeStatusBar::background(const char* name, const char* picture, const layout::Rect& at) {
    auto* label = new StretchedPicture(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(m_pictures.Get(QString::fromLatin1(picture)));
    Place(label, at);
    return label;
}

QLabel* PracticeStatusBar::text(QWidget* parent, const char* name, const QString& tooltip,
                                const layout::Rect& at) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font());
    label->setToolTip(tooltip);
    if (!tooltip.isEmpty()) {
        label->setAccessibleName(tooltip);
    }
    Place(label, at);
    return label;
}

void PracticeStatusBar::ShowQuestions(const practice::OpenPaper::QuestionList& list) {
    using namespace practice::texts;
    m_remainingCaption->setText(ToQString(list.wrongAnswers ? kWrongQuestionsCaption : kRemainingCaption));
    const QString tooltip = ToQString(list.wrongAnswers ? kWrongQuestionsTooltip : kRemainingTooltip);
    m_remaining->setToolTip(tooltip);
    m_remaining->setAccessibleName(ToQString(list.wrongAnswers ? kWrongQuestionsName : kRemainingName));
    m_remaining->setAccessibleDescription(tooltip);
    m_remaining->clear();
    for (const int q : list.questions) {
        m_remaining->addItem(QString::number(q));
    }
    m_remaining->setCurrentIndex(-1);
}

void PracticeStatusBar::ShowReview(bool review, const QString& timeTaken, const QString& dateCompleted) {
    if (m_clock) {
        m_clock->setVisible(!review);
        showValue(m_timeTaken, timeTaken);
        m_timeTaken->setVisible(review);
        m_date->setVisible(!review);
        showDate(m_dateCompleted, dateCompleted);
        m_dateCompleted->setVisible(review);
    }
}

void PracticeStatusBar::ShowOpeningDate(const QString& date) {
    if (m_date) {
        showDate(m_date, date);
    }
}

// The system's short date is as long as its format makes it ("10 Dec 2026"
// where no language is set): rather than lose its last digits at the cell's
// edge, a long one is written smaller.
void PracticeStatusBar::showDate(QLabel* label, const QString& date) {
    constexpr double kSmallestPoints = 6.0;
    label->setFont(FontToFit(font(), date, label->contentsRect().width(), kSmallestPoints));
    showValue(label, date);
}

void PracticeStatusBar::ShowClock(const QString& time) {
    if (m_clock) {
        showValue(m_clock, time);
    }
}

void PracticeStatusBar::ShowCounts(int answered, int total) {
    showValue(m_answered, QString::number(answered));
    showValue(m_total, QString::number(total));
}

// A value in a cell is its number or date alone; a screen reader hears it
// after what it is, which its tooltip says ("Clock: 0:12:4").
void PracticeStatusBar::showValue(QLabel* label, const QString& value) {
    if (value == label->text() && !label->accessibleName().isEmpty()) {
        return; // the clock's tick writes the same value ten times a second
    }
    label->setText(value);
    label->setAccessibleName(value.isEmpty() ? label->toolTip()
                                             : label->toolTip() + QStringLiteral(": ") + value);
}

} // namespace orbisk::gui
