#include "core/formats/mht/Detail.h"
#include "core/formats/mht/Mht.h"

#include <optional>

namespace orbisk::mht {

using namespace detail;

namespace {

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

} // namespace

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

} // namespace orbisk::mht
