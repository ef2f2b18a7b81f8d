#include "gui/practice/QuestionView.h"

#include "core/Errors.h"
#include "core/io/FileIO.h"
#include "core/practice/PracticeTexts.h"
#include "gui/app/Notifier.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/practice/PagePrinter.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QWheelEvent>
#include <optional>
#include <vector>

namespace orbisk::gui {

namespace {

// The image format a page's part says it holds: "gif" for "image/gif".
QByteArray formatOf(const mht::Part& part) {
    const std::size_t slash = part.contentType.find('/');
    return slash == std::string::npos ? QByteArray()
                                      : QByteArray::fromStdString(part.contentType.substr(slash + 1));
}

bool isCopyOrCut(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)) {
        return true;
    }
    // Ctrl with C or X, whatever else is held (Ctrl+Shift+C too).
    return (event->modifiers() & Qt::ControlModifier) &&
           (event->key() == Qt::Key_C || event->key() == Qt::Key_X);
}

// An option's link "answer:K:N": option N (from 1) of the page's answer K.
struct OptionLink {
    int answer = 0;
    int option = 0;
};

std::optional<OptionLink> optionLink(const QString& link) {
    const QStringList parts = link.split(QLatin1Char(':'));
    if (parts.size() != 3 || parts[0] != QLatin1String("answer")) {
        return std::nullopt;
    }
    bool answerOk = false;
    bool optionOk = false;
    const OptionLink read{parts[1].toInt(&answerOk), parts[2].toInt(&optionOk)};
    return answerOk && optionOk ? std::optional(read) : std::nullopt;
}

// A page's line as a screen reader says it: no picture place holders, and a
// gap to fill ("__________") said as one word, not as a run of underlines.
QString spoken(QString line) {
    static const QRegularExpression gap(QStringLiteral("_{2,}"));
    return line.remove(QChar::ObjectReplacementCharacter)
        .replace(gap, QStringLiteral("(blank)"))
        .simplified();
}

} // namespace

QuestionView::QuestionView(Notifier& notifier, PagePrinter& printer, QWidget* parent)
    : QTextBrowser(parent), m_notifier(notifier), m_printer(printer) {
    setObjectName(QStringLiteral("brwWebBrowser"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // Nothing can be selected, so nothing can be copied, dragged out or put
    // in the selection the middle button pastes; an option's link takes a click.
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setAcceptDrops(false);
    // Tab reaches the page, for a screen reader to read it; a click on it
    // leaves the keyboard in the answer box.
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        // An option's; any other link is followed nowhere.
        if (const auto picked = optionLink(link.toString())) {
            emit optionClicked(picked->answer, picked->option);
        }
    });
    setFrameShape(QFrame::NoFrame);
    // The band above the page, under the question's title strip, is the page's white.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAccessibleName(ToQString(practice::texts::kQuestionPageName));
}

bool QuestionView::Navigate(const std::filesystem::path& file, int question) {
    try {
        mht::Archive archive = mht::Read(files::ReadWholeFile(file));
        const QString html = ToQString(archive.RootText());
        m_archive = std::move(archive);
        m_question = question;
        m_errorPage = false;
        document()->clear();
        showHtml(html);
        findParts();
        emit pageReady(question);
        return true;
    } catch (const Error& error) {
        ShowErrorPage(question,
                      ToQString(practice::texts::kPageNotRead).arg(PathText(file), ToQString(error.what())));
        return false;
    }
}

void QuestionView::ShowErrorPage(int question, const QString& reason) {
    m_archive.reset();
    m_parts.clear();
    m_question = question;
    m_errorPage = true;
    const QString html =
        QStringLiteral("<html><body><h2>%1</h2><p>%2</p><p>%3</p></body></html>")
            .arg(ToQString(practice::texts::kPageNotShownHeading).arg(question), reason.toHtmlEscaped(),
                 ToQString(practice::texts::kPageNotShownAdvice).toHtmlEscaped());
    showHtml(html);
    emit pageReady(question);
}

void QuestionView::SetTextSize(int percent) {
    if (percent == m_textSize) {
        return;
    }
    m_textSize = percent;
    if (m_html.isEmpty()) {
        return;
    }
    // The same place on the page stays in view.
    QScrollBar* bar = verticalScrollBar();
    const double at = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0;
    showHtml(m_html);
    bar->setValue(qRound(at * bar->maximum()));
}

void QuestionView::SetSpokenHint(const QString& hint) {
    m_spokenHint = hint;
    speakPage();
}

void QuestionView::speakPage() {
    // The page's words in reading order, its table cells and lines apart.
    const QString text = spoken(document()->toPlainText());
    setAccessibleDescription(m_spokenHint.isEmpty() ? text
                             : text.isEmpty()       ? m_spokenHint
                                                    : text + QStringLiteral("\n") + m_spokenHint);
}

QString QuestionView::SpokenPart(int answer) const {
    const auto found = m_parts.find(answer);
    return found == m_parts.end() ? QString() : found->second;
}

void QuestionView::findParts() {
    // An option is a link "answer:K:N" (its number and its words, each in a
    // cell of its own); what it answers is the last line before answer K's
    // first option that holds no option.
    m_parts.clear();
    std::map<int, QString> lead;
    std::map<int, std::map<int, QString>> options; // answer, then option number: its words
    QString lastLine;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        std::map<std::pair<int, int>, QString> linked; // this block's text of each option
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (const auto link = optionLink(fragment.charFormat().anchorHref())) {
                linked[{link->answer, link->option}] += fragment.text();
            }
        }
        const QString line = spoken(block.text());
        if (linked.empty()) {
            if (!line.isEmpty()) {
                lastLine = line;
            }
            continue;
        }
        for (const auto& [which, words] : linked) {
            lead.emplace(which.first, lastLine);
            QString& kept = options[which.first][which.second];
            if (words.simplified().size() > kept.size()) {
                kept = words.simplified(); // the option's words, not its number
            }
        }
    }
    for (const auto& [answer, byNumber] : options) {
        QStringList said;
        for (const auto& [number, words] : byNumber) {
            said << QString::number(number) + QLatin1Char(' ') + words;
        }
        const QString& before = lead[answer];
        m_parts[answer] = (before.isEmpty() ? QString() : before + QLatin1Char(' ')) +
                          ToQString(practice::texts::kOptionsSpoken) + QStringLiteral(": ") +
                          said.join(QStringLiteral("; "));
    }
}

