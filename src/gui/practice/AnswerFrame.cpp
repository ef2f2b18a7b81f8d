#include "gui/practice/AnswerFrame.h"

#include "core/layout/Geometry.h"
#include "core/practice/Marking.h"
#include "core/practice/PracticeTexts.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/practice/AnswerBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace orbisk::gui {

AnswerFrame::AnswerFrame(int n, bool secondAttempt, QWidget* parent) : QWidget(parent), m_number(n) {
    setObjectName(QStringLiteral("Frame%1").arg(n));
    const QFont font = BodyFont(8.25);
    m_partLetter = new QLabel(ToQString(practice::PartLetter(n)), this);
    m_partLetter->setObjectName(QStringLiteral("QL%1").arg(n));
    m_partLetter->setFont(font);
    m_answer = new AnswerBox(this);
    m_answer->setObjectName(QStringLiteral("FA%1").arg(n));
    m_answer->setFont(font);
    m_answer->setToolTip(ToQString(practice::texts::kAnswerBoxTooltip));
    // Made right after the box, so that Tab reaches it next.
    m_explanation = new QLabel(this);
    m_explanation->setObjectName(QStringLiteral("WHY%1").arg(n));
    m_explanation->setFont(font);
    m_explanation->setWordWrap(true);
    m_explanation->setTextFormat(Qt::RichText);
    m_explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_explanation->setTextInteractionFlags(Qt::NoTextInteraction);
    m_explanation->setFocusPolicy(Qt::StrongFocus);
    m_explanation->installEventFilter(this);
    m_explanation->hide();
    m_firstVerdict = verdictLabel(QStringLiteral("FR%1").arg(n));
    if (secondAttempt) {
        m_secondVerdict = verdictLabel(QStringLiteral("SR%1").arg(n));
        m_key = new QLabel(this);
        m_key->setObjectName(QStringLiteral("M%1").arg(n));
        m_key->setFont(font);
        m_key->setWordWrap(true);
        m_key->setFrameShape(QFrame::Box);
        m_key->setAutoFillBackground(true);
        QPalette colours = m_key->palette();
        colours.setColor(QPalette::Window, palette::kKeyBox);
        colours.setColor(QPalette::WindowText, palette::kRightVerdict);
        m_key->setPalette(colours);
        m_key->setTextInteractionFlags(Qt::NoTextInteraction);
        m_key->hide();
    }
    LayOut(false);
}

QLabel* AnswerFrame::verdictLabel(const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    QFont font = BodyFont(8.25);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->hide();
    return label;
}

void AnswerFrame::SetTextPoints(double points) {
    for (QWidget* text : {static_cast<QWidget*>(m_partLetter), static_cast<QWidget*>(m_answer),
                          static_cast<QWidget*>(m_firstVerdict), static_cast<QWidget*>(m_secondVerdict),
                          static_cast<QWidget*>(m_key), static_cast<QWidget*>(m_explanation)}) {
        if (text != nullptr) {
            QFont font = text->font();
            font.setPointSizeF(points);
            text->setFont(font);
        }
    }
}

namespace {

/// A box's own room round its text, in pixels: the document's margin on both sides and the cursor.
constexpr int kBoxTextMargins = 4;

double widestWord(const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}

// The width @p key needs for its text on one line: the text, the box's lines
// and the inset a framed label keeps from its left line (half an "x").
double oneLineWidth(const QLabel& key) {
    return std::ceil(QFontMetricsF(key.font()).horizontalAdvance(key.text())) + 2 * key.frameWidth() +
           QFontMetrics(key.font()).horizontalAdvance(QLatin1Char('x')) / 2 + 1;
}

// The width @p box needs to show its line without scrolling: the line as the
// box lays it out now, the document's margins, the box's lines and the
// cursor after the last letter.
int answerLineWidth(const AnswerBox& box) {
    const QTextBlock line = box.document()->firstBlock();
    if (auto* plain = qobject_cast<QPlainTextDocumentLayout*>(box.document()->documentLayout())) {
        plain->ensureBlockLayout(line); // else laid out only when next painted
    }
    const qreal text = line.layout() != nullptr ? line.layout()->maximumWidth() : 0;
    return static_cast<int>(std::ceil(text + 2 * box.document()->documentMargin())) + 2 * box.frameWidth() +
           box.cursorWidth();
}

// The height of @p box's text wrapped as a sentence box wraps it at @p width pixels.
int wrappedHeight(const AnswerBox& box, int width) {
    QTextDocument document;
    document.setDefaultFont(box.font());
    document.setDocumentMargin(box.document()->documentMargin());
    QTextOption wrap = document.defaultTextOption();
    wrap.setWrapMode(AnswerBox::kSentenceWrap);
    document.setDefaultTextOption(wrap);
    document.setPlainText(box.text());
    document.setTextWidth(std::max(1, width - box.cursorWidth()));
    return static_cast<int>(std::ceil(document.size().height()));
}

} // namespace

