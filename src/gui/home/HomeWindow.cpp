#include "gui/home/HomeWindow.h"

#include "core/Errors.h"
#include "core/layout/HomePage.h"
#include "core/product/BankNumbers.h"
#include "gui/app/Notifier.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/chrome/SkinnedFrame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace orbisk::gui {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr QColor kStripColour(244, 245, 235);

} // namespace

HomeWindow::HomeWindow(Services services, config::ProductConfig config, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_services(std::move(services)),
      m_config(std::move(config)) {
    setObjectName(QStringLiteral("Contents"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_poller = new HoverPoller(m_services.cursor, this);
    m_frame = new SkinnedFrame(this, *m_services.pictures, *m_poller, SkinnedFrame::Kind::Home);
    connect(m_frame, &SkinnedFrame::closeClicked, this, &QWidget::close);
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

    // The tab strip: its colour with a black line near its bottom.
    m_strip = new QLabel(this);
    m_strip->setObjectName(QStringLiteral("ScnTabBG"));
    Place(m_strip, m_layout.strip);
    QPixmap strip(m_strip->size());
    strip.fill(kStripColour);
    {
        QPainter painter(&strip);
        painter.setPen(Qt::black);
        const int line = layout::Px(m_layout.stripLineTop) - m_strip->y();
        painter.drawLine(0, line, strip.width(), line);
    }
    m_strip->setPixmap(strip);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Logo"));
    m_logo->setPixmap(m_services.pictures->Get(QStringLiteral("Logo.gif")));
    Place(m_logo, m_layout.logo);

    // The product's name on the window and its title bar.
    const QString name = fromUtf8(m_config.name);
    setWindowTitle(name);
    m_frame->title()->setText(name);
    m_state.lblCOD = m_config.code;

    buildTabs();
    buildHomePage();
    m_poller->Start();

    // Select the first section, which shows its home page with topic 1.
    const int first = m_config.FirstSection();
    m_state.LChose = first;
    m_state.txtTabPos = first;
    TabClick(first);
    m_state.txtToolBarPos = 1;
    m_state.txtReportPos = 1;
    m_state.TopicCount = 1;
}

HomeWindow::~HomeWindow() = default;

void HomeWindow::buildTabs() {
    const char* names[] = {"Tab01", "Tab02", "Tab03", "Tab04"};
    for (int n = 1; n <= 4; ++n) {
        auto* tab = new ImageButton(this);
        tab->setObjectName(QString::fromLatin1(names[n - 1]));
        tab->setFont(BodyFont(8.25));
        const QString label = n <= 3 ? fromUtf8(m_config.Section(n).label) : QStringLiteral("Help");
        tab->SetCaption(label);
        tab->setToolTip(n <= 3 ? QStringLiteral("Load ") + label + QStringLiteral(" Module")
                               : QStringLiteral("Help"));
        connect(tab, &ImageButton::clicked, this, [this, n] { TabClick(n); });
        m_poller->Add(tab, HoverPoller::Rule::TwoState);
        m_tabs[static_cast<std::size_t>(n - 1)] = tab;
    }
}

void HomeWindow::buildHomePage() {
    m_bodyHome = new QWidget(this);
    m_bodyHome->setObjectName(QStringLiteral("Body_Home"));
    m_bodyHome->setAutoFillBackground(true);
    QPalette palette = m_bodyHome->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_bodyHome->setPalette(palette);
    Place(m_bodyHome, m_layout.body);

    const layout::HomePageLayout page = layout::LayOutHomePage(layout::Twips(m_bodyHome->width()));
    auto columnHead = [&](const char* name, const char* picture, const QString& caption,
                          const layout::Rect& at) {
        auto* head = new QLabel(m_bodyHome);
        head->setObjectName(QString::fromLatin1(name));
        head->setPixmap(m_services.pictures->Get(QString::fromLatin1(picture)));
        Place(head, at);
        auto* text = new QLabel(caption, head);
        QFont font = BodyFont(9);
        font.setBold(true);
        text->setFont(font);
        text->setStyleSheet(QStringLiteral("color: #1c4f8c;"));
        text->setGeometry(8, 0, head->width() - 8, head->height());
    };
    columnHead("ColHead1", "columnhead1.bmp", QStringLiteral("Topics"), page.topicsHead);
    columnHead("ColHead2", "columnhead2.bmp", QStringLiteral("Papers"), page.papersHead);

    const QPixmap bullet = m_services.pictures->Get(QStringLiteral("bullet.bmp"));
    for (int t = 1; t <= 10; ++t) {
        const auto i = static_cast<std::size_t>(t - 1);
        auto* mark = new QLabel(m_bodyHome);
        mark->setObjectName(QStringLiteral("Bullet%1").arg(t));
        mark->setPixmap(bullet);
        Place(mark, page.bullets[i]);
        auto* topic = new QLabel(m_bodyHome);
        topic->setObjectName(QStringLiteral("Topic%1").arg(t));
        topic->setFont(BodyFont(9));
        topic->setToolTip(QStringLiteral("Click to select topic"));
        Place(topic, page.topics[i]);
        topic->setContentsMargins(4, 0, 4, 0);
        m_bullets[i] = mark;
        m_topics[i] = topic;
    }
    m_subHeading = new QLabel(QStringLiteral("Select a Paper"), m_bodyHome);
    m_subHeading->setObjectName(QStringLiteral("SubH1"));
    QFont heading = BodyFont(10);
    heading.setBold(true);
    m_subHeading->setFont(heading);
    m_subHeading->setStyleSheet(QStringLiteral("color: #1c4f8c;"));
    Place(m_subHeading, page.subHeading);
}

void HomeWindow::TabClick(int n) {
    m_state.txtTabPos = n;
    m_state.txtToolBarPos = 1;
    m_state.txtReportPos = 1;
    placeTabs(n);
    if (n <= 3) {
        m_state.LChose = n;
    }
    showPage();
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

void HomeWindow::showPage() {
    if (m_state.txtTabPos <= 3 && m_state.txtToolBarPos == 1) {
        LoadSection();
        m_bodyHome->raise();
    }
}

void HomeWindow::LoadSection() {
    if (m_state.LChose < 1 || m_state.LChose > 3) {
        return;
    }
    const config::SectionConfig& section = m_config.Section(m_state.LChose);
    m_state.TtPapersCon = section.paperCount;
    const auto marksFile =
        results::FilePath(m_services.appFolder, results::ResultsFile::Marks, m_state.LChose, m_state.lblCOD);
    try {
        m_marks = results::ReadMarks(marksFile, section.paperCount);
    } catch (const DataError& error) {
        m_marks = {};
        m_services.notifier->Warn(this, windowTitle(),
                                  QStringLiteral("Your results could not be read from %1: %2")
                                      .arg(QString::fromStdString(marksFile.filename().string()),
                                           QString::fromStdString(error.problem())));
    }
    for (int t = 1; t <= 10; ++t) {
        const bool shown = t <= section.topicCount;
        QLabel* topic = m_topics[static_cast<std::size_t>(t - 1)];
        topic->setText(shown ? fromUtf8(section.topicNames[static_cast<std::size_t>(t - 1)]) : QString());
        topic->setVisible(shown);
        m_bullets[static_cast<std::size_t>(t - 1)]->setVisible(shown);
    }
    if (!m_state.RefreshLog && section.topicCount > 0) {
        topicClick(1);
    }
}

void HomeWindow::topicClick(int t) {
    m_state.TopicCount = bank::FirstSlotOfTopic(t);
    const config::SectionConfig& section = m_config.Section(m_state.LChose);
    m_subHeading->setText(fromUtf8(section.topicNames[static_cast<std::size_t>(t - 1)]));
    highlightTopic(t);
}

void HomeWindow::highlightTopic(int t) {
    for (int i = 1; i <= 10; ++i) {
        QLabel* topic = m_topics[static_cast<std::size_t>(i - 1)];
        const bool selected = i == t;
        topic->setAutoFillBackground(selected);
        QPalette palette = topic->palette();
        palette.setColor(QPalette::Window, selected ? QColor(0x80, 0x80, 0x80) : QColor(Qt::transparent));
        palette.setColor(QPalette::WindowText, selected
                                                   ? QApplication::palette().color(QPalette::HighlightedText)
                                                   : QColor(Qt::black));
        topic->setPalette(palette);
    }
}

void HomeWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        // Only a change among the program's own windows changes the title bar;
        // switching to another program leaves it as it is.
        if (isActiveWindow()) {
            m_frame->SetActive(true);
        } else if (QApplication::activeWindow() != nullptr) {
            m_frame->SetActive(false);
        }
    }
    QWidget::changeEvent(event);
}

void HomeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kStripColour);
}

} // namespace orbisk::gui
