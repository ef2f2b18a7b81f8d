#include "gui/practice/PracticeWindow.h"

#include "core/Errors.h"
#include "core/layout/CornerResize.h"
#include "core/layout/Geometry.h"
#include "core/practice/PracticeTexts.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/HoverPoller.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/MarkingPanel.h"
#include "gui/practice/PracticeStatusBar.h"
#include "gui/practice/PracticeToolbar.h"
#include "gui/practice/QuestionView.h"
#include "gui/practice/SizeGrip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace orbisk::gui {

PracticeWindow::PracticeWindow(PracticeServices services, practice::OpenPaper paper)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_services(std::move(services)),
      m_paper(std::move(paper)) {
    setObjectName(secondAttempt() ? QStringLiteral("Test2") : QStringLiteral("Test1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    build();

    const QRect screenArea = (screen() ? screen() : QGuiApplication::primaryScreen())->geometry();
    const layout::PixelRect at = layout::PlacePracticeWindow(
        {screenArea.x(), screenArea.y(), screenArea.width(), screenArea.height()});
    setGeometry(at.x, at.y, at.width, at.height);
    // No smaller than the grip makes it, for a window manager's resize too; a
    // window opened smaller than that on a small screen keeps its size.
    setMinimumSize(std::min(layout::Px(layout::kMinResizeWidth), at.width),
                   std::min(layout::Px(layout::kMinResizeHeight), at.height));

    const QString caption = ToQString(m_paper.Caption());
    setWindowTitle(caption);
    setAccessibleName(caption);
    m_frame->title()->setText(caption);
    placeTitleBar();

    if (m_paper.IsMarked()) {
        enter(practice::LifeEvent::FoundMarked); // a marked attempt opens in review
    }
    showQuestion();
    showState();
    m_sheet->FocusStart(); // the keyboard is in the first box when the window shows
    m_sheetShown = true;
    m_paper.StartClock(m_services.now());
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &PracticeWindow::Tick);
    m_timer.start();
    if (m_status->date()) {
        m_status->ShowOpeningDate(m_services.today());
        m_status->ShowClock(ToQString(m_paper.ClockText(m_paper.ClockStart())));
    }
    showAnsweredCount();
    setTabOrder();
    LayOut();
}

PracticeWindow::~PracticeWindow() {
    // Deleted without being closed: a confirmed marking completes, the answers
    // go to disk and a file that could not be written is told, as on Unload.
    m_status->marking()->Finish();
    leave(CloseRoute::Forced);
}

void PracticeWindow::build() {
    SkinPictures& pictures = *m_services.pictures;
    m_poller = new HoverPoller(m_services.cursor, this);
    m_frame = new SkinnedFrame(this, pictures, *m_poller, SkinnedFrame::Kind::Practice);
    m_frame->ApplySkin();
    connect(m_frame, &SkinnedFrame::closeClicked, this, &PracticeWindow::ClosePaper);
    connect(m_frame, &SkinnedFrame::minimiseClicked, this, &QWidget::showMinimized);
    connect(m_frame, &SkinnedFrame::maximiseClicked, this, &PracticeWindow::toggleMaximised);

    m_toolbar = new PracticeToolbar(pictures, *m_poller, this);
    connect(m_toolbar, &PracticeToolbar::triggered, this, &PracticeWindow::runToolbar);

    m_view = new QuestionView(*m_services.notifier, *m_services.printer, this);
    m_view->SetTopMargin(layout::Px(layout::PracticeSizes{}.pageTopMargin));
    connect(m_view, &QuestionView::optionClicked, this,
            [this](int answer, int option) { m_sheet->PickOption(answer, option); });
    m_questionTitleStrip = new QLabel(this);
    m_questionTitleStrip->setObjectName(QStringLiteral("QnTitleBG"));
    m_questionTitleStrip->setAutoFillBackground(true);
    QPalette strip = m_questionTitleStrip->palette();
    strip.setColor(QPalette::Window, palette::kQuestionTitleStrip);
    m_questionTitleStrip->setPalette(strip);
    m_questionTitle = new QLabel(m_questionTitleStrip);
    m_questionTitle->setObjectName(QStringLiteral("QnTitle"));
    QFont titleFont = TitleFont();
    titleFont.setPointSizeF(10);
    m_questionTitle->setFont(titleFont);
    QPalette titleColour = m_questionTitle->palette();
    titleColour.setColor(QPalette::WindowText, palette::kPracticeHeading);
    m_questionTitle->setPalette(titleColour);
    m_questionTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_handleStrip = new QWidget(this);
    m_handleStrip->setObjectName(QStringLiteral("PicHideAns"));
    m_handleStrip->setAutoFillBackground(true);
    QPalette handleColour = m_handleStrip->palette();
    handleColour.setColor(QPalette::Window, palette::kWindow);
    m_handleStrip->setPalette(handleColour);
    m_handle = new ImageButton(m_handleStrip);
    m_handle->setObjectName(QStringLiteral("ImgHandle"));
    const QPixmap handle = pictures.Get(QStringLiteral("Handle.bmp"));
    m_handle->SetPictures({handle, handle, handle, {}});
    m_handle->setToolTip(ToQString(practice::texts::kHideSheetTooltip));
    m_handle->setAccessibleName(ToQString(practice::texts::kHideSheetTooltip));
    m_handle->setAccessibleDescription(ToQString(practice::texts::kHideSheetTooltip));
    connect(m_handle, &ImageButton::clicked, this, &PracticeWindow::ToggleAnswerSheet);
    m_handle->installEventFilter(this); // its strip shows when it has the keyboard

    // The text size: the learner's last choice, and the keys that change it.
    m_textSize = practice::ReadTextSize(m_paper.request().appFolder);
    const std::vector<int>& counts = m_paper.answerCounts();
    m_sheet = new AnswerSheetPanel(pictures, secondAttempt(),
                                   counts.empty() ? 1 : *std::max_element(counts.begin(), counts.end()),
                                   m_textSize, this);
    connect(m_sheet, &AnswerSheetPanel::nextQuestionRequested, this, &PracticeWindow::NextQuestion);
    connect(m_sheet, &AnswerSheetPanel::lastAnswerEntered, this, &PracticeWindow::storeWithoutMoving);
    connect(m_sheet, &AnswerSheetPanel::pageScrollRequested, this, &PracticeWindow::scrollPage);

    m_status = new PracticeStatusBar(pictures, secondAttempt(), m_services.now, this);
    connect(m_status, &PracticeStatusBar::questionChosen, this, &PracticeWindow::ChooseQuestion);
    connect(m_status->marking(), &MarkingPanel::finished, this, &PracticeWindow::completeMarking);

    m_sizer = new SizeGrip(this);
    m_sizer->setPixmap(pictures.Get(QStringLiteral("statusgrabber.bmp")));

    const QString keys = ToQString(practice::texts::kTextSizeKeys);
    m_toolbar->setAccessibleDescription(keys);
    m_view->SetSpokenHint(keys);
    m_view->SetTextSize(m_textSize);
    auto onKeys = [this](const QKeySequence& sequence, auto step) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this,
                [this, step] { SetTextSize(step(m_textSize)); });
    };
    onKeys(QKeySequence::ZoomIn, practice::LargerTextSize);
    onKeys(QKeySequence(Qt::CTRL | Qt::Key_Equal), practice::LargerTextSize); // "+" without Shift
    onKeys(QKeySequence::ZoomOut, practice::SmallerTextSize);
    onKeys(QKeySequence(Qt::CTRL | Qt::Key_0), [](int) { return practice::kDefaultTextSize; });
    connect(m_view, &QuestionView::answersWanted, m_sheet, &AnswerSheetPanel::FocusStart);
    connect(m_view, &QuestionView::textSizeStepped, this, [this](bool larger) {
        SetTextSize(larger ? practice::LargerTextSize(m_textSize) : practice::SmallerTextSize(m_textSize));
    });
}

