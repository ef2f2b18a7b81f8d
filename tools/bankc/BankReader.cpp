#include "BankReader.h"

#include "core/product/AnswerKinds.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <regex>
#include <set>
#include <yaml-cpp/yaml.h>

namespace orbisk::bankc {

std::string Describe(const Problem& problem) {
    std::string text = problem.where.file.string();
    if (problem.where.line > 0) {
        text += ":" + std::to_string(problem.where.line);
    }
    return text + ": " + problem.message;
}

namespace {

namespace fs = std::filesystem;

struct Context {
    fs::path file;
    std::vector<Problem>& problems;

    Where at(const YAML::Node& node) const { return {file, node.IsDefined() ? node.Mark().line + 1 : 0}; }
    void refuse(const YAML::Node& node, std::string message) const {
        problems.push_back({at(node), std::move(message)});
    }
};

// Every mapping in the document, checked for a key written twice.
void checkDuplicateKeys(const YAML::Node& node, const Context& context) {
    if (node.IsMap()) {
        std::set<std::string> seen;
        for (auto it = node.begin(); it != node.end(); ++it) {
            const std::string key = it->first.IsScalar() ? it->first.Scalar() : std::string();
            if (!seen.insert(key).second) {
                context.refuse(it->first, "the key \"" + key + "\" appears twice in this mapping");
            }
            checkDuplicateKeys(it->second, context);
        }
    } else if (node.IsSequence()) {
        for (const auto& child : node) {
            checkDuplicateKeys(child, context);
        }
    }
}

// The text of a scalar as written; a refusal for anything else.
std::optional<std::string> text(const YAML::Node& node, const Context& context, std::string_view what) {
    if (node.IsScalar()) {
        return node.Scalar();
    }
    if (node.IsNull()) {
        context.refuse(node, std::string(what) +
                                 " is empty (write it in double quotes if it is text such as \"~\")");
    } else {
        context.refuse(node, std::string(what) + " must be one text, not a list or mapping");
    }
    return std::nullopt;
}

std::optional<int> number(const YAML::Node& node, const Context& context, std::string_view what) {
    const auto written = text(node, context, what);
    if (!written) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(written->data(), written->data() + written->size(), value);
    if (error != std::errc() || end != written->data() + written->size()) {
        context.refuse(node, std::string(what) + " must be a whole number, not \"" + *written + "\"");
        return std::nullopt;
    }
    return value;
}

// A field the mapping must have: its text, or a refusal naming what is missing.
std::optional<std::string> requiredText(const YAML::Node& map, const char* field, const Context& context,
                                        std::string_view what) {
    const YAML::Node node = map[field];
    if (!node.IsDefined()) {
        context.refuse(map, std::string(what) + " is missing (field \"" + field + "\")");
        return std::nullopt;
    }
    return text(node, context, what);
}

std::optional<int> requiredNumber(const YAML::Node& map, const char* field, const Context& context,
                                  std::string_view what) {
    const YAML::Node node = map[field];
    if (!node.IsDefined()) {
        context.refuse(map, std::string(what) + " is missing (field \"" + field + "\")");
        return std::nullopt;
    }
    return number(node, context, what);
}

std::vector<std::string> textList(const YAML::Node& node, const Context& context, std::string_view what) {
    std::vector<std::string> values;
    if (!node.IsDefined()) {
        return values;
    }
    if (!node.IsSequence()) {
        context.refuse(node, std::string(what) + " must be a list");
        return values;
    }
    for (const auto& entry : node) {
        if (auto value = text(entry, context, what)) {
            values.push_back(std::move(*value));
        }
    }
    return values;
}

// A value given once for every slot or as a list with one entry per slot.
struct PerSlot {
    std::vector<std::string> values;
    bool isList = false;
    YAML::Node node;
};

PerSlot perSlot(const YAML::Node& node, const Context& context, std::string_view what) {
    PerSlot result{{}, false, node};
    if (!node.IsDefined()) {
        return result;
    }
    if (node.IsSequence()) {
        result.isList = true;
        result.values = textList(node, context, what);
    } else if (auto value = text(node, context, what)) {
        result.values.push_back(std::move(*value));
    }
    return result;
}

void refuseUnknownFields(const YAML::Node& node, const Context& context,
                         std::initializer_list<std::string_view> known, std::string_view where) {
    if (!node.IsMap()) {
        return;
    }
    for (auto it = node.begin(); it != node.end(); ++it) {
        const std::string key = it->first.Scalar();
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            context.refuse(it->first, "unknown field \"" + key + "\" in " + std::string(where));
        }
    }
}

bool hasGaps(const std::string& passage) {
    static const std::regex gap(R"(\[[0-9]+\])");
    return std::regex_search(passage, gap);
}

std::optional<Question> readQuestion(const YAML::Node& node, const Context& context) {
    if (!node.IsMap()) {
        context.refuse(node, "a question must be a mapping of fields");
        return std::nullopt;
    }
    refuseUnknownFields(node, context,
                        {"stem", "instruction", "options", "passage", "wordbank", "words", "items", "parts",
                         "picture", "key", "kind", "weight"},
                        "a question");
    Question question;
    question.where = context.at(node);
    auto optionalText = [&](const char* field, std::string& into) {
        if (node[field].IsDefined()) {
            if (auto value = text(node[field], context, field)) {
                into = std::move(*value);
            }
        }
    };
    optionalText("stem", question.stem);
    optionalText("instruction", question.instruction);
    optionalText("passage", question.passage);
    optionalText("picture", question.picture);
    question.options = textList(node["options"], context, "options");
    question.wordbank = textList(node["wordbank"], context, "wordbank");
    question.words = textList(node["words"], context, "words");
    question.parts = textList(node["parts"], context, "parts");

    const YAML::Node items = node["items"];
    if (items.IsDefined()) {
        if (!items.IsSequence() || items.size() == 0) {
            context.refuse(items, "items must be a list of questions");
        } else {
            for (const auto& itemNode : items) {
                if (!itemNode.IsMap()) {
                    context.refuse(itemNode, "an item must be a mapping of stem, options and key");
                    continue;
                }
                refuseUnknownFields(itemNode, context, {"stem", "options", "key", "weight"}, "an item");
                Item item;
                item.where = context.at(itemNode);
                if (auto stem = requiredText(itemNode, "stem", context, "an item's stem")) {
                    item.stem = std::move(*stem);
                }
                item.options = textList(itemNode["options"], context, "options");
                if (item.options.empty()) {
                    context.refuse(itemNode, "an item needs its options");
                }
                Slot slot;
                slot.where = context.at(itemNode["key"].IsDefined() ? itemNode["key"] : itemNode);
                slot.kind = std::string(kinds::kChoice);
                slot.weight = "1";
                if (auto key = requiredText(itemNode, "key", context, "an item's key")) {
                    slot.key = std::move(*key);
                }
                if (itemNode["weight"].IsDefined()) {
                    if (auto weight = text(itemNode["weight"], context, "weight")) {
                        slot.weight = std::move(*weight);
                    }
                }
                question.items.push_back(std::move(item));
                question.slots.push_back(std::move(slot));
            }
        }
        if (node["key"].IsDefined() || node["kind"].IsDefined() || node["weight"].IsDefined()) {
            context.refuse(node,
                           "a question with items gives each item its own key; remove key, kind and weight");
        }
        if (!question.options.empty()) {
            context.refuse(node["options"], "a question with items gives each item its own options");
        }
        question.shape = Shape::Comprehension;
        if (question.passage.empty()) {
            context.refuse(node, "a question with items needs the passage they ask about");
        }
        return question;
    }

    if (!question.options.empty()) {
        question.shape = Shape::Choice;
    } else if (!question.words.empty()) {
        question.shape = Shape::WordOrder;
    } else if (!question.passage.empty() && hasGaps(question.passage)) {
        question.shape = Shape::Cloze;
    } else {
        question.shape = Shape::Free;
    }

    const PerSlot keys = perSlot(node["key"], context, "key");
    const PerSlot kindList = perSlot(node["kind"], context, "kind");
    const PerSlot weights = perSlot(node["weight"], context, "weight");
    if (!node["key"].IsDefined()) {
        context.refuse(node, "the question has no key");
        return question;
    }
    const std::size_t count = keys.values.size();
    if (count == 0) {
        context.refuse(keys.node, "the key list is empty");
        return question;
    }
    if (kindList.isList && kindList.values.size() != count) {
        context.refuse(kindList.node, "unequal answer counts: " + std::to_string(count) + " keys but " +
                                          std::to_string(kindList.values.size()) + " kinds");
    }
    if (weights.isList && weights.values.size() != count) {
        context.refuse(weights.node, "unequal answer counts: " + std::to_string(count) + " keys but " +
                                         std::to_string(weights.values.size()) + " weights");
    }
    std::string defaultKind;
    switch (question.shape) {
    case Shape::Choice:
        defaultKind = kinds::kChoice;
        break;
    case Shape::Cloze:
        defaultKind = kinds::kTyped;
        break;
    case Shape::WordOrder:
        defaultKind = kinds::kSentence;
        break;
    default:
        break;
    }
    if (!node["kind"].IsDefined() && defaultKind.empty()) {
        context.refuse(node, "say the answer kind of this question (kind: Q, T, L, N, R, F, X, G or M)");
    }
    for (std::size_t i = 0; i < count; ++i) {
        Slot slot;
        slot.where = context.at(keys.isList ? keys.node[i] : keys.node);
        slot.key = keys.values[i];
        if (kindList.values.empty()) {
            slot.kind = defaultKind;
        } else {
            slot.kind = kindList.isList
                            ? (i < kindList.values.size() ? kindList.values[i] : kindList.values.back())
                            : kindList.values.front();
        }
        if (weights.values.empty()) {
            slot.weight = "1";
        } else {
            slot.weight = weights.isList
                              ? (i < weights.values.size() ? weights.values[i] : weights.values.back())
                              : weights.values.front();
        }
        question.slots.push_back(std::move(slot));
    }
    return question;
}

std::optional<YAML::Node> load(const fs::path& file, std::vector<Problem>& problems) {
    try {
        return YAML::LoadFile(file.string());
    } catch (const YAML::ParserException& error) {
        problems.push_back({{file, error.mark.line + 1}, error.msg});
    } catch (const YAML::BadFile&) {
        problems.push_back({{file, 0}, "the file cannot be read"});
    } catch (const YAML::Exception& error) {
        problems.push_back({{file, error.mark.line + 1}, error.msg});
    }
    return std::nullopt;
}

std::optional<Paper> readPaper(const fs::path& file, std::vector<Problem>& problems) {
    const auto document = load(file, problems);
    if (!document) {
        return std::nullopt;
    }
    const Context context{file, problems};
    checkDuplicateKeys(*document, context);
    if (!document->IsMap()) {
        context.refuse(*document, "a paper file must be a mapping with paper and questions");
        return std::nullopt;
    }
    refuseUnknownFields(*document, context, {"paper", "instruction", "questions"}, "a paper");
    Paper paper;
    paper.where = {file, 1};
    if (const auto value = requiredNumber(*document, "paper", context, "the paper number")) {
        paper.number = *value;
        paper.where = context.at((*document)["paper"]);
    }
    if ((*document)["instruction"].IsDefined()) {
        if (auto value = text((*document)["instruction"], context, "instruction")) {
            paper.instruction = std::move(*value);
        }
    }
    const YAML::Node questions = (*document)["questions"];
    if (!questions.IsSequence() || questions.size() == 0) {
        context.refuse(questions.IsDefined() ? questions : *document, "a paper needs a list of questions");
        return paper;
    }
    for (const auto& node : questions) {
        if (auto question = readQuestion(node, context)) {
            paper.questions.push_back(std::move(*question));
        }
    }
    return paper;
}

// "p101.yaml" gives 101.
std::optional<int> paperNumberOfFile(const fs::path& file) {
    static const std::regex name(R"(p([0-9]{3})\.yaml)");
    std::smatch match;
    const std::string filename = file.filename().string();
    if (!std::regex_match(filename, match, name)) {
        return std::nullopt;
    }
    return std::stoi(match[1].str());
}

void readSectionPapers(const Product& product, Section& section, std::vector<Problem>& problems) {
    const fs::path folder = product.root / ("section" + std::to_string(section.number));
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return; // a section with no papers written yet
    }
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const auto expected = paperNumberOfFile(file);
        if (!expected) {
            problems.push_back(
                {{file, 0}, "a paper file is named p<paper number>.yaml, for example p101.yaml"});
            continue;
        }
        auto paper = readPaper(file, problems);
        if (!paper) {
            continue;
        }
        if (paper->number != *expected) {
            problems.push_back({paper->where, "the file is named for paper " + std::to_string(*expected) +
                                                  " but says paper " + std::to_string(paper->number)});
            continue;
        }
        section.papers.push_back(std::move(*paper));
    }
}

} // namespace