void QuestionView::showHtml(const QString& html) {
    m_html = html;
    setHtml(html);
    speakPage();
    // Every size the page sets, and the size of text that sets none, times the
    // text size. The size of text that sets none is the view's own font's: the
    // page keeps its default font from one page to the next, so scaling that
    // would scale it again on every page shown.
    const double factor = m_textSize / 100.0;
    QTextDocument& page = *document();
    QFont base = font();
    base.setPointSizeF(base.pointSizeF() * factor);
    page.setDefaultFont(base);
    if (m_textSize == 100) {
        return;
    }
    struct Run {
        int from, to;
        double points;
    };
    std::vector<Run> runs;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().hasProperty(QTextFormat::FontPointSize)) {
                runs.push_back({fragment.position(), fragment.position() + fragment.length(),
                                fragment.charFormat().fontPointSize() * factor});
            }
        }
    }
    QTextCursor cursor(&page);
    for (const Run& run : runs) {
        cursor.setPosition(run.from);
        cursor.setPosition(run.to, QTextCursor::KeepAnchor);
        QTextCharFormat size;
        size.setFontPointSize(run.points);
        cursor.mergeCharFormat(size);
    }
}

void QuestionView::PrintPage(const QString& paper) {
    m_printer.Print(window(), *document(), paper, m_question);
}

QVariant QuestionView::loadResource(int type, const QUrl& name) {
    // Only the archive on show answers: never a file, never the network.
    if (!m_archive) {
        return {};
    }
    const QByteArray reference = name.toString().toUtf8();
    const mht::Part* part = m_archive->Resolve(std::string_view(reference.constData(), reference.size()));
    if (part == nullptr) {
        return {};
    }
    switch (type) {
    case QTextDocument::ImageResource:
        if (devicePixelRatioF() > 1) {
            // A screen with more pixels: the picture's twin, where the page carries one.
            const std::string twin =
                mht::TwinReference(std::string_view(reference.constData(), reference.size()));
            if (const mht::Part* sharp = m_archive->Resolve(twin)) {
                QImage picture = DecodePicture(sharp->body, formatOf(*sharp));
                if (!picture.isNull()) {
                    picture.setDevicePixelRatio(2);
                    return QPixmap::fromImage(std::move(picture));
                }
            }
        }
        return QPixmap::fromImage(DecodePicture(part->body, formatOf(*part)));
    case QTextDocument::StyleSheetResource:
        return ToQString(mht::ToUtf8(part->body, part->charset));
    default:
        return {}; // no frames or other documents
    }
}

void QuestionView::refuse() {
    m_notifier.Say(window(), ToQString(practice::texts::kGuardTitle),
                   ToQString(practice::texts::kGuardMessage));
}

void QuestionView::keyPressEvent(QKeyEvent* event) {
    if (isCopyOrCut(event)) {
        event->accept();
        refuse();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        event->accept(); // the page takes clicks on its options, never a selection
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void QuestionView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && event->buttons() == Qt::RightButton) {
        event->accept();
        refuse();
        return;
    }
    // Reached by Tab, the page keeps the keyboard through a click, which would
    // then take the answer typed next.
    if (event->button() == Qt::LeftButton && hasFocus()) {
        emit answersWanted();
    }
    QTextBrowser::mousePressEvent(event);
}

void QuestionView::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second right-click is another press to refuse, not a word to pick.
    if (event->button() == Qt::RightButton) {
        mousePressEvent(event);
        return;
    }
    QTextBrowser::mouseDoubleClickEvent(event);
}

void QuestionView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept(); // no menu: it would offer to copy
}

void QuestionView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        // Not the view's own zoom, which would change the page's spacing but
        // not its sized text: the program's text size, as Ctrl with + and - set it.
        event->accept();
        // A step a notch: a touchpad turns it in many small parts.
        constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;
        m_wheelTurned += event->angleDelta().y();
        for (; m_wheelTurned >= kNotch; m_wheelTurned -= kNotch) {
            emit textSizeStepped(true);
        }
        for (; m_wheelTurned <= -kNotch; m_wheelTurned += kNotch) {
            emit textSizeStepped(false);
        }
        return;
    }
    QTextBrowser::wheelEvent(event);
}

void QuestionView::paintEvent(QPaintEvent* event) {
    QTextBrowser::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(viewport());
        painter.setPen(palette::FocusDots());
        painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
    }
}

void QuestionView::focusInEvent(QFocusEvent* event) {
    QTextBrowser::focusInEvent(event);
    viewport()->update();
}

void QuestionView::focusOutEvent(QFocusEvent* event) {
    QTextBrowser::focusOutEvent(event);
    viewport()->update();
}

void QuestionView::scrollContentsBy(int dx, int dy) {
    QTextBrowser::scrollContentsBy(dx, dy);
    // The scroll moves the drawn page, focus mark and all: the mark is drawn afresh at the edges.
    if (hasFocus()) {
        viewport()->update();
    }
}

QMimeData* QuestionView::createMimeDataFromSelection() const {
    return new QMimeData; // nothing of the page leaves it
}

} // namespace orbisk::gui