void PracticeWindow::SetTextSize(int percent) {
    if (percent == m_textSize) {
        return;
    }
    m_textSize = percent;
    m_view->SetTextSize(percent);
    m_sheet->SetTextSize(percent);
    try {
        practice::WriteTextSize(m_paper.request().appFolder, percent);
    } catch (const Error&) {
        // Not kept for the next paper: the learner sees the size now and can choose it again.
    }
}

void PracticeWindow::placeTitleBar() {
    QLabel* title = m_frame->title();
    const int titleHeight = QFontMetrics(title->font()).height();
    layout::PracticeTitleBar bar = layout::PlacePracticeTitleBar(layout::Twips(titleHeight));
    bar.title.width = layout::Twips(QFontMetrics(title->font()).horizontalAdvance(title->text()) + 4);
    m_frame->PlaceTitle(bar.title);
    m_frame->PlaceIcon(bar.icon);
}

void PracticeWindow::setTabOrder() {
    // The question page, the answer boxes, each followed by its explanation,
    // the toolbar, the questions list, the sheet's handle, the title bar's
    // buttons last.
    QList<QWidget*> chain{m_view};
    for (int n = 1; n <= m_sheet->builtFrames(); ++n) {
        chain << m_sheet->answerBox(n) << m_sheet->frame(n)->explanation();
    }
    for (const practice::ToolbarEntry& entry : practice::kToolbar) {
        chain << m_toolbar->button(entry.button);
    }
    chain << m_status->remaining() << m_handle;
    for (ImageButton* button :
         {m_frame->minimiseButton(), m_frame->maximiseButton(), m_frame->closeButton()}) {
        if (button) {
            chain << button;
        }
    }
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

void PracticeWindow::LayOut() {
    const double w = layout::Twips(width());
    const double h = layout::Twips(height());
    // A minimised window, or one too small for the fixed pieces, keeps its last layout.
    if (offTheScreen() || !layout::CanLayOutPractice(w, h)) {
        return;
    }
    const layout::PracticeLayout l = layout::LayOutPractice(w, h, m_sheetShown);
    m_frame->Arrange(l.frame);
    m_frame->PlaceButtons(l.minButton, &l.maxButton, l.closeButton);
    m_toolbar->Place(l);
    Place(m_sheet, l.answerSheet);
    m_sheet->setVisible(m_sheetShown);
    m_sheet->PlaceInstruction(l.instruction);
    Place(m_handleStrip, l.sheetHandle);
    const QSize handle = PictureSize(m_handle->shownPicture());
    m_handle->setGeometry((m_handleStrip->width() - handle.width()) / 2,
                          (m_handleStrip->height() - handle.height()) / 2, handle.width(), handle.height());
    Place(m_view, l.questionView);
    Place(m_questionTitleStrip, l.questionTitle);
    m_questionTitleStrip->raise();
    Place(m_questionTitle, l.questionTitleText);
    Place(m_status, l.statusBar);
    Place(m_sizer, l.sizer);
    m_sizer->raise();
    m_frame->pRoundCorners();
}

void PracticeWindow::ToggleAnswerSheet() {
    const layout::SheetToggle toggle = layout::ToggleAnswerSheet(m_sheetShown, layout::Twips(width()));
    m_sheetShown = toggle.shown;
    m_handle->setToolTip(ToQString(toggle.tooltip));
    m_handle->setAccessibleName(ToQString(toggle.tooltip));
    // Set, not left to the tooltip: a screen reader learns of a change only when told.
    m_handle->setAccessibleDescription(ToQString(toggle.tooltip));
    LayOut();
}

bool PracticeWindow::offTheScreen() const {
    // Without a window manager nothing takes a minimised window off the
    // screen: the learner goes on using it, so it is treated as normal.
    return isMinimized() && !(windowHandle() && windowHandle()->isExposed());
}

void PracticeWindow::toggleMaximised() {
    if (offTheScreen()) {
        return;
    }
    if (isMaximized()) {
        showNormal();
    } else {
        showMaximized();
    }
}

void PracticeWindow::runToolbar(practice::ToolbarButton which) {
    using practice::ToolbarButton;
    switch (which) {
    case ToolbarButton::Save:
        SavePaper();
        break;
    case ToolbarButton::Mark:
        MarkPaper();
        break;
    case ToolbarButton::Print:
        PrintQuestion();
        break;
    case ToolbarButton::Close:
        ClosePaper();
        break;
    case ToolbarButton::Back:
        PreviousQuestion();
        break;
    case ToolbarButton::Next:
        NextQuestion();
        break;
    }
}

void PracticeWindow::Tick() {
    applyToolbarStates();
    m_frame->FollowWindowState();
    m_poller->Tick();
    // Written while hidden in review mode too, as the clock always was.
    m_status->ShowClock(ToQString(m_paper.ClockText(m_services.now())));
    showAnsweredCount();
}

void PracticeWindow::showAnsweredCount() {
    m_status->ShowCounts(m_paper.AnsweredCount(), m_paper.AnswerSlots());
}

void PracticeWindow::applyToolbarStates() {
    m_toolbar->ApplyStates(practice::ToolbarStates(m_life, m_paper.QSCount(), m_paper.QuestionCount()));
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_handle && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // The handle is too thin for a mark of its own: its whole strip lights up.
        QPalette colours = m_handleStrip->palette();
        colours.setColor(QPalette::Window,
                         event->type() == QEvent::FocusIn ? palette::kFocusMark : palette::kWindow);
        m_handleStrip->setPalette(colours);
    }
    return QWidget::eventFilter(watched, event);
}

void PracticeWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void PracticeWindow::scrollPage(bool down) {
    m_view->verticalScrollBar()->triggerAction(down ? QAbstractSlider::SliderPageStepAdd
                                                    : QAbstractSlider::SliderPageStepSub);
}

void PracticeWindow::keyPressEvent(QKeyEvent* event) {
    // Page Up and Page Down that no control took (the toolbar's buttons, or any
    // control while the sheet is hidden) scroll the question page, as they do
    // from an answer box.
    if ((event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) &&
        event->modifiers() == Qt::NoModifier) {
        scrollPage(event->key() == Qt::Key_PageDown);
        return;
    }
    QWidget::keyPressEvent(event);
}

void PracticeWindow::changeEvent(QEvent* event) {
    // The title bar follows activation through FrameActivation.
    if (event->type() == QEvent::WindowStateChange) {
        m_frame->SetActive(m_frame->active()); // the maximise button's pictures follow the state
        LayOut();
    }
    QWidget::changeEvent(event);
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
    if (m_life == practice::WindowLife::Closed) {
        event->accept(); // the close that ends a route that has already left
        return;
    }
    if (!practice::Takes(m_life, practice::LifeEvent::CloseStored)) {
        event->ignore(); // the marking plays
        return;
    }
    if (event->spontaneous()) {
        // Closed by the window system: asked like the title bar's close, once this event is over.
        event->ignore();
        QTimer::singleShot(0, this, &PracticeWindow::ClosePaper);
        return;
    }
    // Closed by the program (its windows closing all at once): as the program's end closes it.
    leave(CloseRoute::Forced);
    event->accept();
}

