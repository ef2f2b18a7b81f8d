#pragma once

#include <string_view>

namespace orbisk::app {

/// The resource pack built into the program: every picture, page, table and
/// template. It is carried as one uncompressed Qt resource and read in place.
/// @throws PackError when the program holds no pack or holds it compressed.
std::string_view EmbeddedPackBytes();

/// The printing module built into the program (gui/print/PrintingModule.h),
/// stored as it is; empty when the program holds none.
std::string_view EmbeddedPrintingModule();

} // namespace orbisk::app
