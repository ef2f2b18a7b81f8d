#include "gui/home/HomeWindow.h"

#include "gui/app/Notifier.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/home/CardPrinter.h"
#include "gui/home/HomePage.h"
#include "gui/home/HomeToolbar.h"
#include "gui/home/PracticeWindows.h"
#include "gui/popup/Asker.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QPainter>

namespace orbisk::gui {

HomeWindow::HomeWindow(Services services, config::ProductConfig config, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_services(std::move(services)),
      m_home(std::move(config), m_services.appFolder) {
    setObjectName(QStringLiteral("Contents"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_poller = new HoverPoller(m_services.cursor, this);
    m_frame = new SkinnedFrame(this, *m_services.pictures, *m_poller, SkinnedFrame::Kind::Home);
    connect(m_frame, &SkinnedFrame::closeClicked, this, &HomeWindow::CloseProgram);
    connect(m_frame, &SkinnedFrame::minimiseClicked, this, &QWidget::showMinimized);

    // Skin and place the window, arrange its frame and cut its corners.
    m_frame->ApplySkin();
    const layout::PixelRect window = layout::ToPixels(layout::kHomeWindow);
    setGeometry(window.x, window.y, window.width, window.height);
    setFixedSize(window.width, window.height);
    const int titleHeight = QFontMetrics(m_frame->title()->font()).height();
    m_layout = layout::LayOutHome(m_home.SectionsShown(), m_home.FirstTab(), layout::Twips(titleHeight));
    m_frame->Arrange(m_layout.frame);
    m_frame->PlaceTitle(m_layout.title);
    m_frame->PlaceIcon(m_layout.icon);
    m_frame->PlaceButtons(m_layout.minimiseButton, nullptr, m_layout.closeButton);
    m_frame->pRoundCorners();

    m_toolbar = new HomeToolbar(*m_services.pictures, *m_poller, m_layout.toolbar, this);
    connect(m_toolbar, &HomeToolbar::slotClicked, this, &HomeWindow::ToolBarClick);
    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Logo"));
    m_logo->setPixmap(m_services.pictures->Get(QStringLiteral("Logo.gif")));
    Place(m_logo, m_layout.logo);
    buildStrip();

    // The product's name on the window and its title bar.
    const QString name = ToQString(m_home.config().name);
    setWindowTitle(name);
    m_frame->title()->setText(name);

    buildTabs();
    m_bodyHome = new HomePage(*m_services.pictures, *m_poller, m_layout.body, this);
    connect(m_bodyHome, &HomePage::topicClicked, this, &HomeWindow::TopicClick);
    connect(m_bodyHome, &HomePage::paperClicked, this, &HomeWindow::OpenPaper);
    m_poller->Start();

    for (const std::filesystem::path& file : m_services.toldAtStart) {
        m_home.AlreadyTold(file);
    }
    // Select the first section, which shows its home page with topic 1.
    TabClick(m_home.FirstTab());
    // The frame is made first, so its buttons lead the Tab order and would take
    // the focus at the start, where a Space meant for the page minimises the
    // window: the keyboard starts on the toolbar, and Tab reaches the title
    // bar's buttons last.
    m_toolbar->button(1)->setFocus(Qt::OtherFocusReason);
}

HomeWindow::~HomeWindow() = default;

TopicButton* HomeWindow::topicLabel(int t) const {
    return m_bodyHome->topic(t);
}

void HomeWindow::buildStrip() {
    // The tab strip: its colour with a black line near its bottom.
    m_strip = new QLabel(this);
    m_strip->setObjectName(QStringLiteral("ScnTabBG"));
    Place(m_strip, m_layout.strip);
    // Drawn at the screen's pixel ratio, so the line stays one sharp line.
    const qreal ratio = devicePixelRatioF();
    QPixmap strip(m_strip->size() * ratio);
    strip.setDevicePixelRatio(ratio);
    strip.fill(palette::kWindow);
    {
        QPainter painter(&strip);
        painter.setPen(Qt::black);
        const int line = layout::Px(m_layout.stripLineTop) - m_strip->y();
        painter.drawLine(0, line, m_strip->width(), line);
    }
    m_strip->setPixmap(strip);
}

void HomeWindow::buildTabs() {
    for (int n = 1; n <= home::kTabCount; ++n) {
        auto* tab = new ImageButton(this);
        tab->setObjectName(QStringLiteral("Tab%1").arg(n, 2, 10, QLatin1Char('0')));
        tab->SetKind(ImageButton::Kind::Tab);
        tab->setFont(BodyFont(8.25));
        const home::TabFace face = m_home.Tab(n);
        tab->SetCaption(ToQString(face.caption));
        tab->setToolTip(ToQString(face.tooltip));
        connect(tab, &ImageButton::clicked, this, [this, n] { TabClick(n); });
        m_poller->Add(tab, HoverPoller::Rule::TwoState);
        m_tabs[static_cast<std::size_t>(n - 1)] = tab;
    }
}

ReportPage* HomeWindow::reportPage() {
    // The report, erase and About pages are built on their first visit, so
    // the start shows the home page without waiting for them.
    if (m_bodyReport == nullptr) {
        m_bodyReport = new ReportPage(*m_services.pictures, m_layout.body, this);
        connect(m_bodyReport, &ReportPage::barClicked, this, [this](int n) {
            m_home.ChooseReportPanel(n);
            m_bodyReport->ArrangeReportPanels(n);
        });
    }
    return m_bodyReport;
}

TrashPage* HomeWindow::trashPage() {
    if (m_bodyTrash == nullptr) {
        m_bodyTrash = new TrashPage(
            *m_services.pictures, *m_poller, m_layout.body, [this] { return EraseResults(); },
            [this] { return m_services.practice ? m_services.practice->OpenPaperName() : QString(); },
            *m_services.notifier, this);
    }
    return m_bodyTrash;
}

results::ResetReport HomeWindow::EraseResults() {
    // An erase that would be refused leaves an open paper as it is, with the
    // answers typed since its last save.
    if (results::ResetReport refused = m_home.CheckErase(m_services.resources); refused.nothingErased) {
        return refused;
    }
    // An open paper holds answers of its own: it closes first, as Close does,
    // so that nothing it writes later can bring erased results back.
    if (m_services.practice) {
        m_services.practice->CloseAll();
    }
    results::ResetReport report = m_home.EraseResults(m_services.resources);
    // The scores in memory follow the files at once (the results card prints them).
    RefreshContents();
    return report;
}

AboutPage* HomeWindow::aboutPage() {
    if (m_bodyAbout == nullptr) {
        m_bodyAbout = new AboutPage(*m_services.pictures, ToQString(m_home.config().name), m_layout.body,
                                    *m_services.notifier, m_services.browser, this);
    }
    return m_bodyAbout;
}

void HomeWindow::TabClick(int n) {
    const home::PageAction action = m_home.ChooseTab(n);
    PlaceTabs(n);
    m_toolbar->Show(n);
    ShowPage(action);
}

void HomeWindow::ToolBarClick(int slot) {
    ShowPage(m_home.PressToolbar(slot));
}

void HomeWindow::PlaceTabs(int chosen) {
    m_layout = layout::LayOutHome(m_home.SectionsShown(), chosen, m_layout.title.height);
    SkinPictures& pictures = *m_services.pictures;
    for (int n = home::kTabCount; n >= 1; --n) {
        ImageButton* tab = m_tabs[static_cast<std::size_t>(n - 1)];
        const bool front = n == chosen;
        tab->SetCurrent(front);
        tab->SetPictures(pictures,
                         {front ? QStringLiteral("tabs_front_off.bmp") : QStringLiteral("tabs_back_off.bmp"),
                          front ? QStringLiteral("tabs_front_on.bmp") : QStringLiteral("tabs_back_on.bmp")});
        Place(tab, m_layout.tabs[static_cast<std::size_t>(n - 1)]);
        tab->setVisible(m_layout.tabVisible[static_cast<std::size_t>(n - 1)]);
        tab->raise();
    }
    m_strip->raise();
    m_tabs[static_cast<std::size_t>(chosen - 1)]->raise();
}

void HomeWindow::ShowPage(home::PageAction action) {
    switch (action) {
    case home::PageAction::LoadHome:
        LoadSection();
        placePage(m_bodyHome);
        break;
    case home::PageAction::ShowReport:
        BuildReport();
        placePage(reportPage());
        break;
    case home::PageAction::ShowAbout:
        placePage(aboutPage());
        break;
    case home::PageAction::ShowTrash:
        trashPage()->ShowOffer();
        placePage(trashPage());
        break;
    case home::PageAction::CloseProgram:
        CloseProgram();
        break;
    case home::PageAction::PrintCard:
        PrintResultsCard(); // the page stays as it is
        break;
    case home::PageAction::PrinterSetup:
        PrintSetup();
        break;
    case home::PageAction::None:
        break; // the page stays as it is
    }
}

void HomeWindow::placePage(QWidget* page) {
    // The pages share one place; those behind are hidden so that the keyboard
    // and screen readers reach only the page in front.
    Place(page, m_layout.body);
    page->show();
    page->raise();
    for (QWidget* other : {static_cast<QWidget*>(m_bodyHome), static_cast<QWidget*>(m_bodyReport),
                           static_cast<QWidget*>(m_bodyTrash), static_cast<QWidget*>(m_bodyAbout)}) {
        if (other != nullptr && other != page) {
            // The focus in a page going behind would pass on down the Tab order,
            // to the title bar: it goes to the page in front instead.
            if (QWidget* focus = focusWidget(); focus != nullptr && other->isAncestorOf(focus)) {
                focusFirstOf(page);
            }
            other->hide();
        }
    }
    m_currentPage = page;
}

void HomeWindow::focusFirstOf(QWidget* page) {
    for (QWidget* w = page->nextInFocusChain(); w != page && page->isAncestorOf(w);
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    m_toolbar->button(1)->setFocus(Qt::OtherFocusReason);
}

void HomeWindow::BuildReport() {
    // Rebuilt on every visit from the marks LoadSection read and the trend file as it is now.
    if (const auto figures = m_home.Report(DecimalPoint())) {
        reportPage()->BuildReport(*figures);
    }
    reportPage()->ArrangeReportPanels(m_home.state().txtReportPos);
}

void HomeWindow::LoadSection() {
    showSection(m_home.LoadSection());
}

void HomeWindow::showSection(const home::SectionView& view) {
    if (view.problem) {
        m_services.notifier->Warn(this, windowTitle(), ToQString(view.problem->message.text),
                                  ToQString(view.problem->message.details));
    }
    if (view.loaded) {
        m_bodyHome->ShowTopics(view.topicNames, view.topicCount);
    }
    if (view.chooseTopic != 0) {
        TopicClick(view.chooseTopic);
    }
}

void HomeWindow::TopicClick(int t) {
    const home::TopicView topic = m_home.TopicChoosing(t);
    m_bodyHome->ShowPapers(ToQString(topic.name), topic.papers);
    m_bodyHome->Topicbuttoncolour(topic.topic);
}

void HomeWindow::OpenPaper(int offset, int take) {
    const practice::PaperRequest request = m_home.OpenPaper(offset, take);
    // Each paper opens in a freshly loaded window; the old one stores its answers
    // first, and if it cannot and the learner keeps it, the new one does not open.
    if (m_services.practice && m_services.practice->CloseAllKeepingAnswers()) {
        m_services.practice->Open(request);
    }
}

void HomeWindow::RefreshContents() {
    showSection(m_home.RefreshContents());
    // A report on show follows the new scores at once, as the home page does.
    if (m_bodyReport != nullptr && m_currentPage == m_bodyReport) {
        BuildReport();
    }
}

void HomeWindow::PrintResultsCard() {
    if (!m_services.cardPrinter) {
        return;
    }
    if (const auto card = m_home.ResultsCard(ToUtf8(windowTitle()))) {
        m_services.cardPrinter->Print(this, *card);
    }
}

void HomeWindow::PrintSetup() {
    if (m_services.cardPrinter) {
        m_services.cardPrinter->Setup(this);
    }
}

void HomeWindow::CloseProgram() {
    close();
}

void HomeWindow::closeEvent(QCloseEvent* event) {
    // However the window is closed, the practice windows close first and keep
    // their answers; one that cannot and that the learner keeps open keeps the
    // program open too.
    if (m_services.practice && !m_services.practice->CloseAllKeepingAnswers()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void HomeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette::kWindow);
}

} // namespace orbisk::gui
