#pragma once

#include "core/layout/Geometry.h"
#include "core/practice/OpenPaper.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <vector>

namespace orbisk::gui {

class MarkingPanel;
class SkinPictures;

/// The status bar under the question (RemQnsBG), from left to right: the clock
/// or the time taken (a second attempt says "Second Attempt" there instead),
/// the date opened or completed, the answered count out of the total, the
/// questions list (TxtRem: the remaining questions, in review mode those with
/// a wrong answer) and the marking progress panel.
class PracticeStatusBar final : public QWidget {
    Q_OBJECT
public:
    PracticeStatusBar(SkinPictures& pictures, bool secondAttempt, std::function<practice::Instant()> now,
                      QWidget* parent = nullptr);

    /// RemQns: the questions the list offers, none chosen, under the caption
    /// and name of what they are (remaining, or with a wrong answer).
    void ShowQuestions(const practice::OpenPaper::QuestionList& list);
    /// Answering: the clock and the opening date; review mode: the time taken
    /// and the date completed.
    void ShowReview(bool review, const QString& timeTaken, const QString& dateCompleted);
    /// The date the paper was opened, in the date cell while answering.
    void ShowOpeningDate(const QString& date);
    /// The clock's time, while answering.
    void ShowClock(const QString& time);
    /// How many questions are answered, of how many.
    void ShowCounts(int answered, int total);

    QLabel* clock() const { return m_clock; }
    QLabel* timeTaken() const { return m_timeTaken; }
    QLabel* date() const { return m_date; }
    QLabel* dateCompleted() const { return m_dateCompleted; }
    QLabel* secondAttempt() const { return m_secondAttempt; }
    QLabel* answered() const { return m_answered; }
    QLabel* total() const { return m_total; }
    QWidget* remainingPanel() const { return m_remainingPanel; }
    QLabel* remainingCaption() const { return m_remainingCaption; }
    QComboBox* remaining() const { return m_remaining; }
    MarkingPanel* marking() const { return m_marking; }

signals:
    /// A question was picked from the remaining-questions list (even the one on show).
    void questionChosen(int question);

private:
    QLabel* background(const char* name, const char* picture, const layout::Rect& at);
    QLabel* text(QWidget* parent, const char* name, const QString& tooltip, const layout::Rect& at);
    void showDate(QLabel* label, const QString& date);
    static void showValue(QLabel* label, const QString& value);

    QLabel* m_clock = nullptr;
    QLabel* m_timeTaken = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_dateCompleted = nullptr;
    QLabel* m_secondAttempt = nullptr;
    QLabel* m_answered = nullptr;
    QLabel* m_total = nullptr;
    QWidget* m_remainingPanel = nullptr;
    QLabel* m_remainingCaption = nullptr;
    QComboBox* m_remaining = nullptr;
    MarkingPanel* m_marking = nullptr;
    SkinPictures& m_pictures;
};

} // namespace orbisk::gui
