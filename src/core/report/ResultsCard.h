#pragma once

#include "core/product/Config.h"
#include "core/report/PrintZones.h"
#include "core/results/ResultsStore.h"

#include <string>
#include <string_view>
#include <vector>

/// The results card: a section's scores as printed text, one block per topic
/// listing its five papers with the first-attempt score, time taken, date and
/// second-attempt score.
///
/// The card is a list of print lines, each a list of items that go into
/// successive print zones (PrintZones.h); an empty line is a blank line. The
/// printer places each item at its zone with the printing font's measure
/// (PlaceInZones with a ColumnMeasure from the font) and starts a new page
/// when one is full; RenderResultsCard gives the same card as fixed-width text.
namespace orbisk::report {

/// The dashed rule under a topic's name and under its column headings.
inline const std::string kCardRule(128, '-');
/// The item that keeps a zone free: a single space.
inline constexpr std::string_view kCardGap = " ";

using CardLine = std::vector<std::string>;

/// The card of a section, laid out as:
/// - two blank lines, the title line (gap, @p title: the home window's caption,
///   the product's name), two blank lines;
/// - for each topic 1..topic count: two blank lines, the topic's name, the
///   rule, the headings "Papers", "First take", "Time taken", "Date",
///   "Second take" and under them "score", "score", the rule again, then one
///   line per paper: "Paper 1".."Paper 5", the first-attempt score followed by
///   "%", the time taken, the date, the second-attempt score followed by "%".
/// Every line of a topic block starts with a gap; the headings and paper lines
/// keep zones 3 and 7 free, so scores sit in zones 4 and 8, time in 5, date in 6.
/// A paper not taken shows "%" alone in its score zones and nothing in time and
/// date; every paper of every topic is listed. Stored texts are printed as
/// they are; a value missing from @p marks prints as empty.
std::vector<CardLine> ComposeResultsCard(std::string_view title, const results::Marks& marks,
                                         const config::SectionConfig& section);

/// The card's lines with their zones, items measured by @p measure.
std::vector<std::vector<ZonedItem>> ZoneResultsCard(const std::vector<CardLine>& card,
                                                    const ColumnMeasure& measure = CountColumns);

/// The card as fixed-width text, one line per print line, each ending in "\n".
std::string RenderResultsCard(const std::vector<CardLine>& card);

} // namespace orbisk::report
