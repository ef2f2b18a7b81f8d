#include "gui/home/AboutPage.h"

#include "core/desktop/DesktopEntry.h"
#include "gui/app/Notifier.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/BrowserLauncher.h"
#include "gui/home/LinkLabel.h"
#include "gui/home/PageSurface.h"

#include <QStringList>
#include <QSysInfo>
#include <optional>
#include <string>
#include <vector>

namespace orbisk::gui {

namespace {

// The page's own arrangement, in pixels of the page: a centred column.
constexpr int kMargin = 24;
constexpr int kLogoTop = 28;
constexpr int kLineGap = 4;

const QString kNoBrowserTitle = QStringLiteral("Browser Not Found");
const QString kNoBrowser = QStringLiteral("Could not find associated Browser");
const QString kNotOpenedTitle = QStringLiteral("URL Failed");
const QString kNotOpened = QStringLiteral("Web Page not Opened");

QString quoted(const QString& program, const QStringList& arguments) {
    QStringList parts{program};
    for (const QString& argument : arguments) {
        parts << (argument.contains(QLatin1Char(' ')) ? QLatin1Char('"') + argument + QLatin1Char('"')
                                                      : argument);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

const QString AboutPage::kShownAddress = QStringLiteral("www.orbisk.example/eduprog.html");
const QString AboutPage::kAddress = QStringLiteral("http://www.orbisk.example/eduprog.html");

AboutPage::AboutPage(SkinPictures& pictures, const QString& productName, const layout::Rect& at,
                     Notifier& notifier, BrowserLauncher* launcher, QWidget* parent)
    : QWidget(parent), m_notifier(notifier), m_launcher(launcher) {
    SetUpHomePage(*this, QStringLiteral("Body_About"), at);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Logo"));
    const QPixmap logo = pictures.Get(QStringLiteral("Logo.gif"));
    m_logo->setPixmap(logo);
    m_logo->setAccessibleName(QStringLiteral("Orbisk"));
    const QSize logoSize = PictureSize(logo);
    m_logo->setGeometry((width() - logoSize.width()) / 2, kLogoTop, logoSize.width(), logoSize.height());

    QFont nameFont = BodyFont(14);
    nameFont.setBold(true);
    int top = m_logo->geometry().bottom() + 1 + 24;
    m_programName = makeText("ProgramName", productName, top, 0, nameFont);
    top = m_programName->geometry().bottom() + 1 + 10;
    m_platform = makeText("Label36", PlatformText(), top, 0, BodyFont(10));
    top = m_platform->geometry().bottom() + 1 + kLineGap;
    m_version = makeText("Label39", QStringLiteral("Version 2.0"), top, 0, BodyFont(10));
    top = m_version->geometry().bottom() + 1 + 24;

    m_link = new LinkLabel(kShownAddress, this);
    m_link->setObjectName(QStringLiteral("lbl_QZURL"));
    m_link->setFont(BodyFont(10));
    m_link->setToolTip(QStringLiteral("Go to Orbisk home page"));
    m_link->setAccessibleName(QStringLiteral("Go to Orbisk home page"));
    m_link->setAccessibleDescription(kShownAddress);
    const QSize link = m_link->sizeHint();
    m_link->setGeometry((width() - link.width()) / 2, top, link.width(), link.height());
    connect(m_link, &LinkLabel::clicked, this, &AboutPage::OpenMakerWebPage);

    m_notice =
        makeText("Label40",
                 QStringLiteral("This program and its papers are protected by copyright. They may be "
                                "used for your own practice, but copying, sharing, lending, selling or "
                                "passing on the program or any part of it without written permission "
                                "from Orbisk is not allowed and may lead to legal action."),
                 0, 0, BodyFont(8));
    m_notice->setWordWrap(true);
    m_notice->setStyleSheet(QStringLiteral("color: #505050;"));
    const int noticeHeight = m_notice->heightForWidth(m_notice->width());
    m_notice->setGeometry(kMargin, height() - kMargin - noticeHeight, m_notice->width(), noticeHeight);
}

QLabel* AboutPage::makeText(const char* name, const QString& text, int top, int height, const QFont& font) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(kMargin, top, width() - 2 * kMargin,
                       height > 0 ? height : QFontMetrics(font).height() + 2);
    return label;
}

QString AboutPage::PlatformText() {
#if defined(Q_OS_LINUX)
    return QStringLiteral("For Linux");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("For macOS");
#elif defined(Q_OS_WIN)
    return QStringLiteral("For Windows");
#else
    return QStringLiteral("For ") + QSysInfo::kernelType();
#endif
}

void AboutPage::OpenMakerWebPage() {
    BrowserLauncher::Lookup found;
    if (m_launcher) {
        found = m_launcher->FindHtmlHandler();
    } else {
        found.detail = QStringLiteral("no way to ask the desktop was given");
    }
    std::optional<std::vector<std::string>> command;
    if (!found.execLine.empty()) {
        command = desktop::ExpandExecLine(found.execLine, kAddress.toStdString());
        if (!command) {
            found.detail += QStringLiteral(": its command line \"%1\" cannot be read")
                                .arg(QString::fromStdString(found.execLine));
        }
    }
    if (!command) {
        m_notifier.Warn(window(), kNoBrowserTitle, kNoBrowser, found.detail);
        return;
    }
    const QString program = QString::fromStdString(command->front());
    QStringList arguments;
    for (std::size_t i = 1; i < command->size(); ++i) {
        arguments << QString::fromStdString((*command)[i]);
    }
    if (!m_launcher->Start(program, arguments)) {
        m_notifier.Warn(window(), kNotOpenedTitle, kNotOpened,
                        quoted(program, arguments) + QStringLiteral(" could not be started (from ") +
                            found.detail + QLatin1Char(')'));
    }
}

} // namespace orbisk::gui
