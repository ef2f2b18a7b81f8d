#include "core/report/ResultsCard.h"

#include "core/product/BankNumbers.h"
#include "core/results/ResultsStore.h"

namespace orbisk::report {

namespace {

void addBlankLines(std::vector<CardLine>& card, int count) {
    for (int i = 0; i < count; ++i) {
        card.emplace_back();
    }
}

} // namespace

std::vector<CardLine> ComposeResultsCard(std::string_view title, const results::Marks& marks,
                                         const config::SectionConfig& section) {
    const std::string gap(kCardGap);
    std::vector<CardLine> card;
    addBlankLines(card, 2);
    card.push_back({gap, std::string(title)});
    addBlankLines(card, 2);
    for (int t = 1; t <= section.topicCount && t <= bank::kMaxTopics; ++t) {
        const auto nameIndex = static_cast<std::size_t>(t - 1);
        addBlankLines(card, 2);
        card.push_back({gap, nameIndex < section.topicNames.size() ? section.topicNames[nameIndex] : ""});
        card.push_back({gap, kCardRule});
        card.push_back({gap, "Papers", gap, "First take", "Time taken", "Date", gap, "Second take"});
        card.push_back({gap, gap, gap, "score", gap, gap, gap, "score"});
        card.push_back({gap, kCardRule});
        for (int p = 1; p <= bank::kPapersPerTopic; ++p) {
            const int slot = bank::FirstSlotOfTopic(t) + p - 1;
            card.push_back({gap, "Paper " + std::to_string(p), gap,
                            std::string(results::SlotValue(marks.FSE, slot)) + "%",
                            std::string(results::SlotValue(marks.LTM, slot)),
                            std::string(results::SlotValue(marks.CDD, slot)), gap,
                            std::string(results::SlotValue(marks.SSE, slot)) + "%"});
        }
    }
    return card;
}

std::vector<std::vector<ZonedItem>> ZoneResultsCard(const std::vector<CardLine>& card,
                                                    const ColumnMeasure& measure) {
    std::vector<std::vector<ZonedItem>> zoned;
    zoned.reserve(card.size());
    for (const CardLine& line : card) {
        zoned.push_back(PlaceInZones(line, measure));
    }
    return zoned;
}

std::string RenderResultsCard(const std::vector<CardLine>& card) {
    std::string text;
    for (const std::vector<ZonedItem>& line : ZoneResultsCard(card)) {
        text += RenderZonedLine(line);
        text += '\n';
    }
    return text;
}

} // namespace orbisk::report