Product ReadBank(const fs::path& root, std::vector<Problem>& problems) {
    Product product;
    product.root = root;
    const fs::path file = root / "product.yaml";
    product.where = {file, 1};
    const auto document = load(file, problems);
    if (!document) {
        return product;
    }
    const Context context{file, problems};
    checkDuplicateKeys(*document, context);
    if (!document->IsMap()) {
        context.refuse(*document, "product.yaml must be a mapping of name, code, picture and sections");
        return product;
    }
    refuseUnknownFields(*document, context, {"name", "code", "picture", "sections"}, "product.yaml");
    if (auto value = requiredText(*document, "name", context, "the product name")) {
        product.name = std::move(*value);
    }
    if (auto value = requiredText(*document, "code", context, "the product code")) {
        product.code = std::move(*value);
    }
    if (auto value = requiredText(*document, "picture", context, "the product picture")) {
        product.picture = std::move(*value);
    }
    const YAML::Node sections = (*document)["sections"];
    if (!sections.IsSequence() || sections.size() == 0) {
        context.refuse(sections.IsDefined() ? sections : *document, "product.yaml needs a list of sections");
        return product;
    }
    for (const auto& node : sections) {
        if (!node.IsMap()) {
            context.refuse(node, "a section must be a mapping of number, label and topics");
            continue;
        }
        refuseUnknownFields(node, context, {"number", "label", "topics"}, "a section");
        Section section;
        section.where = context.at(node);
        if (const auto value = requiredNumber(node, "number", context, "a section's number")) {
            section.number = *value;
        }
        if (auto value = requiredText(node, "label", context, "a section's label")) {
            section.label = std::move(*value);
        }
        section.topics = textList(node["topics"], context, "topics");
        product.sections.push_back(std::move(section));
    }
    std::sort(product.sections.begin(), product.sections.end(),
              [](const Section& a, const Section& b) { return a.number < b.number; });
    for (Section& section : product.sections) {
        readSectionPapers(product, section, problems);
        std::sort(section.papers.begin(), section.papers.end(),
                  [](const Paper& a, const Paper& b) { return a.number < b.number; });
    }
    return product;
}

} // namespace orbisk::bankc
