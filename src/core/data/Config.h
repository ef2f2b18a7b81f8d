#pragma once

#include "data/Records.h"

#include <array>
#include <string>
#include <vector>

namespace orbisk::config {

/// One section of the product as the configuration describes it.
struct SectionConfig {
    int number = 0;
    std::string label; ///< caption of its tab; empty when the section does not exist
    int topicCount = 0;
    int paperCount = 0;
    std::vector<std::string> topicNames;

    bool exists() const { return !label.empty(); }
};

/// The product configuration: its name, its code and up to three sections.
struct ProductConfig {
    std::string name;
    std::string code;
    std::array<SectionConfig, 3> sections; ///< sections 1, 2, 3

    /// The numbers of the sections that exist, ascending.
    std::vector<int> ExistingSections() const;
    /// The first section that exists, or 0 when none does.
    int FirstSection() const;
    const SectionConfig& Section(int number) const {
        return sections.at(static_cast<std::size_t>(number - 1));
    }
};

/// Reads NME, COD, the section labels LAH, LBH, LCH and, for each section
/// whose label is set, TTs, TPs and the TTs topic names of TNs.
/// @throws DataError when a count is not a number in range (at most 10 topics,
/// 50 papers, five papers per topic), the code cannot be part of a file name,
/// or the topic names are too few.
ProductConfig ReadProductConfig(const records::RecordText& text);

} // namespace orbisk::config
