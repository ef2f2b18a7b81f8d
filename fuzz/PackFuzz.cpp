// The resource pack and the picture-header check on any bytes: a pack is read
// or refused with a PackError, every resource it gives lies inside it, and the
// header checks (skin pictures and page pictures) read any resource without fault.
#include "FuzzSupport.h"
#include "core/Errors.h"
#include "core/formats/PictureHeader.h"
#include "core/formats/ResourcePack.h"
#include "core/product/SkinTable.h"

namespace {

void checkPictures(std::string_view bytes) {
    orbisk::skin::ReadPictureHeader(bytes);
    orbisk::skin::ReadPageImageSize(bytes);
    for (const orbisk::skin::SkinPicture& picture : orbisk::skin::SkinPictures()) {
        orbisk::skin::MatchesTable(bytes, picture);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = orbisk::fuzzing::AsText(data, size);
    checkPictures(bytes);
    try {
        const orbisk::ResourcePack pack(bytes);
        for (const int id : pack.Ids()) {
            const auto resource = pack.Find(id);
            if (!resource || resource->data() < bytes.data() ||
                resource->data() + resource->size() > bytes.data() + bytes.size()) {
                orbisk::fuzzing::Broken("resource " + std::to_string(id) + " lies outside the pack");
            }
            checkPictures(*resource);
        }
        pack.Find(-1);
        pack.Find(30000);
    } catch (const orbisk::PackError&) {
    }
    return 0;
}
