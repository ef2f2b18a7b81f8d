#pragma once

#include <future>
#include <thread>

namespace orbisk::app {

/// Loads the system's font configuration, and then Qt's list of the installed
/// fonts, on a second thread while the program starts, so that the home
/// window's first text does not wait for them.
///
/// Reading the font configuration (its files of rules, parsed at the first use
/// of any font) is the largest single cost of a start; nothing else the start
/// does needs it, so it runs beside the application object, the pack and the
/// folder's set-up on a second core. Qt fills its list of fonts from it once the
/// application object exists: ApplicationReady() lets that run beside the
/// folder's set-up too. Wait() before the first font is used, and before the
/// application object goes. Should Qt reach the configuration first anyway, the
/// font library's own start-up is safe against that: two loads race for one
/// place and the loser is thrown away, which costs time but nothing else; Qt's
/// list of fonts is guarded by its own lock. Start it after anything that
/// changes the environment: the font library reads its variables while it loads
/// (nothing on the start path writes them).
///
/// Where the font library is not loaded with Qt (another platform), nothing is done.
class FontsWarmUp final {
public:
    FontsWarmUp();
    ~FontsWarmUp();
    FontsWarmUp(const FontsWarmUp&) = delete;
    FontsWarmUp& operator=(const FontsWarmUp&) = delete;

    /// The application object is made: Qt's list of fonts may be filled.
    void ApplicationReady();
    /// Returns once the work on the side is done (at once after the first
    /// call); without ApplicationReady() before it, only the configuration is loaded.
    void Wait();

private:
    void tell(bool applicationMade);

    std::promise<bool> m_application;
    bool m_told = false;
    std::thread m_thread;
};

} // namespace orbisk::app
