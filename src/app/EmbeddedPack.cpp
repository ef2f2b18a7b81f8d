#include "EmbeddedPack.h"

// The pack is assembled into the program's read-only data as it is, byte for
// byte; the build rebuilds this file whenever the pack changes.
__asm__(".section .rodata.orbisk_pack,\"a\",@progbits\n"
        ".balign 16\n"
        ".global orbisk_pack_begin\n"
        "orbisk_pack_begin:\n"
        ".incbin \"" ORBISK_PACK_PATH "\"\n"
        ".global orbisk_pack_end\n"
        "orbisk_pack_end:\n"
        ".byte 0\n"
        ".previous\n");

extern "C" const char orbisk_pack_begin[];
extern "C" const char orbisk_pack_end[];

namespace orbisk::app {

std::string_view EmbeddedPackBytes() {
    return {orbisk_pack_begin, static_cast<std::size_t>(orbisk_pack_end - orbisk_pack_begin)};
}

} // namespace orbisk::app
