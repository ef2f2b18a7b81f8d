#include "FontsWarmUp.h"

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
        m_thread = std::thread([init] { init(); });
    }
}

FontsWarmUp::~FontsWarmUp() {
    Wait();
}

void FontsWarmUp::Wait() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

} // namespace orbisk::app