layout::AnswerFrameContent AnswerFrame::Content(bool sentence, double grow, double width) const {
    layout::AnswerFrameContent content;
    content.keyShown = m_key != nullptr && !m_key->isHidden();
    if (!sentence) {
        content.answerWidth = layout::Twips(answerLineWidth(*m_answer));
        if (content.keyShown) {
            content.keyWidth = layout::Twips(static_cast<int>(std::ceil(oneLineWidth(*m_key))));
        }
    }
    if (sentence) {
        double widest = widestWord(m_answer->text(), m_answer->font());
        if (content.keyShown) {
            widest = std::max(widest, widestWord(m_key->text(), m_key->font()));
        }
        if (widest > 0) {
            content.widestWord = layout::Twips(static_cast<int>(std::ceil(widest)) + kBoxTextMargins);
        }
        // Measured where the box stands once it is as wide as its words need.
        const layout::AnswerFrameLayout boxes = layout::LayOutAnswerFrame(true, width, grow, content);
        content.answerHeight = layout::Twips(
            wrappedHeight(*m_answer, layout::ToPixels(boxes.answerBox).width) + kBoxTextMargins);
        if (content.keyShown) {
            content.keyHeight = layout::Twips(m_key->heightForWidth(layout::ToPixels(boxes.keyBox).width));
        }
    }
    if (!m_explanation->text().isEmpty()) {
        const int at =
            layout::ToPixels(layout::LayOutAnswerFrame(sentence, width, grow, content).explanation).width;
        content.explanationHeight = layout::Twips(m_explanation->heightForWidth(at));
    }
    return content;
}

bool AnswerFrame::OneLineBoxWidthChanges(double grow) const {
    const double width = m_layout.frame.width;
    const layout::AnswerFrameLayout now =
        layout::LayOutAnswerFrame(false, width, grow, Content(false, grow, width));
    return now.answerBox.width != m_layout.answerBox.width;
}

void AnswerFrame::LayOut(bool sentence, double grow, double width,
                         const layout::AnswerFrameContent& content) {
    m_layout = layout::LayOutAnswerFrame(sentence, width, grow, content);
    Place(m_explanation, m_layout.explanation);
    Place(m_partLetter, m_layout.partLetter);
    Place(m_answer, m_layout.answerBox);
    m_answer->SetSentence(sentence);
    Place(m_firstVerdict, m_carried ? m_layout.carriedVerdict : m_layout.firstVerdict);
    if (m_secondVerdict) {
        Place(m_secondVerdict, m_layout.secondVerdict);
    }
    if (m_key) {
        // A one-line key box is only as tall as a line of its text: its line
        // stands in the middle, as the answer box's does, where an inset from
        // the top would cut off the letters that reach below the line.
        m_key->setAlignment(Qt::AlignLeft | (sentence ? Qt::AlignTop : Qt::AlignVCenter));
        Place(m_key, m_layout.keyBox);
    }
    update();
}

void AnswerFrame::showVerdict(QLabel* label, const std::string& verdict, bool shown, const QString& which) {
    label->setText(ToQString(verdict));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText,
                     verdict == practice::kRight ? palette::kRightVerdict : palette::kWrongVerdict);
    label->setPalette(colours);
    const std::string_view meaning = verdict == practice::kRight   ? practice::texts::kRightName
                                     : verdict == practice::kWrong ? practice::texts::kWrongName
                                                                   : practice::texts::kNotMarkedName;
    label->setAccessibleName(which + QStringLiteral(": ") + ToQString(meaning));
    label->setVisible(shown);
}

