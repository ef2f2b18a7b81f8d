#include "core/formats/Extract.h"

#include "core/Errors.h"
#include "core/io/FileIO.h"

#include <cerrno>

namespace orbisk {

int ExtractResource(const ResourceSource& source, int id, std::string_view type,
                    const std::filesystem::path& path, files::Sync sync) noexcept {
    try {
        if (type != "Custom") {
            return EINVAL;
        }
        const auto bytes = source.Find(id);
        if (!bytes) {
            return ENOENT;
        }
        files::WriteFileAtomically(path, *bytes, sync);
        return 0;
    } catch (const WriteError& error) {
        return error.code() != 0 ? error.code() : EIO;
    } catch (...) {
        return EIO;
    }
}

} // namespace orbisk
