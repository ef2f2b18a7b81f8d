#pragma once

#include "gui/home/BrowserLauncher.h"

#include <filesystem>
#include <vector>

namespace orbisk::gui {

/// The Linux desktop's way: `xdg-mime query default text/html` names a
/// desktop entry, which is looked for in the XDG applications folders; its
/// Exec line is the command. Nothing is written to disk.
class DesktopBrowserLauncher final : public BrowserLauncher {
public:
    /// Asks through the program @p xdgMime, and looks in @p folders (the XDG
    /// applications folders of the environment when empty).
    explicit DesktopBrowserLauncher(QString xdgMime = QStringLiteral("xdg-mime"),
                                    std::vector<std::filesystem::path> folders = {});

    Lookup FindHtmlHandler() override;
    bool Start(const QString& program, const QStringList& arguments) override;

private:
    QString m_xdgMime;
    std::vector<std::filesystem::path> m_folders;
};

} // namespace orbisk::gui
