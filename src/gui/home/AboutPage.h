#pragma once

#include "core/layout/Geometry.h"

#include <QLabel>
#include <QWidget>

namespace orbisk::gui {

class BrowserLauncher;
class LinkLabel;
class Notifier;
class SkinPictures;

/// The About page (Body_About): the maker's logo, the product's name, the
/// platform and version, the link to the maker's web page and the copyright
/// notice.
class AboutPage final : public QWidget {
    Q_OBJECT
public:
    /// The address shown on the page.
    static const QString kShownAddress;
    /// The address the browser is given: the shown one with its scheme, so that
    /// no program takes it for a file name or a search.
    static const QString kAddress;

    /// Builds the page at @p at (twips of @p parent). Without a @p launcher the
    /// link finds no browser.
    AboutPage(SkinPictures& pictures, const QString& productName, const layout::Rect& at, Notifier& notifier,
              BrowserLauncher* launcher, QWidget* parent);

    /// "For Linux", or the name of the system this copy was built for.
    static QString PlatformText();

    /// Opens the maker's web page in the desktop's default program for web
    /// pages; tells the learner when there is none or it cannot be started.
    void OpenMakerWebPage();

    LinkLabel* link() const { return m_link; }
    QLabel* programName() const { return m_programName; }
    QLabel* platform() const { return m_platform; }
    QLabel* version() const { return m_version; }
    QLabel* notice() const { return m_notice; }
    QLabel* logo() const { return m_logo; }

private:
    QLabel* makeText(const char* name, const QString& text, int top, int height, const QFont& font);

    Notifier& m_notifier;
    BrowserLauncher* m_launcher;
    QLabel* m_logo = nullptr;
    QLabel* m_programName = nullptr;
    QLabel* m_platform = nullptr;
    QLabel* m_version = nullptr;
    LinkLabel* m_link = nullptr;
    QLabel* m_notice = nullptr;
};

} // namespace orbisk::gui
