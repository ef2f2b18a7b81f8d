#include "CompiledPack.h"

#include "data/Bank.h"
#include "data/FileIO.h"

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

LoadedPaper load(const CompiledPack& pack, int section, int paper) {
    LoadedPaper loaded;
    loaded.ids = records::ReadRecordAllValues(pack.Text(bank::TableId(section, bank::Table::Papers)),
                                              std::to_string(paper));
    const records::RecordText keys = pack.Text(bank::TableId(section, bank::Table::Keys));
    loaded.keys = records::ReadQuestionValues(keys, loaded.ids);
    loaded.answersPerQuestion = records::CountQuestionValues(keys, loaded.ids);
    loaded.kinds =
        records::ReadQuestionValues(pack.Text(bank::TableId(section, bank::Table::Kinds)), loaded.ids);
    loaded.weights =
        records::ReadQuestionValues(pack.Text(bank::TableId(section, bank::Table::Weights)), loaded.ids);
    for (const std::string& weight : loaded.weights) {
        loaded.totalMarks += std::stoll(weight);
    }
    return loaded;
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