void AnswerFrame::FillAnswerFrame(const practice::SheetFrame& frame, bool oneAnswer,
                                  const QString& question) {
    const QString part = ToQString(frame.partLetter);
    m_partLetter->setVisible(frame.partLetterShown);
    m_answer->SetMaxLength(frame.maxLength);
    m_answer->SetText(ToQString(frame.answer));
    m_answer->SetLocked(frame.locked, frame.tinted);
    m_answer->SetHint(ToQString(frame.hint));
    const QString suffix = oneAnswer ? QString() : QStringLiteral(" ") + part;
    using namespace practice::texts;
    m_answer->setAccessibleName(ToQString(kAnswerName) + suffix);
    showVerdict(m_firstVerdict, frame.firstVerdict, frame.firstVerdictShown,
                ToQString(m_secondVerdict ? kFirstAttemptName : kResultName) + suffix);
    if (m_secondVerdict) {
        // A carried-over answer shows its first verdict just right of its box.
        m_carried = frame.firstVerdictShown;
        Place(m_firstVerdict, m_carried ? m_layout.carriedVerdict : m_layout.firstVerdict);
        showVerdict(m_secondVerdict, frame.secondVerdict, frame.secondVerdictShown,
                    ToQString(kSecondAttemptName) + suffix);
    }
    if (m_key) {
        m_key->setText(ToQString(frame.key));
        m_key->setAccessibleName(ToQString(kCorrectAnswerName) + suffix);
        m_key->setVisible(frame.keyShown);
    }
    // Tab reaches the answer box, not the labels beside it: once marked, the
    // box tells a screen reader what they show.
    QStringList shown;
    if (frame.firstVerdictShown) {
        shown << m_firstVerdict->accessibleName();
    }
    if (m_secondVerdict && frame.secondVerdictShown) {
        shown << m_secondVerdict->accessibleName();
    }
    if (m_key && frame.keyShown) {
        shown << ToQString(kCorrectAnswerName) + QStringLiteral(": ") + m_key->text();
    }
    // The keyboard stays in the box from question to question, so the box says
    // which question it answers: a screen reader reads the change out.
    m_answer->setAccessibleDescription(
        question + QStringLiteral(". ") +
        (shown.isEmpty() ? m_answer->accessibleDescription() : shown.join(QStringLiteral(". "))));
    // Only a shown explanation is set at all: a hidden one is not read out either.
    const QString why = frame.explanationShown ? ToQString(frame.explanation) : QString();
    m_explanation->setText(
        why.isEmpty() ? QString()
                      : QStringLiteral("<b>%1</b> %2").arg(ToQString(kExplanationLead), why.toHtmlEscaped()));
    m_explanation->setAccessibleName(why.isEmpty() ? QString() : ToQString(kExplanationName) + suffix);
    m_explanation->setAccessibleDescription(why);
    m_explanation->setVisible(!why.isEmpty());
}

void AnswerFrame::paintEvent(QPaintEvent*) {
    // drawborder: the light blue frame round the answer box.
    const layout::Border border =
        layout::DrawBorder(m_layout.answerBox, layout::kBorderStyle, {255, 255, 255});
    QPainter painter(this);
    painter.setPen(palette::ToQColor(border.colour));
    for (const layout::BorderLine& line : border.lines) {
        painter.drawLine(QPointF(line.x1 / layout::kTwipsPerPixel, line.y1 / layout::kTwipsPerPixel),
                         QPointF(line.x2 / layout::kTwipsPerPixel, line.y2 / layout::kTwipsPerPixel));
    }
    for (const QWidget* focusable : {static_cast<QWidget*>(m_answer), static_cast<QWidget*>(m_explanation)}) {
        if (focusable->hasFocus()) {
            // What has the keyboard stands out in the focus colour.
            painter.setPen(QPen(palette::kFocusMark, 2));
            painter.drawRect(QRectF(focusable->geometry()).adjusted(-1.5, -1.5, 1.5, 1.5));
        }
    }
}

bool AnswerFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_explanation && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        update(); // the frame marks the explanation that has the keyboard
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orbisk::gui
