#pragma once

#include "core/Errors.h"

#include <string>
#include <string_view>
#include <vector>

/// Web archives (MHT, RFC 2557 multipart/related): one question page with the
/// pictures it shows. The reader takes what browsers and mail programs write;
/// the writer makes the program's own pages.
namespace orbisk::mht {

/// One part of an archive, its body decoded.
struct Part {
    std::string contentType;      ///< lower case, e.g. "text/html"; "text/plain" when none is given
    std::string charset;          ///< lower case, from the Content-Type; empty when none is given
    std::string location;         ///< Content-Location as written
    std::string resolvedLocation; ///< Content-Location made absolute against the archive's base
    std::string contentId;        ///< Content-ID without its angle brackets
    std::string body;             ///< the decoded bytes
};

struct Archive {
    std::vector<Part> parts;  ///< every part, nested multiparts flattened, in order
    std::size_t root = 0;     ///< the page: the "start" part, else the first HTML part
    std::string baseLocation; ///< the archive's own Content-Location, resolved

    const Part& Root() const { return parts[root]; }

    /// The part a reference in the page names: "cid:" references by Content-ID,
    /// anything else by Content-Location, relative references resolved against
    /// the page's location. nullptr when the archive holds no such part.
    const Part* Resolve(std::string_view reference) const;

    /// The page's text converted to UTF-8 from its declared character set.
    std::string RootText() const;
};

/// Reads an archive. @throws MhtError when it is damaged.
Archive Read(std::string_view bytes);

/// A picture or other resource to put into an archive.
struct OutPart {
    std::string contentType;
    std::string location;  ///< Content-Location (absolute), or empty
    std::string contentId; ///< Content-ID without brackets, or empty
    std::string body;
};

/// Writes an archive whose first part is @p html (UTF-8, quoted-printable,
/// at @p htmlLocation), followed by @p resources in base64. Lines end in CR LF.
std::string Write(std::string_view subject, std::string_view htmlLocation, std::string_view html,
                  const std::vector<OutPart>& resources);

/// @p bytes in @p charset (UTF-8, ISO-8859-1, US-ASCII or Windows-1252; others
/// are read as UTF-8) as UTF-8, malformed sequences replaced by U+FFFD.
std::string ToUtf8(std::string_view bytes, std::string_view charset);

std::string EncodeBase64(std::string_view bytes);
/// @throws MhtError for characters outside base64 or a body cut short.
std::string DecodeBase64(std::string_view text);
std::string EncodeQuotedPrintable(std::string_view bytes);
std::string DecodeQuotedPrintable(std::string_view text);

/// @p reference made absolute against @p base (RFC 3986, dot segments removed).
std::string ResolveReference(std::string_view base, std::string_view reference);

/// The reference of a picture's twin: the same picture with twice the pixels
/// each way, which a page may carry beside it for screens with a device pixel
/// ratio above 1. "@2x" goes before the extension of the last path segment
/// ("product.png" -> "product@2x.png"); a "cid:" reference's twin has "-2x"
/// at the end of the Content-ID's local part ("cid:picture15001@orbisk.example"
/// -> "cid:picture15001-2x@orbisk.example"). A query or fragment is kept.
std::string TwinReference(std::string_view reference);

} // namespace orbisk::mht
