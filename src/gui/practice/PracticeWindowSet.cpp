#include "gui/practice/PracticeWindowSet.h"

#include "core/Errors.h"
#include "core/practice/PracticeTexts.h"
#include "gui/app/Notifier.h"
#include "gui/chrome/FrameActivation.h"
#include "gui/chrome/QtText.h"
#include "gui/practice/PracticeWindow.h"

#include <stdexcept>

namespace orbisk::gui {

PracticeWindowSet::PracticeWindowSet(PracticeServices services, QWidget* owner, std::function<void()> refresh)
    : m_services(std::move(services)), m_owner(owner), m_refresh(std::move(refresh)) {}

PracticeWindowSet::~PracticeWindowSet() {
    m_ending = true;
    CloseAll();
}

void PracticeWindowSet::CloseAll() {
    // The first attempt's window, then the second's.
    for (QPointer<PracticeWindow>* slot : {&m_first, &m_second}) {
        PracticeWindow* window = *slot;
        *slot = nullptr;
        if (window) {
            window->Unload();
            if (m_ending) {
                delete window; // no event loop is left to delete it later
            }
        }
    }
}

bool PracticeWindowSet::CloseAllKeepingAnswers() {
    bool closed = true;
    for (QPointer<PracticeWindow>* slot : {&m_first, &m_second}) {
        if (PracticeWindow* window = *slot; window && !window->UnloadKeepingAnswers()) {
            closed = false;
        } else {
            *slot = nullptr;
        }
    }
    return closed;
}

QString PracticeWindowSet::OpenPaperName() const {
    for (const PracticeWindow* window : {m_first.data(), m_second.data()}) {
        if (window != nullptr && window->life() != practice::WindowLife::Closed) {
            return ToQString(window->paper().Caption());
        }
    }
    return {};
}

void PracticeWindowSet::Open(const practice::PaperRequest& request) {
    CloseAll(); // one window at a time, whoever asks
    const QString paperName = ToQString(practice::PaperCaption(request));
    const QString title = m_owner ? m_owner->windowTitle() : QStringLiteral("Orbisk");
    try {
        auto* window =
            new PracticeWindow(m_services, practice::OpenPaper::Open(*m_services.resources, request));
        connect(window, &PracticeWindow::unloading, this, &PracticeWindowSet::unloaded);
        // The new score shows on the home window, its report and card at once,
        // not only once the paper is closed.
        connect(window, &PracticeWindow::marked, this, &PracticeWindowSet::refreshHome);
        (request.TakeNum == practice::Attempt::First ? m_first : m_second) = window;
        window->show();
        window->raise();
        window->activateWindow();
    } catch (const BankDataError& error) {
        m_services.notifier->Warn(m_owner, title,
                                  ToQString(practice::texts::kQuestionBankDamaged).arg(paperName),
                                  ToQString(error.what()));
    } catch (const DataError& error) {
        m_services.notifier->Warn(
            m_owner, title,
            ToQString(practice::texts::kResultsFileUnreadable).arg(paperName, PathText(error.file())),
            ToQString(error.what()));
    } catch (const WriteError& error) {
        m_services.notifier->Warn(
            m_owner, title,
            ToQString(practice::texts::kFileNotWritable).arg(paperName, PathText(error.file())),
            ToQString(error.what()));
    } catch (const std::invalid_argument& error) {
        m_services.notifier->Warn(m_owner, title, ToQString(practice::texts::kNotInSection).arg(paperName),
                                  ToQString(error.what()));
    }
}

void PracticeWindowSet::unloaded(PracticeWindow* window) {
    if (window == m_first) {
        m_first = nullptr;
    } else if (window == m_second) {
        m_second = nullptr;
    }
    refreshHome();
    // The keys go back to the home window: with no window manager, nothing
    // else would give them to any window. (Only the learner closes a paper,
    // from one of the program's windows, so no other program is robbed of them.)
    if (!m_ending) {
        ReturnKeysTo(m_owner);
    }
}

void PracticeWindowSet::refreshHome() {
    if (!m_ending && m_refresh) {
        m_refresh();
    }
}

} // namespace orbisk::gui
