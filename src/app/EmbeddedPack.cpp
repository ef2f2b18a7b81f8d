#include "EmbeddedPack.h"

#include "core/Errors.h"

#include <QResource>

namespace orbisk::app {

std::string_view EmbeddedPackBytes() {
    const QResource resource(QStringLiteral(":/orbisk/resources.pack"));
    if (!resource.isValid() || resource.data() == nullptr) {
        throw PackError("the program holds no resource pack");
    }
    if (resource.compressionAlgorithm() != QResource::NoCompression) {
        throw PackError("the program holds its resource pack compressed; it must be stored as it is");
    }
    // The resource lies in the program's read-only data for as long as it runs.
    return {reinterpret_cast<const char*>(resource.data()), static_cast<std::size_t>(resource.size())};
}

std::string_view EmbeddedPrintingModule() {
    const QResource resource(QStringLiteral(":/orbisk/printing.so"));
    if (!resource.isValid() || resource.data() == nullptr ||
        resource.compressionAlgorithm() != QResource::NoCompression) {
        return {};
    }
    return {reinterpret_cast<const char*>(resource.data()), static_cast<std::size_t>(resource.size())};
}

} // namespace orbisk::app
