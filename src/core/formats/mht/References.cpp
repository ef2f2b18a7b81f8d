#include "core/formats/mht/Detail.h"
#include "core/formats/mht/Mht.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace orbisk::mht {

using namespace detail;

namespace {

struct Url {
    std::string scheme; // with its ':', or empty
    std::optional<std::string> authority;
    std::string path;
    std::string query; // with its '?', or empty
};

bool hasScheme(std::string_view text) {
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text.front()))) {
        return false;
    }
    for (const char c : text) {
        if (c == ':') {
            return true;
        }
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return false;
}

Url parseUrl(std::string_view text) {
    Url url;
    if (hasScheme(text)) {
        const std::size_t colon = text.find(':');
        url.scheme = lowered(text.substr(0, colon + 1));
        text.remove_prefix(colon + 1);
    }
    if (text.substr(0, 2) == "//") {
        text.remove_prefix(2);
        const std::size_t slash = text.find_first_of("/?");
        url.authority = std::string(text.substr(0, slash));
        text = slash == std::string_view::npos ? std::string_view{} : text.substr(slash);
    }
    const std::size_t question = text.find('?');
    url.path = std::string(text.substr(0, question));
    if (question != std::string_view::npos) {
        url.query = std::string(text.substr(question));
    }
    return url;
}

std::string removeDotSegments(std::string_view path) {
    std::vector<std::string_view> segments;
    const bool absolute = !path.empty() && path.front() == '/';
    std::size_t at = absolute ? 1 : 0;
    bool trailingSlash = false;
    while (at <= path.size()) {
        const std::size_t slash = path.find('/', at);
        const std::string_view segment =
            path.substr(at, slash == std::string_view::npos ? std::string_view::npos : slash - at);
        trailingSlash = false;
        if (segment == "..") {
            if (!segments.empty()) {
                segments.pop_back();
            }
            trailingSlash = true;
        } else if (segment == ".") {
            trailingSlash = true;
        } else {
            segments.push_back(segment);
        }
        if (slash == std::string_view::npos) {
            break;
        }
        at = slash + 1;
    }
    std::string out = absolute ? "/" : "";
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (i > 0) {
            out += '/';
        }
        out += segments[i];
    }
    if (trailingSlash && !out.empty() && out.back() != '/') {
        out += '/';
    }
    return out;
}

std::string compose(const Url& url) {
    std::string out = url.scheme;
    if (url.authority) {
        out += "//" + *url.authority;
    }
    return out + url.path + url.query;
}

} // namespace

std::string ResolveReference(std::string_view base, std::string_view reference) {
    const Url ref = parseUrl(reference);
    if (!ref.scheme.empty()) {
        Url out = ref;
        out.path = removeDotSegments(ref.path);
        return compose(out);
    }
    const Url from = parseUrl(base);
    Url out;
    out.scheme = from.scheme;
    if (ref.authority) {
        out.authority = ref.authority;
        out.path = removeDotSegments(ref.path);
        out.query = ref.query;
        return compose(out);
    }
    out.authority = from.authority;
    if (ref.path.empty()) {
        out.path = from.path;
        out.query = ref.query.empty() ? from.query : ref.query;
        return compose(out);
    }
    if (ref.path.front() == '/') {
        out.path = removeDotSegments(ref.path);
    } else {
        std::string merged;
        if (from.authority && from.path.empty()) {
            merged = "/" + ref.path;
        } else {
            const std::size_t slash = from.path.rfind('/');
            merged = (slash == std::string::npos ? std::string() : from.path.substr(0, slash + 1)) + ref.path;
        }
        out.path = removeDotSegments(merged);
    }
    out.query = ref.query;
    return compose(out);
}

std::string TwinReference(std::string_view reference) {
    std::string out(reference);
    if (reference.size() >= 4 && (reference.substr(0, 4) == "cid:" || reference.substr(0, 4) == "CID:")) {
        const std::size_t at = out.rfind('@');
        out.insert(at == std::string::npos || at < 4 ? out.size() : at, "-2x");
        return out;
    }
    const std::size_t end = std::min(out.find('?'), out.find('#'));
    const std::size_t segment = out.rfind('/', end == std::string::npos ? std::string::npos : end - 1);
    const std::size_t start = segment == std::string::npos ? 0 : segment + 1;
    const std::size_t stop = end == std::string::npos ? out.size() : end;
    const std::size_t dot = out.rfind('.', stop == 0 ? 0 : stop - 1);
    out.insert(dot != std::string::npos && dot >= start ? dot : stop, "@2x");
    return out;
}

} // namespace orbisk::mht
