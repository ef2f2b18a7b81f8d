#include "FontsWarmUp.h"

#include <QFontDatabase>
#include <QStringList>
#include <cstdlib>

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace orbisk::app {

namespace {

using FontInit = int (*)();

// The font library's own start-up, found among the libraries already loaded
// (Qt's GUI library brings it), so the program needs no build-time link to it.
FontInit fontLibraryInit() {
#if defined(__linux__)
    return reinterpret_cast<FontInit>(::dlsym(RTLD_DEFAULT, "FcInit"));
#else
    return nullptr;
#endif
}

} // namespace

FontsWarmUp::FontsWarmUp() {
    if (const FontInit init = fontLibraryInit()) {
        m_thread = std::thread([init, application = m_application.get_future()]() mutable {
            init();
            // Qt's list of the installed fonts, filled from that configuration;
            // it needs the application object, and is kept for all threads.
            if (application.get()) {
                QFontDatabase::families();
            }
        });
    }
}

FontsWarmUp::~FontsWarmUp() {
    Wait();
}

void FontsWarmUp::ApplicationReady() {
    tell(true);
}

void FontsWarmUp::tell(bool applicationMade) {
    if (!m_told) {
        m_told = true;
        m_application.set_value(applicationMade);
    }
}

void FontsWarmUp::Wait() {
    tell(false); // without the application object the fonts' list is not filled
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

} // namespace orbisk::app
