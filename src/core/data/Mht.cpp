#include "data/Mht.h"

#include "data/TextForms.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>

namespace orbisk::mht {

namespace {

constexpr int kMaxNesting = 8;

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), text::LowerAscii);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return text::LowerAscii(x) == text::LowerAscii(y);
           });
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// --- header blocks ------------------------------------------------------------

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

using Headers = std::multimap<std::string, std::string>; // lower-case name -> unfolded value

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

struct ContentType {
    std::string type = "text/plain";
    std::map<std::string, std::string> parameters; // lower-case names
};

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

// The byte an escape such as "%41" or "=41" at @p at writes, when its two hex digits follow.
std::optional<char> escapedByte(std::string_view text, std::size_t at) {
    if (at + 2 >= text.size()) {
        return std::nullopt;
    }
    const int high = hexValue(text[at + 1]);
    const int low = hexValue(text[at + 2]);
    if (high < 0 || low < 0) {
        return std::nullopt;
    }
    return static_cast<char>(high * 16 + low);
}

std::string percentDecode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            if (const auto byte = escapedByte(text, i)) {
                out += *byte;
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// --- multipart bodies -----------------------------------------------------------

// The parts of a multipart body, each as its raw entity (headers and body).
std::vector<std::string_view> splitMultipart(std::string_view body, std::string_view boundary) {
    if (boundary.empty() || boundary.size() > 200) {
        throw MhtError("the archive's boundary is missing or too long");
    }
    const std::string delimiter = "--" + std::string(boundary);
    std::vector<std::string_view> parts;
    std::optional<std::size_t> partStart;
    std::size_t at = 0;
    bool closed = false;
    while (at < body.size()) {
        std::size_t end = body.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? body.size() : end + 1;
        if (end == std::string_view::npos) {
            end = body.size();
        }
        std::string_view line = body.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.size() >= delimiter.size() && line.substr(0, delimiter.size()) == delimiter) {
            std::string_view rest = line.substr(delimiter.size());
            const bool closing = rest.size() >= 2 && rest.substr(0, 2) == "--";
            if (closing) {
                rest.remove_prefix(2);
            }
            if (trim(rest).empty()) {
                if (partStart) {
                    // The line break before a delimiter belongs to the delimiter.
                    std::size_t partEnd = at;
                    if (partEnd > *partStart && body[partEnd - 1] == '\n') {
                        --partEnd;
                        if (partEnd > *partStart && body[partEnd - 1] == '\r') {
                            --partEnd;
                        }
                    }
                    parts.push_back(body.substr(*partStart, partEnd - *partStart));
                }
                if (closing) {
                    closed = true;
                    break;
                }
                partStart = next;
            }
        }
        at = next;
    }
    if (!partStart) {
        throw MhtError("the archive holds no parts");
    }
    if (!closed) {
        throw MhtError("the archive ends inside a part (its closing boundary is missing)");
    }
    return parts;
}

std::string decodeBody(std::string_view body, std::string_view encoding) {
    const std::string name = lowered(trim(encoding));
    if (name.empty() || name == "7bit" || name == "8bit" || name == "binary") {
        return std::string(body);
    }
    if (name == "base64") {
        return DecodeBase64(body);
    }
    if (name == "quoted-printable") {
        return DecodeQuotedPrintable(body);
    }
    throw MhtError("a part has the unknown transfer encoding \"" + std::string(trim(encoding)) + "\"");
}

struct Reader {
    Archive archive;
    std::optional<std::string> startId;

    void readEntity(std::string_view entity, int depth, std::string_view base) {
        if (depth > kMaxNesting) {
            throw MhtError("the archive nests parts too deeply");
        }
        const std::size_t split = headerEnd(entity);
        if (split == std::string_view::npos) {
            throw MhtError("a part ends inside its headers");
        }
        const Headers headers = parseHeaders(entity.substr(0, split));
        const std::string_view body = entity.substr(split);
        const ContentType type = parseContentType(header(headers, "content-type"));
        const std::string location = header(headers, "content-location");
        const std::string ownBase = location.empty() ? std::string(base) : ResolveReference(base, location);
        if (type.type.rfind("multipart/", 0) == 0) {
            const auto boundary = type.parameters.find("boundary");
            if (boundary == type.parameters.end()) {
                throw MhtError("a multipart part has no boundary");
            }
            if (depth == 0) {
                archive.baseLocation = ownBase;
                if (const auto start = type.parameters.find("start"); start != type.parameters.end()) {
                    startId = stripBrackets(start->second);
                }
            }
            for (const std::string_view part : splitMultipart(body, boundary->second)) {
                readEntity(part, depth + 1, ownBase);
            }
            return;
        }
        Part part;
        part.contentType = type.type;
        if (const auto charset = type.parameters.find("charset"); charset != type.parameters.end()) {
            part.charset = lowered(trim(charset->second));
        }
        part.location = location;
        part.resolvedLocation = location.empty() ? std::string() : ResolveReference(base, location);
        part.contentId = stripBrackets(header(headers, "content-id"));
        part.body = decodeBody(body, header(headers, "content-transfer-encoding"));
        archive.parts.push_back(std::move(part));
    }
};

