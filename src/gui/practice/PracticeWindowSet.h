#pragma once

#include "gui/home/PracticeWindows.h"
#include "gui/practice/PracticeServices.h"
#include "gui/practice/PracticeWindow.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace orbisk::gui {

/// The practice windows the home window opens: at most one at a time, the
/// first attempt's (Test1) or the second's (Test2). Opening a paper reads it
/// first; a paper that cannot be read is reported and opens no window. When
/// a window closes, the home window refreshes its scores.
class PracticeWindowSet final : public QObject, public PracticeWindows {
    Q_OBJECT
public:
    /// @param owner the home window: messages stand over it
    /// @param refresh the home window's RefreshContents
    PracticeWindowSet(PracticeServices services, QWidget* owner, std::function<void()> refresh);
    /// Unloads any window still open: its answers are stored.
    ~PracticeWindowSet() override;

    void CloseAll() override;
    bool CloseAllKeepingAnswers() override;
    QString OpenPaperName() const override;
    void Open(const practice::PaperRequest& request) override;

    /// The open window of each attempt, or null.
    PracticeWindow* first() const { return m_first; }
    PracticeWindow* second() const { return m_second; }

private:
    void unloaded(PracticeWindow* window);
    /// The home window's scores read again, unless the program is ending.
    void refreshHome();

    PracticeServices m_services;
    QPointer<QWidget> m_owner;
    std::function<void()> m_refresh;
    QPointer<PracticeWindow> m_first;
    QPointer<PracticeWindow> m_second;
    bool m_ending = false;
};

} // namespace orbisk::gui
