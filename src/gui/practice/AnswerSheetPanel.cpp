#include "gui/practice/AnswerSheetPanel.h"

#include "core/layout/AnswerFrames.h"
#include "core/practice/PracticeTexts.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"

namespace orbisk::gui {

AnswerSheetPanel::AnswerSheetPanel(SkinPictures& pictures, bool secondAttempt, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("AnsBox"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    m_instruction = new QLabel(this);
    m_instruction->setObjectName(QStringLiteral("PicInstruction"));
    m_instruction->setPixmap(pictures.Get(QStringLiteral("instruction.gif")));
    m_instruction->setAlignment(Qt::AlignCenter);
    m_instruction->setAccessibleName(ToQString(practice::texts::kInstructionName));
    m_instruction->hide();
    for (int n = 1; n <= practice::kSheetFrames; ++n) {
        auto* frame = new AnswerFrame(n, secondAttempt, this);
        connect(frame->answerBox(), &AnswerBox::refused, this, &AnswerSheetPanel::refused);
        connect(frame->answerBox(), &AnswerBox::pageScrollRequested, this,
                &AnswerSheetPanel::pageScrollRequested);
        frame->hide();
        m_frames[static_cast<std::size_t>(n - 1)] = frame;
    }
}

AnswerBox* AnswerSheetPanel::answerBox(int n) const {
    return frame(n)->answerBox();
}

void AnswerSheetPanel::Show(const practice::AnswerSheet& sheet) {
    m_shown = static_cast<int>(sheet.frames.size());
    if (!sheet.frames.empty()) {
        frame(1)->LayOut(sheet.sentenceLayout);
    }
    const bool oneAnswer = sheet.answerCount == 1;
    for (const practice::SheetFrame& f : sheet.frames) {
        frame(f.frame)->Fill(f, oneAnswer);
    }
    // With no slot at all the picture keeps its state, as the frames do.
    if (!sheet.frames.empty()) {
        m_instruction->setVisible(sheet.showInstruction);
    }
    const auto places = layout::StackAnswerFrames(sheet.answerCount, sheet.sentenceLayout);
    for (int n = 1; n <= practice::kSheetFrames; ++n) {
        AnswerFrame* f = frame(n);
        Place(f, places[static_cast<std::size_t>(n - 1)]);
        f->setVisible(n <= m_shown);
    }
}

std::vector<std::string> AnswerSheetPanel::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(m_shown));
    for (int n = 1; n <= m_shown; ++n) {
        texts.push_back(ToUtf8(answerBox(n)->text()));
    }
    return texts;
}

void AnswerSheetPanel::FocusFirst() {
    if (m_shown > 0) {
        answerBox(1)->setFocus(Qt::OtherFocusReason);
    }
}

void AnswerSheetPanel::PlaceInstruction(const layout::Rect& at) {
    Place(m_instruction, at);
    m_instruction->lower();
}

} // namespace orbisk::gui
