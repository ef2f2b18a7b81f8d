#pragma once

#include "BankModel.h"
#include "core/product/Config.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orbisk::bankc {

/// Every resource of the program by number, and what the compiler noticed.
struct CompiledBank {
    std::map<int, std::string> resources;
    std::vector<std::string> notes;
    int questions = 0;
    int papers = 0;
};

/// Turns a checked bank into the numbered resources: the configuration, the
/// four tables and six results templates of each section, one page per
/// question, and the skin pictures found in @p skinFolder (matched to their
/// names without regard to letter case). Pictures that are missing or do not
/// match their table entry are added to @p problems.
CompiledBank CompileBank(const Product& product, const std::optional<std::filesystem::path>& skinFolder,
                         std::vector<Problem>& problems);

/// The configuration the bank describes: every section listed, each with the
/// topics whose five papers are written and the names of those topics.
config::ProductConfig ProductConfiguration(const Product& product);

} // namespace orbisk::bankc
