#pragma once

#include <thread>

namespace orbisk::app {

/// Loads the system's font configuration on a second thread while the program
/// starts, so that the home window's first text does not wait for it.
///
/// Reading the font configuration (its files of rules, parsed at the first use
/// of any font) is the largest single cost of a start; nothing else the start
/// does needs it, so it runs beside the application object, the pack and the
/// folder's set-up on a second core. Wait() before the first font is used, so
/// that the configuration is loaded once. Should Qt reach it first anyway, the
/// font library's own start-up is safe against that: two loads race for one
/// place and the loser is thrown away, which costs time but nothing else.
/// Start it after anything that changes the environment: the font library
/// reads its variables while it loads (nothing on the start path writes them).
///
/// Where the font library is not loaded with Qt (another platform), nothing is done.
class FontsWarmUp final {
public:
    FontsWarmUp();
    ~FontsWarmUp();
    FontsWarmUp(const FontsWarmUp&) = delete;
    FontsWarmUp& operator=(const FontsWarmUp&) = delete;

    /// Returns once the configuration is loaded (at once after the first call).
    void Wait();

private:
    std::thread m_thread;
};

} // namespace orbisk::app
