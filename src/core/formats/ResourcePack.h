#pragma once

#include "core/Errors.h"
#include "core/formats/ResourceSource.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orbisk {

/// All the program's resources in one block of bytes, read in place.
///
/// Layout (little-endian): the signature "ORBKPACK", a 32-bit version (1), a
/// 32-bit entry count, then one 24-byte entry per resource in ascending id
/// (32-bit id, 32 bits of zero, 64-bit offset from the start, 64-bit size),
/// then the resources' bytes, in whatever order the builder laid them.
class ResourcePack final : public ResourceSource {
public:
    /// Reads the table of @p bytes, which must outlive the pack.
    /// @throws PackError when the bytes are not a sound pack.
    explicit ResourcePack(std::string_view bytes);

    std::optional<std::string_view> Find(int id) const override;

    /// The ids held, ascending.
    std::vector<int> Ids() const;
    std::size_t size() const { return m_entries.size(); }

private:
    struct Entry {
        int id;
        std::string_view bytes;
    };
    std::vector<Entry> m_entries;
};

/// Where a resource's bytes go in the pack: lower first, equal ones by id.
using PackPlacement = int (*)(int id);

/// Packs the resources into the layout ResourcePack reads. The table stays in
/// ascending id; @p placement orders the bytes, so that resources read
/// together lie together (a program reading the pack in place brings in the
/// pages around what it reads); none: in id order.
std::string BuildResourcePack(const std::map<int, std::string>& resources, PackPlacement placement = nullptr);

} // namespace orbisk
