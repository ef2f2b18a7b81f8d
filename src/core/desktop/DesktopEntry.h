#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// How a Linux desktop says which program opens a kind of file: desktop entry
/// files ("firefox.desktop") found in the applications folders of the XDG data
/// folders, whose Exec line is the command to run. Pure text and path work;
/// asking the desktop and starting the program are the caller's.
namespace orbisk::desktop {

/// The folders that hold desktop entries, most important first:
/// @p dataHome + "/applications" (when empty or relative, @p home +
/// "/.local/share" is used; without a home it is skipped), then each folder of
/// the colon-separated @p dataDirs + "/applications" (when empty,
/// "/usr/local/share:/usr/share"). Relative folders are ignored.
std::vector<std::filesystem::path> ApplicationFolders(std::string_view dataHome, std::string_view dataDirs,
                                                      std::string_view home);

/// The desktop entry ids in what `xdg-mime query default` printed: one id or
/// several separated by ";", with surrounding blanks and line ends removed.
/// Entries that do not end in ".desktop" are dropped.
std::vector<std::string> DesktopIds(std::string_view answer);

/// Where entry @p id may be found under one applications folder: the file of
/// that name, then for each "-" in the id the name with it taken as a folder
/// separator ("kde4-browser.desktop" may be "kde4/browser.desktop"). An id
/// holding "/" or ".." gives nothing.
std::vector<std::filesystem::path> DesktopFileCandidates(const std::filesystem::path& folder,
                                                         std::string_view id);

/// The Exec value of the file's "[Desktop Entry]" group, with the value
/// escapes (\\s, \\n, \\t, \\r, \\\\) undone; empty when the group or the key is
/// missing or the value is blank.
std::optional<std::string> ExecLine(std::string_view desktopFile);

/// The command an Exec line runs for one address: the program first, then its
/// arguments. Arguments are separated by blanks; a double-quoted argument may
/// hold blanks, and inside it a backslash keeps the next `"`, `` ` ``, `$` or
/// `\` as it is. Field codes: %u, %U, %f and %F become @p address; %% is one
/// "%"; every other code (%i, %c, %k, the old %d %D %n %N %v %m) is dropped, and
/// an argument that held nothing else goes with it. A line without %u, %U, %f
/// or %F gets @p address as its last argument.
/// @return nothing when the line is blank or a quote is not closed.
std::optional<std::vector<std::string>> ExpandExecLine(std::string_view exec, std::string_view address);

} // namespace orbisk::desktop
