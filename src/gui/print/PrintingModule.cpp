#include "gui/print/PrintingModule.h"

#include <cerrno>
#include <cstring>
#include <string>

#if defined(__linux__)
#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace orbisk::gui {

namespace {

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QString::fromUtf8(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

LoadedPrinting LoadPrintingModule(std::string_view module) {
    if (module.empty()) {
        return {nullptr, QStringLiteral("the program holds no printing module")};
    }
#if defined(__linux__)
    const int file = ::memfd_create("orbisk-printing", MFD_CLOEXEC);
    if (file < 0) {
        return {nullptr, systemError("memfd_create")};
    }
    for (std::string_view left = module; !left.empty();) {
        const ssize_t written = ::write(file, left.data(), left.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            const QString problem = systemError("writing the printing module");
            ::close(file);
            return {nullptr, problem};
        }
        left.remove_prefix(static_cast<std::size_t>(written));
    }
    // The loader knows a module by the name it was opened by and hands out the
    // loaded one again for the same name: the file stays open, and its number
    // taken, for as long as the module stays loaded, which is until the end.
    const std::string path = "/proc/self/fd/" + std::to_string(file);
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const QString problem = QString::fromLocal8Bit(::dlerror());
        ::close(file);
        return {nullptr, problem};
    }
    using Entry = PrinterSystem* (*)();
    const auto entry = reinterpret_cast<Entry>(::dlsym(handle, "orbisk_printing_system"));
    if (entry == nullptr) {
        const QString problem = QString::fromLocal8Bit(::dlerror());
        ::dlclose(handle);
        ::close(file);
        return {nullptr, problem};
    }
    return {std::unique_ptr<PrinterSystem>(entry()), {}};
#else
    return {nullptr, QStringLiteral("printing is not built for this system")};
#endif
}

} // namespace orbisk::gui
