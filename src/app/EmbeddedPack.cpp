#include "EmbeddedPack.h"

#include "core/Errors.h"

#include <QResource>
#include <QThread>

namespace orbisk::app {

namespace {

constexpr int kIdleMilliseconds = 1000; // after the last read, the pack's pages are given back

bool held(const QResource& resource) {
    return resource.isValid() && resource.data() != nullptr;
}

bool storedAsItIs(const QResource& resource) {
    return resource.compressionAlgorithm() == QResource::NoCompression;
}

// A resource stored as it is lies in the program's read-only data for as long as it runs.
std::string_view bytesOf(const QResource& resource) {
    return {reinterpret_cast<const char*>(resource.data()), static_cast<std::size_t>(resource.size())};
}

} // namespace

std::string_view EmbeddedPackBytes() {
    const QResource resource(QStringLiteral(":/orbisk/resources.pack"));
    if (!held(resource)) {
        throw PackError("the program holds no resource pack");
    }
    if (!storedAsItIs(resource)) {
        throw PackError("the program holds its resource pack compressed; it must be stored as it is");
    }
    return bytesOf(resource);
}

EmbeddedPackSource::EmbeddedPackSource() : EmbeddedPackSource(EmbeddedPackBytes()) {}

EmbeddedPackSource::EmbeddedPackSource(std::string_view bytes) : m_pack(bytes), m_pages(bytes) {
    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdleMilliseconds);
    QObject::connect(&m_idle, &QTimer::timeout, [this] { m_pages.GiveBack(); });
}

std::optional<std::string_view> EmbeddedPackSource::Find(int id) const {
    if (QThread::currentThread() == m_idle.thread()) {
        m_idle.start();
    }
    return m_pack.Find(id);
}

std::string_view EmbeddedPrintingModule() {
    const QResource resource(QStringLiteral(":/orbisk/printing.so"));
    return held(resource) && storedAsItIs(resource) ? bytesOf(resource) : std::string_view();
}

} // namespace orbisk::app
