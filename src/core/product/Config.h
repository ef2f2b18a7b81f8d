#pragma once

#include "core/formats/Records.h"
#include "core/product/BankNumbers.h"

#include <array>
#include <string>
#include <vector>

/// The product configuration (resource 30000): the product's name and code,
/// and for each of up to three sections its label, topic count, paper count and
/// topic names. This is the format's one home: the bank compiler writes it with
/// WriteConfiguration and the program reads it with ReadProductConfig.
///
/// The text is keyed records framed by "..." lines, with a line of 31 dashes
/// between the product's keys and the sections':
///
///     ...
///     #NME#>Orbisk English Practice
///     #COD#>ENG
///     -------------------------------
///     #LBH#>Practice
///     #TT2#>10
///     #TP2#>50
///     #TN2#>Grammar (1)>Grammar (2)>...
///     ...
namespace orbisk::config {

/// Keys of the product's name and code.
inline constexpr std::string_view kNameKey = "NME";
inline constexpr std::string_view kCodeKey = "COD";

/// The keys of section s (1..3): its label LAH, LBH or LCH, its topic count TTs,
/// paper count TPs and topic names TNs.
std::string SectionLabelKey(int section);
std::string TopicCountKey(int section);
std::string PaperCountKey(int section);
std::string TopicNamesKey(int section);

/// One section of the product as the configuration describes it.
struct SectionConfig {
    int number = 0;
    std::string label; ///< caption of its tab; empty when the section does not exist
    int topicCount = 0;
    int paperCount = 0;
    std::vector<std::string> topicNames;

    bool exists() const { return !label.empty(); }
    bool operator==(const SectionConfig&) const = default;
};

/// The product configuration: its name, its code and up to three sections.
struct ProductConfig {
    std::string name;
    std::string code;
    std::array<SectionConfig, bank::kMaxSections> sections; ///< sections 1, 2, 3

    /// The numbers of the sections that exist, ascending.
    std::vector<int> ExistingSections() const;
    /// The first section that exists, or 0 when none does.
    int FirstSection() const;
    const SectionConfig& Section(int number) const {
        return sections.at(static_cast<std::size_t>(number - 1));
    }
    SectionConfig& Section(int number) { return sections.at(static_cast<std::size_t>(number - 1)); }
    bool operator==(const ProductConfig&) const = default;
};

/// Reads NME, COD, the section labels LAH, LBH, LCH and, for each section
/// whose label is set, TTs, TPs and the TTs topic names of TNs.
/// @throws DataError when a count is not a number in range (at most 10 topics,
/// 50 papers, five papers per topic), the product code is not valid
/// (IsValidProductCode), or the topic names are too few.
ProductConfig ReadProductConfig(const records::RecordText& text);

/// The configuration's text: the product's keys, the dashed line, then each
/// existing section's four records, framed by "..." lines; lines end in CR LF.
/// Only the first topicCount topic names are written.
/// @throws DataError when a name or label holds a character the records cannot
/// store, or a section lists fewer names than its topic count.
std::string WriteConfiguration(const ProductConfig& config);

} // namespace orbisk::config