// --- references -----------------------------------------------------------------

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

constexpr std::array<std::uint16_t, 32> kWindows1252{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string cleanUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        std::uint32_t code = 0;
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            length = 2;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            code = c & 0x07;
        }
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (valid && code >= smallest && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
            out.append(bytes.substr(i, static_cast<std::size_t>(length)));
            i += static_cast<std::size_t>(length);
        } else {
            appendUtf8(out, 0xFFFD);
            ++i;
        }
    }
    return out;
}

} // namespace

// --- public operations --------------------------------------------------------------

Archive Read(std::string_view bytes) {
    if (trim(bytes).empty()) {
        throw MhtError("the archive is empty");
    }
    Reader reader;
    reader.readEntity(bytes, 0, "");
    Archive& archive = reader.archive;
    if (archive.parts.empty()) {
        throw MhtError("the archive holds no parts");
    }
    std::optional<std::size_t> root;
    if (reader.startId) {
        for (std::size_t i = 0; i < archive.parts.size(); ++i) {
            if (archive.parts[i].contentId == *reader.startId) {
                root = i;
                break;
            }
        }
    }
    for (std::size_t i = 0; !root && i < archive.parts.size(); ++i) {
        if (archive.parts[i].contentType == "text/html") {
            root = i;
        }
    }
    archive.root = root.value_or(0);
    return std::move(reader.archive);
}

const Part* Archive::Resolve(std::string_view reference) const {
    reference = trim(reference);
    if (const std::size_t hash = reference.find('#'); hash != std::string_view::npos) {
        reference = reference.substr(0, hash);
    }
    if (reference.empty()) {
        return nullptr;
    }
    if (startsWithNoCase(reference, "cid:")) {
        const std::string id = percentDecode(reference.substr(4));
        for (const Part& part : parts) {
            if (!part.contentId.empty() && part.contentId == id) {
                return &part;
            }
        }
        return nullptr;
    }
    const Part& page = Root();
    const std::string base = page.resolvedLocation.empty() ? baseLocation : page.resolvedLocation;
    const std::string target = ResolveReference(base, reference);
    for (const Part& part : parts) {
        if (!part.resolvedLocation.empty() && part.resolvedLocation == target) {
            return &part;
        }
    }
    for (const Part& part : parts) {
        if (!part.location.empty() && part.location == reference) {
            return &part;
        }
    }
    return nullptr;
}

std::string Archive::RootText() const {
    return ToUtf8(Root().body, Root().charset);
}

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

std::string ToUtf8(std::string_view bytes, std::string_view charset) {
    const std::string name = lowered(trim(charset));
    if (name == "iso-8859-1" || name == "iso8859-1" || name == "iso_8859-1" || name == "latin1" ||
        name == "latin-1" || name == "l1" || name == "us-ascii" || name == "ascii" ||
        name == "windows-1252" || name == "cp1252") {
        const bool windows = name == "windows-1252" || name == "cp1252";
        std::string out;
        out.reserve(bytes.size());
        for (const char byte : bytes) {
            const auto c = static_cast<unsigned char>(byte);
            std::uint32_t code = c;
            if (windows && c >= 0x80 && c < 0xA0) {
                code = kWindows1252[c - 0x80];
            } else if ((name == "us-ascii" || name == "ascii") && c >= 0x80) {
                code = 0xFFFD;
            }
            appendUtf8(out, code);
        }
        return out;
    }
    return cleanUtf8(bytes);
}

std::string EncodeBase64(std::string_view bytes) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t column = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::uint32_t a = static_cast<unsigned char>(bytes[i]);
        const std::uint32_t b = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        const std::uint32_t c = i + 2 < bytes.size() ? static_cast<unsigned char>(bytes[i + 2]) : 0;
        const std::uint32_t triple = (a << 16) | (b << 8) | c;
        out += kAlphabet[(triple >> 18) & 0x3F];
        out += kAlphabet[(triple >> 12) & 0x3F];
        out += i + 1 < bytes.size() ? kAlphabet[(triple >> 6) & 0x3F] : '=';
        out += i + 2 < bytes.size() ? kAlphabet[triple & 0x3F] : '=';
        column += 4;
        if (column >= 76 && i + 3 < bytes.size()) {
            out += "\r\n";
            column = 0;
        }
    }
    return out;
}

