#pragma once

#include "BankModel.h"
#include "core/product/Config.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace orbisk::bankc {

/// Every resource of the program by number.
struct CompiledBank {
    std::map<int, std::string> resources;
    int questions = 0;
    int explained = 0; ///< questions with at least one explanation
    int papers = 0;
};

/// Turns a checked bank into the numbered resources: the configuration, the
/// five tables and six results templates of each section, one page per
/// question, the explanations of every question that has any, and the 89 skin pictures of @p skinFolder
/// with their twins of twice the pixels (NAME@2x.EXT, resource ids::SkinTwinId), matched to their names
/// without regard to letter case. A skin folder that is missing or cannot be read,
/// and every picture that is missing, unreadable or does not match its table entry, is added to @p problems:
/// the program needs them all.
CompiledBank CompileBank(const Product& product, const std::filesystem::path& skinFolder,
                         std::vector<Problem>& problems);

/// The configuration the bank describes: every section listed, each with the
/// topics whose five papers are written and the names of those topics.
config::ProductConfig ProductConfiguration(const Product& product);

} // namespace orbisk::bankc
