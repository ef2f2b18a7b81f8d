#include "core/product/Config.h"

#include "core/Errors.h"
#include "core/product/BankNumbers.h"
#include "core/product/ProductCode.h"
#include "core/text/TextForms.h"

namespace orbisk::config {

namespace {

constexpr std::size_t kDashes = 31;

int count(const records::RecordText& text, const std::string& key, int most) {
    const std::string written = records::ReadRecordValue(text, key);
    const auto value = orbisk::text::ParseWholeNumber(written);
    if (!value || *value < 0 || *value > most) {
        throw DataError(text.source(), key,
                        "\"" + written + "\" is not a number from 0 to " + std::to_string(most));
    }
    return static_cast<int>(*value);
}

std::string sectionKey(std::string_view prefix, int section) {
    return std::string(prefix) + std::to_string(section);
}

} // namespace

std::string SectionLabelKey(int section) {
    return std::string("L") + static_cast<char>('A' + section - 1) + "H";
}

std::string TopicCountKey(int section) {
    return sectionKey("TT", section);
}

std::string PaperCountKey(int section) {
    return sectionKey("TP", section);
}

std::string TopicNamesKey(int section) {
    return sectionKey("TN", section);
}

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
    config.name = records::ReadRecordValue(text, kNameKey);
    config.code = records::ReadRecordValue(text, kCodeKey);
    for (int s = 1; s <= bank::kMaxSections; ++s) {
        SectionConfig& section = config.Section(s);
        section.number = s;
        section.label = records::ReadRecordValue(text, SectionLabelKey(s));
        if (!section.exists()) {
            continue;
        }
        section.topicCount = count(text, TopicCountKey(s), bank::kMaxTopics);
        section.paperCount = count(text, PaperCountKey(s), bank::kMaxPapers);
        if (section.paperCount > bank::kPapersPerTopic * section.topicCount) {
            throw DataError(text.source(), PaperCountKey(s),
                            std::to_string(section.paperCount) + " papers do not fit in " +
                                std::to_string(section.topicCount) + " topics of five");
        }
        section.topicNames = records::ReadRecordValues(text, TopicNamesKey(s), section.topicCount,
                                                       records::kTopicNamesCapacity);
    }
    if (!config.ExistingSections().empty() && !product::IsValidProductCode(config.code)) {
        throw DataError(text.source(), std::string(kCodeKey),
                        "the product code \"" + config.code + "\" is not one to eight capital letters");
    }
    return config;
}

std::string WriteConfiguration(const ProductConfig& config) {
    std::vector<std::string> lines{std::string(records::kFrameLine)};
    auto single = [&](std::string_view key, const std::string& value) {
        lines.push_back(records::BuildRecord(key, {value}, 1));
    };
    single(kNameKey, config.name);
    single(kCodeKey, config.code);
    lines.emplace_back(kDashes, '-');
    for (const SectionConfig& section : config.sections) {
        if (!section.exists()) {
            continue;
        }
        const int s = section.number;
        single(SectionLabelKey(s), section.label);
        single(TopicCountKey(s), std::to_string(section.topicCount));
        single(PaperCountKey(s), std::to_string(section.paperCount));
        lines.push_back(records::BuildRecord(TopicNamesKey(s), section.topicNames, section.topicCount));
    }
    lines.emplace_back(records::kFrameLine);
    return records::JoinLines(lines);
}

} // namespace orbisk::config
