#pragma once

#include "core/formats/Records.h"
#include "core/formats/ResourcePack.h"
#include "core/product/SectionTables.h"

#include <string>
#include <vector>

namespace orbisk::testing {

/// A resource pack read from a file the build compiled.
class CompiledPack {
public:
    explicit CompiledPack(const std::string& path);
    CompiledPack(const CompiledPack&) = delete;
    CompiledPack& operator=(const CompiledPack&) = delete;

    /// Resource @p id as keyed text. @throws std::runtime_error when the pack lacks it.
    records::RecordText Text(int id) const;
    const ResourcePack& pack() const { return m_pack; }

private:
    std::string m_bytes;
    ResourcePack m_pack;
};

/// A paper as opening it reads the section's five tables from the pack.
tables::PaperTables load(const CompiledPack& pack, int section, int paper);

/// The synthetic test bank and the product bank, as the build compiled them.
const CompiledPack& TestBank();
const CompiledPack& ProductBank();

} // namespace orbisk::testing
