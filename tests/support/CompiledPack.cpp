#include "CompiledPack.h"

#include "core/io/FileIO.h"
#include "core/product/ResourceIds.h"

#include <stdexcept>

namespace orbisk::testing {

CompiledPack::CompiledPack(const std::string& path) : m_bytes(files::ReadWholeFile(path)), m_pack(m_bytes) {}

records::RecordText CompiledPack::Text(int id) const {
    const auto bytes = m_pack.Find(id);
    if (!bytes) {
        throw std::runtime_error("the pack holds no resource " + std::to_string(id));
    }
    return {"resource " + std::to_string(id), std::string(*bytes)};
}

tables::PaperTables load(const CompiledPack& pack, int section, int paper) {
    return tables::ReadPaperTables(pack.Text(ids::TableId(section, ids::Table::Papers)),
                                   pack.Text(ids::TableId(section, ids::Table::Keys)),
                                   pack.Text(ids::TableId(section, ids::Table::Kinds)),
                                   pack.Text(ids::TableId(section, ids::Table::Weights)),
                                   pack.Text(ids::TableId(section, ids::Table::Options)), paper);
}

const CompiledPack& TestBank() {
    static const CompiledPack pack(ORBISK_TESTBANK_PACK);
    return pack;
}

const CompiledPack& ProductBank() {
    static const CompiledPack pack(ORBISK_PRODUCT_PACK);
    return pack;
}

} // namespace orbisk::testing
