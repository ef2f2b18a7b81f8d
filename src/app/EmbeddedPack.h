#pragma once

#include "core/formats/ResourcePack.h"
#include "core/formats/ResourceSource.h"
#include "core/io/ReadOnlyPages.h"

#include <QTimer>
#include <string_view>

namespace orbisk::app {

/// The resource pack built into the program: every picture, page, table and
/// template. It is carried as one uncompressed Qt resource and read in place.
/// @throws PackError when the program holds no pack or holds it compressed.
std::string_view EmbeddedPackBytes();

/// The embedded pack as the windows read it. A resource is read in place, and
/// once none has been asked for for a second, the pages of the pack that the
/// reads brought in are given back (files::ReadOnlyPages): a program left on
/// a question holds none of them until it reads the pack again.
class EmbeddedPackSource final : public ResourceSource {
public:
    /// @throws PackError when the program holds no sound pack.
    EmbeddedPackSource();

    std::optional<std::string_view> Find(int id) const override;

private:
    explicit EmbeddedPackSource(std::string_view bytes);

    ResourcePack m_pack;
    files::ReadOnlyPages m_pages;
    mutable QTimer m_idle; // started again by every read
};

/// The printing module built into the program (gui/print/PrintingModule.h),
/// stored as it is; empty when the program holds none.
std::string_view EmbeddedPrintingModule();

} // namespace orbisk::app
