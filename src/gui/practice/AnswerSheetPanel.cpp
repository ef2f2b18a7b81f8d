#include "gui/practice/AnswerSheetPanel.h"

#include "core/layout/AnswerFrames.h"
#include "core/practice/PracticeTexts.h"
#include "core/practice/TextSize.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QScrollBar>
#include <algorithm>
#include <tuple>
#include <utility>

namespace orbisk::gui {

AnswerSheetPanel::AnswerSheetPanel(SkinPictures& pictures, bool secondAttempt, int frames, int textSize,
                                   QWidget* parent)
    : QWidget(parent), m_secondAttempt(secondAttempt) {
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
    buildFrames(std::clamp(frames, 1, practice::kSheetFrames));
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
    connect(m_messageTimer, &QTimer::timeout, this, &AnswerSheetPanel::hideMessage);
    SetTextSize(textSize);
}

void AnswerSheetPanel::buildFrames(int n) {
    for (; m_built < n; ++m_built) {
        const int number = m_built + 1;
        auto* frame = new AnswerFrame(number, m_secondAttempt, m_content);
        AnswerBox* box = frame->answerBox();
        box->installEventFilter(this);
        connect(box, &AnswerBox::refused, this, [this, number](const QString& hint) {
            showMessage(number, hint);
            emit refused(hint);
        });
        connect(box, &AnswerBox::pageScrollRequested, this, &AnswerSheetPanel::pageScrollRequested);
        connect(box, &QPlainTextEdit::textChanged, this, [this, number] {
            if (number == 1 && m_sentence) {
                sentenceChanged();
            } else if (number <= m_shown && this->frame(number)->OneLineBoxWidthChanges(m_grow)) {
                stack(); // the box widens with a word longer than it
            }
        });
        connect(box, &AnswerBox::enterPressed, this, [this, number] { enterFrom(number); });
        connect(box, &AnswerBox::arrowPressed, this,
                [this, number](bool down) { focusFrame(practice::FrameAfterArrow(m_sheet, number, down)); });
        frame->explanation()->installEventFilter(this); // scrolled into view with the keyboard
        if (m_points > 0) {
            frame->SetTextPoints(m_points);
        }
        frame->hide();
        m_frames[static_cast<std::size_t>(m_built)] = frame;
    }
}

AnswerFrame* AnswerSheetPanel::frame(int n) const {
    if (n > m_built && n <= practice::kSheetFrames) {
        // Past what the paper uses: built, hidden and placed, for whoever looks.
        auto* self = const_cast<AnswerSheetPanel*>(this);
        self->buildFrames(n);
        self->stack();
    }
    return m_frames.at(static_cast<std::size_t>(n - 1));
}

void AnswerSheetPanel::SetTextSize(int percent) {
    m_points = practice::AnswerPoints(percent);
    for (int n = 1; n <= m_built; ++n) {
        frame(n)->SetTextPoints(m_points);
    }
    // A line of the box's text with the box's margins, in twips.
    const QFontMetricsF metrics(answerBox(1)->font());
    m_grow = layout::AnswerFrameGrowth(layout::Twips(static_cast<int>(metrics.lineSpacing() + 4)));
    stack();
}

void AnswerSheetPanel::stack() {
    const int shown = std::max(m_shown, 1);
    // The frames at a width, each as tall as what it holds, measured at that width, needs.
    const auto placesAt = [this](double frameWidth) {
        layout::AnswerFrameContents contents{};
        for (int n = 1; n <= m_shown; ++n) {
            contents[static_cast<std::size_t>(n - 1)] =
                frame(n)->Content(n == 1 && m_sentence, m_grow, frameWidth);
        }
        return std::pair{contents,
                         layout::StackAnswerFrames(m_answerCount, m_sentence, m_grow, contents, frameWidth)};
    };
    const auto widthIn = [](int room) {
        return std::min(layout::kAnswerFrameWidth, layout::Twips(room) - layout::kAnswerFrameLeft);
    };
    const auto bottomOf = [shown](const auto& places) {
        const layout::PixelRect last = layout::ToPixels(places[static_cast<std::size_t>(shown - 1)]);
        return last.y + last.height + layout::Px(layout::kFirstFrameTop);
    };
    int room = width();
    auto [contents, places] = placesAt(widthIn(room));
    // Frames too tall for the sheet scroll, and make room for the scroll bar
    // (the explanations wrap again in the narrower frames).
    if (bottomOf(places) > height()) {
        room -= m_scroll->verticalScrollBar()->sizeHint().width();
        std::tie(contents, places) = placesAt(widthIn(room));
    }
    const double frameWidth = widthIn(room);
    for (int n = 1; n <= m_built; ++n) {
        AnswerFrame* f = frame(n);
        const auto i = static_cast<std::size_t>(n - 1);
        f->LayOut(n == 1 && m_sentence, m_grow, frameWidth, contents[i]);
        Place(f, places[i]);
        f->setVisible(n <= m_shown);
    }
    // The room the scroll area gives, from its own size: a sheet resized while
    // hidden learns its viewport's new size only once it shows again.
    m_content->resize(std::max(room, 0),
                      std::max(m_scroll->maximumViewportSize().height(), bottomOf(places)));
}

void AnswerSheetPanel::sentenceChanged() {
    if (m_shown < 1) {
        return;
    }
    // The box grows with the sentence, and the line being typed stays in sight.
    stack();
    AnswerBox* box = answerBox(1);
    if (box->hasFocus()) {
        const QRect cursor = box->cursorRect();
        const QPoint at = box->viewport()->mapTo(m_content, cursor.center());
        m_scroll->ensureVisible(at.x(), at.y(), 0, cursor.height());
    }
}

void AnswerSheetPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_scroll->setGeometry(rect());
    stack();
}

