// The page-archive reader on any bytes: it reads them or refuses them with an
// MhtError, and what it reads can be asked for its page and pictures.
#include "FuzzSupport.h"
#include "core/formats/mht/Mht.h"

namespace {

using orbisk::MhtError;
namespace mht = orbisk::mht;

void readArchive(std::string_view bytes) {
    try {
        const mht::Archive archive = mht::Read(bytes);
        if (archive.parts.empty() || archive.root >= archive.parts.size()) {
            orbisk::fuzzing::Broken("an archive was read without a page");
        }
        archive.RootText();
        for (const mht::Part& part : archive.parts) {
            archive.Resolve(part.location);
            archive.Resolve("cid:" + part.contentId);
            archive.Resolve(part.resolvedLocation);
        }
    } catch (const MhtError&) {
    }
}

// The decoders and the reference resolution on their own, on the input's two halves.
void decodeParts(std::string_view bytes) {
    mht::DecodeQuotedPrintable(bytes);
    try {
        mht::DecodeBase64(bytes);
    } catch (const MhtError&) {
    }
    const std::size_t half = bytes.find('\n');
    const std::string_view base = bytes.substr(0, half);
    const std::string_view reference =
        half == std::string_view::npos ? std::string_view() : bytes.substr(half + 1);
    mht::ResolveReference(base, reference);
    for (const char* charset : {"utf-8", "iso-8859-1", "windows-1252", "us-ascii"}) {
        mht::ToUtf8(bytes, charset);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = orbisk::fuzzing::AsText(data, size);
    readArchive(bytes);
    decodeParts(bytes);
    return 0;
}
