#pragma once

#include "core/layout/Geometry.h"
#include "core/practice/AnswerSheet.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

namespace orbisk::gui {

class AnswerBox;
class AnswerFrame;
class SkinPictures;

/// The answer sheet (AnsBox): twenty answer frames stacked down a white
/// panel, of which the question on show uses the first k, and the
/// instruction picture on its bottom for the kinds that need it.
class AnswerSheetPanel final : public QWidget {
    Q_OBJECT
public:
    AnswerSheetPanel(SkinPictures& pictures, bool secondAttempt, QWidget* parent = nullptr);

    /// FillAnswerSheet and ShowAnswerFrames: the frames of @p sheet filled,
    /// laid out and stacked, the rest hidden.
    void Show(const practice::AnswerSheet& sheet);
    /// The texts of the answer boxes of the question on show, FA1 .. FAk, as typed.
    std::vector<std::string> Texts() const;
    /// Puts the keyboard in FA1.
    void FocusFirst();
    /// PicInstruction's place, in the sheet's own coordinates (twips).
    void PlaceInstruction(const layout::Rect& at);

    AnswerFrame* frame(int n) const { return m_frames.at(static_cast<std::size_t>(n - 1)); }
    AnswerBox* answerBox(int n) const;
    /// The frames the question on show uses.
    int shownFrames() const { return m_shown; }
    QLabel* instruction() const { return m_instruction; }

signals:
    /// An answer box refused what was typed or pasted.
    void refused(const QString& hint);
    void pageScrollRequested(bool down);

private:
    std::array<AnswerFrame*, practice::kSheetFrames> m_frames{};
    QLabel* m_instruction;
    int m_shown = 0;
};

} // namespace orbisk::gui