void PracticeWindow::mousePressEvent(QMouseEvent* event) {
    m_sizer->PressAt(event->globalPosition().toPoint(), event->button());
    QWidget::mousePressEvent(event);
}

void PracticeWindow::mouseMoveEvent(QMouseEvent* event) {
    const bool held = event->buttons() & Qt::LeftButton;
    if (held) {
        m_sizer->DragTo(event->globalPosition().toPoint());
    }
    const QPoint at = event->position().toPoint();
    if (const auto shape =
            layout::CursorFor(at.x(), at.y(), width(), height(), layout::kResizeEdgePixels, held)) {
        switch (*shape) {
        case layout::CursorShape::Default:
            unsetCursor();
            break;
        case layout::CursorShape::SizeWestEast:
            setCursor(Qt::SizeHorCursor);
            break;
        case layout::CursorShape::SizeNorthSouth:
            setCursor(Qt::SizeVerCursor);
            break;
        case layout::CursorShape::SizeNorthWestSouthEast:
            setCursor(Qt::SizeFDiagCursor);
            break;
        case layout::CursorShape::SizeNorthEastSouthWest:
            setCursor(Qt::SizeBDiagCursor);
            break;
        }
    }
    QWidget::mouseMoveEvent(event);
}

void PracticeWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_sizer->Release();
    }
    QWidget::mouseReleaseEvent(event);
}

void PracticeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette::kWindow);
}

} // namespace orbisk::gui