std::string DecodeBase64(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3 / 4);
    std::uint32_t buffer = 0;
    int bits = 0;
    int count = 0;
    bool ended = false;
    for (const char c : text) {
        int value = -1;
        if (c >= 'A' && c <= 'Z') {
            value = c - 'A';
        } else if (c >= 'a' && c <= 'z') {
            value = c - 'a' + 26;
        } else if (c >= '0' && c <= '9') {
            value = c - '0' + 52;
        } else if (c == '+') {
            value = 62;
        } else if (c == '/') {
            value = 63;
        } else if (c == '=') {
            ended = true;
            continue;
        } else if (c == '\r' || c == '\n' || c == ' ' || c == '\t') {
            continue;
        } else {
            throw MhtError("a base64 body holds a character that is not base64");
        }
        if (ended) {
            throw MhtError("a base64 body goes on after its padding");
        }
        buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
        bits += 6;
        ++count;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    if (count % 4 == 1) {
        throw MhtError("a base64 body is cut short");
    }
    return out;
}

std::string EncodeQuotedPrintable(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t column = 0;
    auto put = [&](std::string_view piece) {
        if (column + piece.size() > 75) {
            out += "=\r\n";
            column = 0;
        }
        out += piece;
        column += piece.size();
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n' || (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
            if (c == '\r') {
                ++i;
            }
            out += "\r\n";
            column = 0;
            continue;
        }
        const bool lineEnd = i + 1 == bytes.size() || bytes[i + 1] == '\n' || bytes[i + 1] == '\r';
        const bool plain = (c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !lineEnd);
        if (plain) {
            const char one[1] = {static_cast<char>(c)};
            put(std::string_view(one, 1));
        } else {
            const char escaped[3] = {'=', kHex[c >> 4], kHex[c & 0x0F]};
            put(std::string_view(escaped, 3));
        }
    }
    return out;
}

std::string DecodeQuotedPrintable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '=') {
            out += c;
            continue;
        }
        // A soft line break: "=" then optional spaces and the line end.
        std::size_t j = i + 1;
        while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) {
            ++j;
        }
        if (j == text.size()) {
            i = j;
            continue;
        }
        if (text[j] == '\n' || (text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n')) {
            i = text[j] == '\r' ? j + 1 : j;
            continue;
        }
        if (const auto byte = escapedByte(text, i)) {
            out += *byte;
            i += 2;
            continue;
        }
        out += '='; // not an escape: kept as written
    }
    return out;
}

std::string Write(std::string_view subject, std::string_view htmlLocation, std::string_view html,
                  const std::vector<OutPart>& resources) {
    const std::string boundary =
        "----=_OrbiskPage_" + std::to_string(html.size()) + "_" + std::to_string(resources.size());
    std::string out;
    out += "From: <Saved by Orbisk>\r\n";
    out += "Subject: " + std::string(subject) + "\r\n";
    out += "MIME-Version: 1.0\r\n";
    out += "Content-Type: multipart/related;\r\n\ttype=\"text/html\";\r\n\tboundary=\"" + boundary + "\"\r\n";
    out += "\r\nThis is a multi-part message in MIME format.\r\n\r\n";
    out += "--" + boundary + "\r\n";
    out += "Content-Type: text/html; charset=\"utf-8\"\r\n";
    out += "Content-Transfer-Encoding: quoted-printable\r\n";
    out += "Content-Location: " + std::string(htmlLocation) + "\r\n\r\n";
    out += EncodeQuotedPrintable(html);
    if (out.size() < 2 || out.compare(out.size() - 2, 2, "\r\n") != 0) {
        out += "\r\n";
    }
    for (const OutPart& part : resources) {
        out += "--" + boundary + "\r\n";
        out += "Content-Type: " + part.contentType + "\r\n";
        out += "Content-Transfer-Encoding: base64\r\n";
        if (!part.location.empty()) {
            out += "Content-Location: " + part.location + "\r\n";
        }
        if (!part.contentId.empty()) {
            out += "Content-ID: <" + part.contentId + ">\r\n";
        }
        out += "\r\n" + EncodeBase64(part.body) + "\r\n";
    }
    out += "--" + boundary + "--\r\n";
    return out;
}

} // namespace orbisk::mht
