#include "gui/practice/AnswerSheetPanel.h"

#include "core/layout/AnswerFrames.h"
#include "core/practice/PracticeTexts.h"
#include "core/practice/TextSize.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QScrollBar>
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
    // The frames lie on a clear panel that scrolls over the sheet, so the
    // instruction picture under it shows through.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("AnsScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_content = new QWidget;
    m_content->setAutoFillBackground(false);
    m_scroll->setWidget(m_content);
    for (int n = 1; n <= practice::kSheetFrames; ++n) {
        auto* frame = new AnswerFrame(n, secondAttempt, m_content);
        connect(frame->answerBox(), &AnswerBox::refused, this, &AnswerSheetPanel::refused);
        connect(frame->answerBox(), &AnswerBox::pageScrollRequested, this,
                &AnswerSheetPanel::pageScrollRequested);
        frame->answerBox()->installEventFilter(this);
        frame->hide();
        m_frames[static_cast<std::size_t>(n - 1)] = frame;
    }
    SetTextSize(practice::kDefaultTextSize);
}

void AnswerSheetPanel::SetTextSize(int percent) {
    const double points = practice::AnswerPoints(percent);
    for (AnswerFrame* frame : m_frames) {
        frame->SetTextPoints(points);
    }
    // A line of the box's text with the box's margins, in twips.
    const QFontMetricsF metrics(answerBox(1)->font());
    m_grow = layout::AnswerFrameGrowth(layout::Twips(metrics.lineSpacing() + 4));
    stack();
}

void AnswerSheetPanel::stack() {
    auto places = layout::StackAnswerFrames(m_answerCount, m_sentence, m_grow);
    const int shown = std::max(m_shown, 1);
    const layout::PixelRect last = layout::ToPixels(places[static_cast<std::size_t>(shown - 1)]);
    const int bottom = last.y + last.height + layout::Px(layout::kFirstFrameTop);
    // Frames too tall for the sheet scroll, and make room for the scroll bar.
    const bool scrolls = bottom > height();
    const int room = width() - (scrolls ? m_scroll->verticalScrollBar()->sizeHint().width() : 0);
    const double frameWidth =
        std::min(layout::kAnswerFrameWidth, layout::Twips(room) - layout::kAnswerFrameLeft);
    for (int n = 1; n <= practice::kSheetFrames; ++n) {
        AnswerFrame* f = frame(n);
        f->LayOut(n == 1 && m_sentence, m_grow, frameWidth);
        layout::Rect place = places[static_cast<std::size_t>(n - 1)];
        place.width = frameWidth;
        Place(f, place);
        f->setVisible(n <= m_shown);
    }
    m_content->resize(std::max(room, 0), std::max(m_scroll->viewport()->height(), bottom));
}

void AnswerSheetPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_scroll->setGeometry(rect());
    stack();
}

bool AnswerSheetPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<AnswerBox*>(watched)) {
            m_scroll->ensureWidgetVisible(box->parentWidget(), 0, 0);
        }
    }
    return QWidget::eventFilter(watched, event);
}

AnswerBox* AnswerSheetPanel::answerBox(int n) const {
    return frame(n)->answerBox();
}

void AnswerSheetPanel::Show(const practice::AnswerSheet& sheet) {
    m_shown = static_cast<int>(sheet.frames.size());
    if (!sheet.frames.empty()) {
        m_sentence = sheet.sentenceLayout;
        m_answerCount = sheet.answerCount;
    }
    stack();
    const bool oneAnswer = sheet.answerCount == 1;
    for (const practice::SheetFrame& f : sheet.frames) {
        frame(f.frame)->Fill(f, oneAnswer);
    }
    // With no slot at all the picture keeps its state, as the frames do.
    if (!sheet.frames.empty()) {
        m_instruction->setVisible(sheet.showInstruction);
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
