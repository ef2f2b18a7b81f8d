#include "core/formats/mht/Detail.h"

namespace orbisk::mht::detail {

// The position where the body starts: just after the first empty line (CR LF or LF).
// Returns npos when the block has no empty line.
std::size_t headerEnd(std::string_view entity) {
    std::size_t at = 0;
    while (at <= entity.size()) {
        const std::size_t lineEnd = entity.find('\n', at);
        const std::string_view line =
            entity.substr(at, lineEnd == std::string_view::npos ? std::string_view::npos : lineEnd - at);
        if (line.empty() || line == "\r") {
            return lineEnd == std::string_view::npos ? entity.size() : lineEnd + 1;
        }
        if (lineEnd == std::string_view::npos) {
            return std::string_view::npos;
        }
        at = lineEnd + 1;
    }
    return std::string_view::npos;
}

Headers parseHeaders(std::string_view block) {
    Headers headers;
    std::string name;
    std::string value;
    auto flush = [&] {
        if (!name.empty()) {
            headers.emplace(lowered(trim(name)), std::string(trim(value)));
        }
        name.clear();
        value.clear();
    };
    std::size_t at = 0;
    while (at < block.size()) {
        std::size_t end = block.find('\n', at);
        if (end == std::string_view::npos) {
            end = block.size();
        }
        std::string_view line = block.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        at = end + 1;
        if (line.empty()) {
            continue;
        }
        if (line.front() == ' ' || line.front() == '\t') {
            if (!name.empty()) {
                value += ' ';
                value += trim(line);
            }
            continue;
        }
        flush();
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            continue; // not a header field; ignored as mail readers do
        }
        name = std::string(line.substr(0, colon));
        value = std::string(line.substr(colon + 1));
    }
    flush();
    return headers;
}

std::string header(const Headers& headers, std::string_view name) {
    const auto it = headers.find(std::string(name));
    return it == headers.end() ? std::string() : it->second;
}

ContentType parseContentType(std::string_view value) {
    ContentType result;
    const std::size_t semicolon = value.find(';');
    const std::string_view type = trim(value.substr(0, semicolon));
    if (!type.empty()) {
        result.type = lowered(type);
    }
    std::size_t at = semicolon == std::string_view::npos ? value.size() : semicolon + 1;
    while (at < value.size()) {
        while (at < value.size() && (value[at] == ' ' || value[at] == '\t' || value[at] == ';')) {
            ++at;
        }
        const std::size_t equals = value.find('=', at);
        if (equals == std::string_view::npos) {
            break;
        }
        const std::string name = lowered(trim(value.substr(at, equals - at)));
        at = equals + 1;
        while (at < value.size() && (value[at] == ' ' || value[at] == '\t')) {
            ++at;
        }
        std::string parameter;
        if (at < value.size() && value[at] == '"') {
            ++at;
            while (at < value.size() && value[at] != '"') {
                if (value[at] == '\\' && at + 1 < value.size()) {
                    ++at;
                }
                parameter += value[at++];
            }
            ++at; // the closing quote
        } else {
            const std::size_t end = value.find(';', at);
            parameter = std::string(trim(value.substr(at, end == std::string_view::npos ? end : end - at)));
            at = end == std::string_view::npos ? value.size() : end;
        }
        if (!name.empty()) {
            result.parameters.emplace(name, parameter);
        }
    }
    return result;
}

std::string stripBrackets(std::string_view id) {
    id = trim(id);
    if (id.size() >= 2 && id.front() == '<' && id.back() == '>') {
        id = id.substr(1, id.size() - 2);
    }
    return std::string(trim(id));
}

} // namespace orbisk::mht::detail
