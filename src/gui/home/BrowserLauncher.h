#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace orbisk::gui {

/// Finds the desktop's default program for web pages and starts programs. The
/// program asks the desktop; tests answer for it and record what would start.
class BrowserLauncher {
public:
    virtual ~BrowserLauncher() = default;

    /// What the desktop answered.
    struct Lookup {
        /// The Exec line of the default program for HTML, or empty when none was found.
        std::string execLine;
        /// Why none was found, or which entry was used: for a details line.
        QString detail;
    };
    virtual Lookup FindHtmlHandler() = 0;

    /// Starts @p program with @p arguments on its own; false when it could not be started.
    virtual bool Start(const QString& program, const QStringList& arguments) = 0;
};

} // namespace orbisk::gui
