#include "gui/home/HomeWindow.h"

#include "core/Errors.h"
#include "core/layout/HomeToolbar.h"
#include "core/product/BankNumbers.h"
#include "core/report/ReportFigures.h"
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

namespace {

/// Entry @p slot (1-based) of a results record, or empty when the record is shorter.
std::string entry(const std::vector<std::string>& values, int slot) {
    const auto i = static_cast<std::size_t>(slot - 1);
    return slot >= 1 && i < values.size() ? values[i] : std::string();
}

} // namespace

HomeWindow::HomeWindow(Services services, config::ProductConfig config, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_services(std::move(services)),
      m_config(std::move(config)) {
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
    m_layout = layout::LayOutHome(
        {m_config.sections[0].exists(), m_config.sections[1].exists(), m_config.sections[2].exists()},
        m_config.FirstSection(), layout::Twips(titleHeight));
    m_frame->Arrange(m_layout.frame);
    m_frame->PlaceTitle(m_layout.title);
    m_frame->PlaceIcon(m_layout.icon);
    m_frame->PlaceButtons(m_layout.minimiseButton, nullptr, m_layout.closeButton);
    m_frame->ApplyOutline();

    m_toolbar = new HomeToolbar(*m_services.pictures, *m_poller, m_layout.toolbar, this);
    connect(m_toolbar, &HomeToolbar::slotClicked, this, &HomeWindow::ToolBarClick);
    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Logo"));
    m_logo->setPixmap(m_services.pictures->Get(QStringLiteral("Logo.gif")));
    Place(m_logo, m_layout.logo);
    buildStrip();

    // The product's name on the window and its title bar.
    const QString name = ToQString(m_config.name);
    setWindowTitle(name);
    m_frame->title()->setText(name);
    m_state.lblCOD = m_config.code;

    buildTabs();
    m_bodyHome = new HomePage(*m_services.pictures, *m_poller, m_layout.body, this);
    connect(m_bodyHome, &HomePage::topicClicked, this, &HomeWindow::TopicClick);
    connect(m_bodyHome, &HomePage::paperClicked, this, &HomeWindow::OpenPaper);
    m_poller->Start();

    // Select the first section, which shows its home page with topic 1.
    const int first = m_config.FirstSection();
    m_state.LChose = first;
    m_state.txtTabPos = first;
    TabClick(first);
    m_state.txtToolBarPos = 1;
    m_state.txtReportPos = 1;
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
    QPixmap strip(m_strip->size());
    strip.fill(palette::kWindow);
    {
        QPainter painter(&strip);
        painter.setPen(Qt::black);
        const int line = layout::Px(m_layout.stripLineTop) - m_strip->y();
        painter.drawLine(0, line, strip.width(), line);
    }
    m_strip->setPixmap(strip);
}

void HomeWindow::buildTabs() {
    const char* names[] = {"Tab01", "Tab02", "Tab03", "Tab04"};
    for (int n = 1; n <= 4; ++n) {
        auto* tab = new ImageButton(this);
        tab->setObjectName(QString::fromLatin1(names[n - 1]));
        tab->setFont(BodyFont(8.25));
        const QString label = n <= 3 ? ToQString(m_config.Section(n).label) : QStringLiteral("Help");
        tab->SetCaption(label);
        tab->setToolTip(n <= 3 ? QStringLiteral("Load ") + label + QStringLiteral(" Module")
                               : QStringLiteral("Help"));
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
            m_state.txtReportPos = n;
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

std::vector<results::FileProblem> HomeWindow::EraseResults() {
    // An open paper holds answers of its own: it closes first, as Close does,
    // so that nothing it writes later can bring erased results back.
    if (m_services.practice) {
        m_services.practice->CloseAll();
    }
    static const MapResourceSource none; // no templates: every file is reported, none written
    std::vector<results::FileProblem> problems =
        results::ResetResults(m_services.appFolder, m_config.code, m_config.ExistingSections(),
                              m_services.resources ? *m_services.resources : none);
    // The scores in memory follow the files at once (the results card prints them).
    RefreshContents();
    return problems;
}

AboutPage* HomeWindow::aboutPage() {
    if (m_bodyAbout == nullptr) {
        m_bodyAbout = new AboutPage(*m_services.pictures, ToQString(m_config.name), m_layout.body,
                                    *m_services.notifier, m_services.browser, this);
    }
    return m_bodyAbout;
}

void HomeWindow::TabClick(int n) {
    m_state.txtTabPos = n;
    m_state.txtToolBarPos = 1;
    m_state.txtReportPos = 1;
    placeTabs(n);
    if (n <= 3) {
        m_state.LChose = n;
    }
    m_toolbar->Show(n);
    ShowPage();
}

void HomeWindow::ToolBarClick(int slot) {
    m_state.txtToolBarPos = slot;
    ShowPage();
}

void HomeWindow::placeTabs(int chosen) {
    m_layout = layout::LayOutHome(
        {m_config.sections[0].exists(), m_config.sections[1].exists(), m_config.sections[2].exists()}, chosen,
        m_layout.title.height);
    SkinPictures& pictures = *m_services.pictures;
    for (int n = 4; n >= 1; --n) {
        ImageButton* tab = m_tabs[static_cast<std::size_t>(n - 1)];
        const bool front = n == chosen;
        tab->SetPictures(
            {pictures.Get(front ? QStringLiteral("tabs_front_off.bmp") : QStringLiteral("tabs_back_off.bmp")),
             pictures.Get(front ? QStringLiteral("tabs_front_on.bmp") : QStringLiteral("tabs_back_on.bmp")),
             {},
             {}});
        Place(tab, m_layout.tabs[static_cast<std::size_t>(n - 1)]);
        tab->setVisible(m_layout.tabVisible[static_cast<std::size_t>(n - 1)]);
        tab->raise();
    }
    m_strip->raise();
    m_tabs[static_cast<std::size_t>(chosen - 1)]->raise();
}

void HomeWindow::ShowPage() {
    switch (layout::ChoosePageAction(m_state.txtTabPos, m_state.txtToolBarPos)) {
    case layout::PageAction::LoadHome:
        LoadSection();
        placePage(m_bodyHome);
        break;
    case layout::PageAction::ShowReport:
        BuildReport();
        placePage(reportPage());
        break;
    case layout::PageAction::ShowAbout:
        placePage(aboutPage());
        break;
    case layout::PageAction::ShowTrash:
        trashPage()->ShowOffer();
        placePage(trashPage());
        break;
    case layout::PageAction::CloseProgram:
        CloseProgram();
        break;
    case layout::PageAction::PrintCard:
        PrintResultsCard(); // the page stays as it is
        break;
    case layout::PageAction::PrinterSetup:
        PrintSetup();
        break;
    case layout::PageAction::None:
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
            other->hide();
        }
    }
    m_currentPage = page;
}

void HomeWindow::BuildReport() {
    // Rebuilt on every visit from the marks LoadSection read and the trend file as it is now.
    if (m_state.LChose >= 1 && m_state.LChose <= 3) {
        const auto trendFile = results::FilePath(m_services.appFolder, results::ResultsFile::Trend,
                                                 m_state.LChose, m_state.lblCOD);
        reportPage()->BuildReport(report::BuildReport(m_marks, m_config.Section(m_state.LChose), trendFile));
    }
    reportPage()->ArrangeReportPanels(m_state.txtReportPos);
}

void HomeWindow::LoadSection() {
    if (m_state.LChose < 1 || m_state.LChose > 3) {
        return; // keeps the previous section's topics and counts
    }
    const config::SectionConfig& section = m_config.Section(m_state.LChose);
    m_state.TtPapersCon = section.paperCount;
    const auto marksFile =
        results::FilePath(m_services.appFolder, results::ResultsFile::Marks, m_state.LChose, m_state.lblCOD);
    try {
        m_marks = results::ReadMarks(marksFile, section.paperCount);
    } catch (const DataError& error) {
        // Empty scores rather than another section's, and the file as it is.
        const std::vector<std::string> none(static_cast<std::size_t>(section.paperCount));
        m_marks = {none, none, none, none, none, none, {}};
        m_services.notifier->Warn(
            this, windowTitle(),
            QStringLiteral("Your results for %1 could not be read from %2, so no scores "
                           "are shown. The file was left as it is.")
                .arg(ToQString(section.label), PathText(marksFile)),
            QString::fromStdString(error.what()));
    }
    m_bodyHome->ShowTopics(section.topicNames, section.topicCount);
    if (!m_state.RefreshLog && section.topicCount > 0) {
        TopicClick(1);
    }
}

void HomeWindow::TopicClick(int t) {
    m_state.TopicCount = bank::FirstSlotOfTopic(t);
    TopicChoosing(m_state.TopicCount);
    m_bodyHome->ChooseTopic(t);
}

void HomeWindow::TopicChoosing(int firstSlot) {
    std::array<std::string, 5> first, second;
    for (int r = 0; r < bank::kPapersPerTopic; ++r) {
        first[static_cast<std::size_t>(r)] = entry(m_marks.FSE, firstSlot + r);
        second[static_cast<std::size_t>(r)] = entry(m_marks.SSE, firstSlot + r);
    }
    const config::SectionConfig& section = m_config.Section(m_state.LChose);
    const auto topic = static_cast<std::size_t>((firstSlot - 1) / bank::kPapersPerTopic);
    m_state.SubH1 = topic < section.topicNames.size() ? section.topicNames[topic] : std::string();
    m_bodyHome->ShowPapers(ToQString(m_state.SubH1), first, second);
}

void HomeWindow::OpenPaper(int offset, int take) {
    m_state.PaperNum = bank::PaperOfSlot(m_state.TopicCount + offset);
    m_state.TakeNum = take;
    // Each paper opens in a freshly loaded window; the old one stores its answers first.
    if (m_services.practice) {
        m_services.practice->CloseAll();
        m_services.practice->Open(m_state);
    }
}

void HomeWindow::RefreshContents() {
    m_state.RefreshLog = true;
    LoadSection();
    const int topic = (m_state.TopicCount - 1) / bank::kPapersPerTopic + 1;
    if (bank::FirstSlotOfTopic(topic) == m_state.TopicCount && topic >= 1 && topic <= bank::kMaxTopics) {
        TopicClick(topic);
    }
    m_state.RefreshLog = false;
}

void HomeWindow::PrintResultsCard() {
    if (m_services.cardPrinter && m_state.LChose >= 1 && m_state.LChose <= 3) {
        m_services.cardPrinter->Print(this, report::ComposeResultsCard(windowTitle().toStdString(), m_marks,
                                                                       m_config.Section(m_state.LChose)));
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
    // However the window is closed, the practice windows close first and keep their answers.
    if (m_services.practice) {
        m_services.practice->CloseAll();
    }
    QWidget::closeEvent(event);
}

void HomeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette::kWindow);
}

} // namespace orbisk::gui
