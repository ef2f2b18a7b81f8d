#include "gui/practice/AnswerSheetPanel.h"

#include "core/layout/AnswerFrames.h"
#include "core/practice/PracticeTexts.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"

#include <algorithm>

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
        AnswerBox* box = frame->answerBox();
        connect(box, &AnswerBox::refused, this, [this, n](const QString& hint) {
            showMessage(n, hint);
            emit refused(hint);
        });
        connect(box, &AnswerBox::pageScrollRequested, this, &AnswerSheetPanel::pageScrollRequested);
        connect(box, &AnswerBox::enterPressed, this, [this, n] { enterFrom(n); });
        connect(box, &AnswerBox::arrowPressed, this,
                [this, n](bool down) { focusFrame(practice::FrameAfterArrow(m_sheet, n, down)); });
        frame->hide();
        m_frames[static_cast<std::size_t>(n - 1)] = frame;
    }
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("AnswerMessage"));
    m_message->setWordWrap(true);
    m_message->setFrameShape(QFrame::Box);
    m_message->setMargin(3);
    m_message->setAutoFillBackground(true);
    QPalette tip = m_message->palette();
    tip.setColor(QPalette::Window, palette::kBoxMessage);
    m_message->setPalette(tip);
    m_message->hide();
    m_messageTimer = new QTimer(this);
    m_messageTimer->setSingleShot(true);
    m_messageTimer->setInterval(4000);
    connect(m_messageTimer, &QTimer::timeout, m_message, &QWidget::hide);
}

AnswerBox* AnswerSheetPanel::answerBox(int n) const {
    return frame(n)->answerBox();
}

void AnswerSheetPanel::Show(const practice::AnswerSheet& sheet) {
    m_sheet = sheet;
    m_message->hide();
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

void AnswerSheetPanel::FocusStart() {
    focusFrame(practice::FrameToFocus(m_sheet));
}

bool AnswerSheetPanel::PickOption(int answer, int option) {
    const std::optional<int> n = practice::FrameForOption(m_sheet, answer, option);
    if (!n) {
        return false;
    }
    AnswerBox* box = answerBox(*n);
    box->TypeOver(QString::number(option));
    box->setFocus(Qt::MouseFocusReason);
    return true;
}

void AnswerSheetPanel::focusFrame(int n) {
    if (n >= 1 && n <= m_shown) {
        answerBox(n)->setFocus(Qt::OtherFocusReason);
    }
}

void AnswerSheetPanel::enterFrom(int n) {
    const practice::EnterMove move = practice::AfterEnter(m_sheet, n);
    switch (move.to) {
    case practice::EnterMove::To::Frame:
        focusFrame(move.frame);
        break;
    case practice::EnterMove::To::NextQuestion:
        emit nextQuestionRequested();
        break;
    case practice::EnterMove::To::Stay:
        break;
    }
}

void AnswerSheetPanel::showMessage(int n, const QString& text) {
    // Under the box, as wide as the sheet and wrapped; above it when it would
    // pass the sheet's bottom.
    const int margin = 4;
    const int width = std::max(0, this->width() - 2 * margin);
    m_message->setText(text);
    m_message->setAccessibleName(text);
    const int height = m_message->heightForWidth(width);
    const QRect box(answerBox(n)->mapTo(this, QPoint(0, 0)), answerBox(n)->size());
    int top = box.bottom() + 3;
    if (top + height > this->height()) {
        top = std::max(0, box.top() - 3 - height);
    }
    m_message->setGeometry(margin, top, width, height);
    m_message->show();
    m_message->raise();
    m_messageTimer->start();
}

void AnswerSheetPanel::PlaceInstruction(const layout::Rect& at) {
    Place(m_instruction, at);
    m_instruction->lower();
}

} // namespace orbisk::gui
