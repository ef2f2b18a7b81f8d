#include "core/desktop/DesktopEntry.h"

namespace orbisk::desktop {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find(separator, start);
        parts.push_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

void addApplications(std::vector<std::filesystem::path>& folders, std::string_view folder) {
    const std::filesystem::path path{std::string(folder)};
    if (!folder.empty() && path.is_absolute()) {
        folders.push_back(path / "applications");
    }
}

std::string unescapeValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default: // not a value escape: left for the Exec quoting rules
            out += '\\';
            out += value[i];
            break;
        }
    }
    return out;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool escapableInQuotes(char c) {
    return c == '"' || c == '`' || c == '$' || c == '\\';
}

} // namespace

std::vector<std::filesystem::path> ApplicationFolders(std::string_view dataHome, std::string_view dataDirs,
                                                      std::string_view home) {
    std::vector<std::filesystem::path> folders;
    if (!dataHome.empty() && std::filesystem::path(std::string(dataHome)).is_absolute()) {
        addApplications(folders, dataHome);
    } else if (!home.empty()) {
        addApplications(folders, (std::filesystem::path(std::string(home)) / ".local/share").string());
    }
    const std::string_view dirs =
        dataDirs.empty() ? std::string_view("/usr/local/share:/usr/share") : dataDirs;
    for (const std::string_view dir : split(dirs, ':')) {
        addApplications(folders, dir);
    }
    return folders;
}

std::vector<std::string> DesktopIds(std::string_view answer) {
    std::vector<std::string> ids;
    for (const std::string_view part : split(answer, ';')) {
        const std::string_view id = trim(part);
        if (id.size() > std::string_view(".desktop").size() && id.ends_with(".desktop")) {
            ids.emplace_back(id);
        }
    }
    return ids;
}

std::vector<std::filesystem::path> DesktopFileCandidates(const std::filesystem::path& folder,
                                                         std::string_view id) {
    std::vector<std::filesystem::path> candidates;
    if (id.empty() || id.find('/') != std::string_view::npos || id.find("..") != std::string_view::npos) {
        return candidates;
    }
    candidates.push_back(folder / std::string(id));
    // Each "-" may stand for one folder level, from the left.
    std::string name(id);
    for (std::size_t dash = name.find('-'); dash != std::string::npos; dash = name.find('-', dash + 1)) {
        name[dash] = '/';
        candidates.push_back(folder / name);
    }
    return candidates;
}

std::optional<std::string> ExecLine(std::string_view desktopFile) {
    bool inEntry = false;
    for (std::string_view line : split(desktopFile, '\n')) {
        line = trim(line);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntry) {
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || trim(line.substr(0, equals)) != "Exec") {
            continue;
        }
        const std::string value = unescapeValue(trim(line.substr(equals + 1)));
        if (trim(value).empty()) {
            return std::nullopt;
        }
        return value;
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> ExpandExecLine(std::string_view exec, std::string_view address) {
    std::vector<std::string> arguments;
    std::string current;
    bool hasArgument = false; // an empty quoted argument ("") is still one
    bool quoted = false;
    bool addressPlaced = false;
    auto finish = [&] {
        if (hasArgument) {
            arguments.push_back(current);
        }
        current.clear();
        hasArgument = false;
    };
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '%' && i + 1 < exec.size()) {
            const char code = exec[++i];
            if (code == '%') {
                current += '%';
                hasArgument = true;
            } else if (code == 'u' || code == 'U' || code == 'f' || code == 'F') {
                current.append(address);
                hasArgument = true;
                addressPlaced = true;
            }
            continue; // any other code stands for nothing here
        }
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size() && escapableInQuotes(exec[i + 1])) {
                current += exec[++i];
            } else {
                current += c;
            }
        } else if (c == '"') {
            quoted = true;
            hasArgument = true;
        } else if (isBlank(c)) {
            finish();
        } else if (c != '%') { // a lone "%" at the end is no code and no text
            current += c;
            hasArgument = true;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    finish();
    if (arguments.empty() || arguments.front().empty()) {
        return std::nullopt;
    }
    if (!addressPlaced) {
        arguments.emplace_back(address);
    }
    return arguments;
}

} // namespace orbisk::desktop
