#pragma once

#include "core/layout/AnswerFrames.h"
#include "core/practice/AnswerSheet.h"

#include <QLabel>
#include <QWidget>

namespace orbisk::gui {

class AnswerBox;

/// One answer frame of the sheet (Frame1 .. Frame20): the part letter QLn, the
/// answer box FAn with its light blue border, the verdict labels FRn (first
/// attempt) and, in the second attempt's window, SRn and the key box Mn; under
/// them, once the sheet lets it show, why the slot's answer is right (WHYn): a
/// wrapped, read-only text the keyboard reaches after the box, named for
/// screen readers.
class AnswerFrame final : public QWidget {
    Q_OBJECT
public:
    AnswerFrame(int n, bool secondAttempt, QWidget* parent = nullptr);

    /// Shows what the sheet says of this frame's slot. @p oneAnswer: the
    /// question has a single slot, so the box is simply "Answer".
    /// @p question: the question's title, which the answer box tells a screen reader first.
    void FillAnswerFrame(const practice::SheetFrame& frame, bool oneAnswer, const QString& question);
    /// The one-line layout, or frame 1's sentence layout, @p grow times as
    /// tall where it holds text, with room for @p content (layout::LayOutAnswerFrame).
    void LayOut(bool sentence, double grow = 1, double width = layout::kAnswerFrameWidth,
                const layout::AnswerFrameContent& content = {});
    /// The frame's text at @p points: the part letter, the answer, the verdicts, the key and the explanation.
    void SetTextPoints(double points);
    /// What the frame holds, measured in its fonts for a frame of @p width laid
    /// out as LayOut would: whether the key box shows, the explanation's height
    /// (0 when none shows) and, in the sentence layout, the widest word and the
    /// wrapped heights of the answer and the key.
    layout::AnswerFrameContent Content(bool sentence, double grow, double width) const;
    /// Whether the one-line box, laid out again for what it holds now, would
    /// be of another width (its answer no longer fits, or fits again).
    bool OneLineBoxWidthChanges(double grow) const;

    int number() const { return m_number; }
    AnswerBox* answerBox() const { return m_answer; }
    QLabel* partLetter() const { return m_partLetter; }
    QLabel* firstVerdict() const { return m_firstVerdict; }
    QLabel* secondVerdict() const { return m_secondVerdict; }
    QLabel* keyBox() const { return m_key; }
    QLabel* explanation() const { return m_explanation; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* verdictLabel(const QString& name);
    void showVerdict(QLabel* label, const std::string& verdict, bool shown, const QString& which);

    int m_number;
    layout::AnswerFrameLayout m_layout;
    QLabel* m_partLetter;
    AnswerBox* m_answer;
    QLabel* m_firstVerdict;
    QLabel* m_secondVerdict = nullptr;
    QLabel* m_key = nullptr;
    QLabel* m_explanation;
    bool m_carried = false; ///< second attempt: the first verdict stands by a carried-over answer
};

} // namespace orbisk::gui
