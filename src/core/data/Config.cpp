#include "data/Config.h"

#include "data/Bank.h"
#include "data/DataError.h"
#include "data/TextForms.h"

namespace orbisk::config {

namespace {

int count(const records::RecordText& text, const std::string& key, int most) {
    const std::string written = records::ReadRecordValue(text, key);
    const auto value = orbisk::text::ParseWholeNumber(written);
    if (!value || *value < 0 || *value > most) {
        throw DataError(text.source(), key,
                        "\"" + written + "\" is not a number from 0 to " + std::to_string(most));
    }
    return static_cast<int>(*value);
}

bool isFileNameCode(const std::string& code) {
    if (code.empty() || code.size() > 16) {
        return false;
    }
    for (const char c : code) {
        const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letterOrDigit) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<int> ProductConfig::ExistingSections() const {
    std::vector<int> numbers;
    for (const SectionConfig& section : sections) {
        if (section.exists()) {
            numbers.push_back(section.number);
        }
    }
    return numbers;
}

int ProductConfig::FirstSection() const {
    const auto numbers = ExistingSections();
    return numbers.empty() ? 0 : numbers.front();
}

ProductConfig ReadProductConfig(const records::RecordText& text) {
    ProductConfig config;
    config.name = records::ReadRecordValue(text, "NME");
    config.code = records::ReadRecordValue(text, "COD");
    const char* labels[] = {"LAH", "LBH", "LCH"};
    for (int s = 1; s <= 3; ++s) {
        SectionConfig& section = config.sections[static_cast<std::size_t>(s - 1)];
        section.number = s;
        section.label = records::ReadRecordValue(text, labels[s - 1]);
        if (!section.exists()) {
            continue;
        }
        const std::string n = std::to_string(s);
        section.topicCount = count(text, "TT" + n, bank::kMaxTopics);
        section.paperCount = count(text, "TP" + n, bank::kMaxPapers);
        if (section.paperCount > bank::kPapersPerTopic * section.topicCount) {
            throw DataError(text.source(), "TP" + n,
                            std::to_string(section.paperCount) + " papers do not fit in " +
                                std::to_string(section.topicCount) + " topics of five");
        }
        section.topicNames =
            records::ReadRecordValues(text, "TN" + n, section.topicCount, records::kTopicNamesCapacity);
    }
    if (!config.ExistingSections().empty() && !isFileNameCode(config.code)) {
        throw DataError(text.source(), "COD",
                        "the product code \"" + config.code + "\" cannot be part of a file name");
    }
    return config;
}

} // namespace orbisk::config
