#pragma once

#include "core/layout/Geometry.h"
#include "core/practice/AnswerSheet.h"

#include <QLabel>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace orbisk::gui {

class AnswerBox;
class AnswerFrame;
class SkinPictures;

/// The answer sheet (AnsBox): up to twenty answer frames stacked down a white
/// panel, of which the question on show uses the first k, and the
/// instruction picture on its bottom for the kinds that need it. The keyboard
/// moves between the boxes as the core's rules say (Enter, Up, Down), and what
/// a box refuses is said in a message under it, wrapped inside the sheet. The
/// frames grow with the text size; when they no longer fit, the panel scrolls,
/// and the box that takes the keyboard is scrolled into view.
class AnswerSheetPanel final : public QWidget {
    Q_OBJECT
public:
    /// Builds frames 1..@p frames (1..20), in order, so the keyboard meets them
    /// in order: the most slots a question of the paper has. A frame past them
    /// is built when asked for (frame(n)), and never shows. The text is at
    /// @p textSize percent (see SetTextSize).
    AnswerSheetPanel(SkinPictures& pictures, bool secondAttempt, int frames, int textSize,
                     QWidget* parent = nullptr);

    /// FillAnswerSheet and ShowAnswerFrames: the frames of @p sheet filled,
    /// laid out and stacked, the rest hidden.
    void Show(const practice::AnswerSheet& sheet);
    /// The texts of the answer boxes of the question on show, FA1 .. FAk, as typed.
    std::vector<std::string> Texts() const;
    /// Puts the keyboard in the box a question starts in (practice::FrameToFocus),
    /// unless the learner has hidden the sheet: keys typed then answer nothing.
    void FocusStart();
    /// A click on option @p option of the page's answer @p answer: its number
    /// goes in that answer's box, as if typed, when the box takes it
    /// (practice::FrameForOption) and the sheet is showing, so no answer
    /// changes out of sight. @returns true when it did.
    bool PickOption(int answer, int option);
    /// PicInstruction's place, in the sheet's own coordinates (twips).
    void PlaceInstruction(const layout::Rect& at);
    /// The answers' text at @p percent (practice::kTextSizes): the frames grow
    /// to hold it and are stacked again.
    void SetTextSize(int percent);
    /// How many times taller the frames are than at the smallest text.
    double frameGrowth() const { return m_grow; }
    /// Adds to each shown box's description the part of the page it answers,
    /// @p partOf(n) for box n, when there is one: a screen reader in the box
    /// hears the question and its options.
    void SpeakParts(const std::function<QString(int)>& partOf);
    QScrollArea* scrollArea() const { return m_scroll; }

    AnswerFrame* frame(int n) const;
    AnswerBox* answerBox(int n) const;
    /// The frames built with the sheet: as many as the paper's questions use at most.
    int builtFrames() const { return m_built; }
    /// The frames the question on show uses.
    int shownFrames() const { return m_shown; }
    QLabel* instruction() const { return m_instruction; }
    /// The message under the box that last refused something (hidden after a
    /// while, or as soon as the keyboard moves to another box).
    QLabel* message() const { return m_message; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    /// An answer box refused what was typed or pasted.
    void refused(const QString& hint);
    void pageScrollRequested(bool down);
    /// Enter in the question's last box that takes typing: on to the next question.
    void nextQuestionRequested();
    /// The same on the paper's last question, which has no next one.
    void lastAnswerEntered();

private:
    /// Scrolls @p whole into view, or, when it is taller than the sheet, to
    /// its top unless @p start (which took the keyboard, inside it) shows.
    void bringIntoView(QWidget* whole, QWidget* start);
    bool shownToLearner() const;
    void focusFrame(int n);
    void enterFrom(int n);
    void showMessage(int n, const QString& text);
    void hideMessage();
    /// Frame 1's sentence changed: its box is as tall as the sentence needs.
    void sentenceChanged();
    /// Places the frames the question uses and sizes the scrolled panel to them.
    void stack();
    /// Builds frames m_built + 1 .. @p n.
    void buildFrames(int n);

    bool m_secondAttempt;
    std::array<AnswerFrame*, practice::kSheetFrames> m_frames{}; ///< frames 1..m_built; the rest null
    int m_built = 0;
    double m_points = 0; ///< the answers' text size
    QLabel* m_instruction;
    QScrollArea* m_scroll;
    QWidget* m_content;
    QLabel* m_message;
    QString m_spokenBefore; ///< the refusing box's description before its message
    QString m_spokenWith;   ///< and with it
    QTimer* m_messageTimer;
    int m_messageFrame = 0; ///< the frame whose refusal the message tells; 0 while none shows
    practice::AnswerSheet m_sheet;
    int m_shown = 0;
    int m_answerCount = 0;
    bool m_sentence = false;
    double m_grow = 1;
};

} // namespace orbisk::gui