bool AnswerSheetPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // A refusal's message lies over the boxes next to its own: it goes when the keyboard does.
        if (m_messageFrame > 0 && watched != answerBox(m_messageFrame)) {
            hideMessage();
        }
        if (auto* box = qobject_cast<AnswerBox*>(watched)) {
            bringIntoView(box->parentWidget(), box);
        } else if (auto* explanation = qobject_cast<QWidget*>(watched)) { // the only others watched
            bringIntoView(explanation, explanation);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AnswerSheetPanel::bringIntoView(QWidget* whole, QWidget* start) {
    if (whole->height() <= m_scroll->viewport()->height()) {
        m_scroll->ensureWidgetVisible(whole, 0, 0);
        return;
    }
    // Taller than the sheet (a long explanation at a large size): from its
    // top, not its middle, which the scroll area would centre, unless what
    // took the keyboard shows already.
    const int shown = m_scroll->verticalScrollBar()->value();
    const int top = start->mapTo(m_content, QPoint()).y();
    if (top < shown || top + start->height() > shown + m_scroll->viewport()->height()) {
        m_scroll->verticalScrollBar()->setValue(whole->mapTo(m_content, QPoint()).y());
    }
}

AnswerBox* AnswerSheetPanel::answerBox(int n) const {
    return frame(n)->answerBox();
}

void AnswerSheetPanel::Show(const practice::AnswerSheet& sheet) {
    m_sheet = sheet;
    hideMessage();
    m_shown = static_cast<int>(sheet.frames.size());
    if (!sheet.frames.empty()) {
        m_sentence = sheet.sentenceLayout;
        m_answerCount = sheet.answerCount;
    }
    // Filled first: the frames are as tall as their explanations.
    const bool oneAnswer = sheet.answerCount == 1;
    const QString question = ToQString(practice::QuestionTitle(sheet.question));
    for (const practice::SheetFrame& f : sheet.frames) {
        frame(f.frame)->FillAnswerFrame(f, oneAnswer, question);
    }
    stack();
    // With no slot at all the picture keeps its state, as the frames do.
    if (!sheet.frames.empty()) {
        m_instruction->setVisible(sheet.showInstruction);
    }
}

std::vector<std::string> AnswerSheetPanel::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(m_shown));
    for (int n = 1; n <= m_shown; ++n) {
        // A stored answer that is not UTF-8 shows with stand-in characters:
        // left as it was shown, its own bytes go back, not the stand-ins.
        const QString text = answerBox(n)->text();
        const std::string& shown = m_sheet.frames[static_cast<std::size_t>(n - 1)].answer;
        texts.push_back(text == ToQString(shown) ? shown : ToUtf8(text));
    }
    return texts;
}

void AnswerSheetPanel::SpeakParts(const std::function<QString(int)>& partOf) {
    for (int n = 1; n <= m_shown; ++n) {
        if (const QString part = partOf(n); !part.isEmpty()) {
            AnswerBox* box = answerBox(n);
            box->setAccessibleDescription(box->accessibleDescription() + QStringLiteral(". ") + part);
        }
    }
}

void AnswerSheetPanel::FocusStart() {
    focusFrame(practice::FrameToFocus(m_sheet));
}

bool AnswerSheetPanel::PickOption(int answer, int option) {
    const std::optional<int> n = practice::FrameForOption(m_sheet, answer, option);
    if (!n || !shownToLearner()) {
        return false;
    }
    AnswerBox* box = answerBox(*n);
    box->TypeOver(QString::number(option));
    box->setFocus(Qt::MouseFocusReason);
    return true;
}

// A hidden widget still takes the keyboard in Qt: a box of a hidden sheet
// would take the learner's keys out of sight.
bool AnswerSheetPanel::shownToLearner() const {
    return isVisibleTo(window());
}

void AnswerSheetPanel::focusFrame(int n) {
    if (n >= 1 && n <= m_shown && shownToLearner()) {
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
        emit lastAnswerEntered();
        break;
    }
}

void AnswerSheetPanel::showMessage(int n, const QString& text) {
    hideMessage();
    // A screen reader hears it from the box, whose description it leads while it shows.
    AnswerBox* refusing = answerBox(n);
    m_spokenBefore = refusing->accessibleDescription();
    m_spokenWith = text + QStringLiteral(" ") + m_spokenBefore;
    refusing->setAccessibleDescription(m_spokenWith);
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
    m_messageFrame = n;
    m_messageTimer->start();
}

void AnswerSheetPanel::hideMessage() {
    m_messageTimer->stop();
    m_message->hide();
    // Unless a move has told the box of another question meanwhile.
    if (m_messageFrame > 0 && answerBox(m_messageFrame)->accessibleDescription() == m_spokenWith) {
        answerBox(m_messageFrame)->setAccessibleDescription(m_spokenBefore);
    }
    m_messageFrame = 0;
}

void AnswerSheetPanel::PlaceInstruction(const layout::Rect& at) {
    Place(m_instruction, at);
    m_instruction->lower();
}

} // namespace orbisk::gui
