#pragma once

#include "gui/home/BrowserLauncher.h"

#include <QList>

namespace orbisk::testing {

/// Answers for the desktop with a set Exec line and records what would start.
class FakeBrowserLauncher final : public gui::BrowserLauncher {
public:
    Lookup FindHtmlHandler() override {
        ++lookups;
        return {execLine, QStringLiteral("fake.desktop")};
    }
    bool Start(const QString& program, const QStringList& arguments) override {
        started << Started{program, arguments};
        return starts;
    }

    struct Started {
        QString program;
        QStringList arguments;
    };
    std::string execLine; ///< empty: the desktop names no browser
    bool starts = true;   ///< whether Start succeeds
    int lookups = 0;
    QList<Started> started;
};

} // namespace orbisk::testing
