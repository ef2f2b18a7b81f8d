#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orbisk::bankc {

/// Exit codes of bankc.
inline constexpr int kCompiled = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsage = 2;
inline constexpr int kFailed = 3; ///< the compiler itself failed; a fault to report

/// Runs bankc with its arguments (without the program name):
///   BANK_DIR OUT_DIR [--skin SKIN_DIR]   compile the bank and the skin
///   inspect FILE.mht                     show a page archive's parts and HTML
/// Without --skin the skin is taken from BANK_DIR/../assets/skin. Refusals go
/// to @p err as "file:line: message"; nothing is written unless all is sound.
/// Never throws: every failure ends in a message and a non-zero exit code.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace orbisk::bankc
