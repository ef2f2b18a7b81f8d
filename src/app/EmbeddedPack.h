#pragma once

#include <string_view>

namespace orbisk::app {

/// The resource pack built into the program: every picture, page, table and template.
std::string_view EmbeddedPackBytes();

} // namespace orbisk::app
