#include "core/formats/ResourcePack.h"

#include "core/formats/LittleEndian.h"

#include <algorithm>

namespace orbisk {

namespace {

constexpr std::string_view kSignature = "ORBKPACK";
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kEntrySize = 24;

} // namespace

ResourcePack::ResourcePack(std::string_view bytes) {
    if (bytes.size() < kHeaderSize || bytes.substr(0, kSignature.size()) != kSignature) {
        throw PackError("not a resource pack (no signature)");
    }
    if (endian::ReadLittle(bytes, 8, 4) != kVersion) {
        throw PackError("resource pack of an unknown version");
    }
    const std::uint64_t count = endian::ReadLittle(bytes, 12, 4);
    if (count > (bytes.size() - kHeaderSize) / kEntrySize) {
        throw PackError("the resource table runs past the end of the pack");
    }
    m_entries.reserve(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeaderSize + i * kEntrySize;
        const std::uint64_t id = endian::ReadLittle(bytes, at, 4);
        const std::uint64_t offset = endian::ReadLittle(bytes, at + 8, 8);
        const std::uint64_t size = endian::ReadLittle(bytes, at + 16, 8);
        if (offset > bytes.size() || size > bytes.size() - offset) {
            throw PackError("resource " + std::to_string(id) + " lies outside the pack");
        }
        if (id > 0x7FFFFFFF || (!m_entries.empty() && static_cast<int>(id) <= m_entries.back().id)) {
            throw PackError("the resource table is not in ascending order at resource " + std::to_string(id));
        }
        m_entries.push_back({static_cast<int>(id),
                             bytes.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(size))});
    }
}

std::optional<std::string_view> ResourcePack::Find(int id) const {
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                                     [](const Entry& e, int key) { return e.id < key; });
    if (it == m_entries.end() || it->id != id) {
        return std::nullopt;
    }
    return it->bytes;
}

std::vector<int> ResourcePack::Ids() const {
    std::vector<int> ids;
    ids.reserve(m_entries.size());
    for (const Entry& entry : m_entries) {
        ids.push_back(entry.id);
    }
    return ids;
}

std::string BuildResourcePack(const std::map<int, std::string>& resources, PackPlacement placement) {
    using Resource = std::map<int, std::string>::value_type;
    std::vector<const Resource*> laid;
    laid.reserve(resources.size());
    for (const Resource& resource : resources) {
        laid.push_back(&resource);
    }
    if (placement != nullptr) {
        std::stable_sort(laid.begin(), laid.end(), [placement](const Resource* a, const Resource* b) {
            return placement(a->first) < placement(b->first);
        });
    }
    std::map<int, std::uint64_t> offsets;
    std::uint64_t offset = kHeaderSize + kEntrySize * resources.size();
    for (const Resource* resource : laid) {
        offsets[resource->first] = offset;
        offset += resource->second.size();
    }
    std::string out(kSignature);
    endian::WriteLittle(out, kVersion, 4);
    endian::WriteLittle(out, resources.size(), 4);
    for (const auto& [id, bytes] : resources) {
        endian::WriteLittle(out, static_cast<std::uint32_t>(id), 4);
        endian::WriteLittle(out, 0, 4);
        endian::WriteLittle(out, offsets[id], 8);
        endian::WriteLittle(out, bytes.size(), 8);
    }
    for (const Resource* resource : laid) {
        out += resource->second;
    }
    return out;
}

} // namespace orbisk
