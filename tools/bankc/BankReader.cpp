#include "BankReader.h"

#include "Gaps.h"
#include "YamlFields.h"
#include "core/Errors.h"
#include "core/io/FileIO.h"
#include "core/product/AnswerKinds.h"
#include "core/text/CleanText.h"
#include "core/text/TextForms.h"

#include <algorithm>
#include <charconv>
#include <yaml-cpp/yaml.h>

namespace orbisk::bankc {

std::string Describe(const Problem& problem) {
    std::string text = problem.where.file.string();
    if (problem.where.line > 0) {
        text += ":" + std::to_string(problem.where.line);
    }
    // Sources may hold any bytes, and messages quote them (yaml-cpp's own
    // included): one refusal is one readable line.
    return orbisk::text::EscapeBytes(text + ": " + problem.message);
}

namespace {

namespace fs = std::filesystem;
using namespace fields;

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

// An explanation is one line of text, not blank: the program shows it beside
// its answer, one line per answer slot.
// @p at is where an empty one is pointed at (an empty value has the line after it).
std::optional<std::string> explanation(const YAML::Node& node, const YAML::Node& at, const Context& context) {
    if (node.IsNull()) {
        context.refuse(at, "the explanation is empty: write it, or leave out explain");
        return std::nullopt;
    }
    auto value = text(node, context, "the explanation");
    if (!value) {
        return std::nullopt;
    }
    if (value->find('\n') != std::string::npos) {
        context.refuse(node, "an explanation is one line: write it in double quotes without line breaks "
                             "(a long one may be folded with \">-\")");
        return std::nullopt;
    }
    if (orbisk::text::TrimSpaces(*value).empty()) {
        context.refuse(node, "the explanation is empty: write it, or leave out explain");
        return std::nullopt;
    }
    return value;
}

std::optional<Item> readItem(const YAML::Node& node, const Context& context, Slot& slot) {
    if (!isMap(node)) {
        context.refuse(node, "an item must be a mapping of stem, options and key");
        return std::nullopt;
    }
    if (!knownFieldsOnly(node, context, {"stem", "options", "key", "weight", "explain"}, "an item")) {
        return std::nullopt;
    }
    Item item;
    item.where = context.at(node);
    if (auto stem = requiredText(node, "stem", context, "an item's stem")) {
        item.stem = std::move(*stem);
    }
    item.options = textList(field(node, "options"), context, "an option");
    if (item.options.empty()) {
        context.refuse(node, "an item needs its options");
    }
    const YAML::Node key = field(node, "key");
    slot.where = context.at(key.IsDefined() ? key : node);
    slot.kind = std::string(kinds::kChoice);
    slot.weight = "1";
    if (auto value = requiredText(node, "key", context, "an item's key")) {
        slot.key = std::move(*value);
    }
    if (const YAML::Node weight = field(node, "weight"); weight.IsDefined()) {
        if (auto value = text(weight, context, "the weight")) {
            slot.weight = std::move(*value);
        }
    }
    if (const YAML::Node explain = field(node, "explain"); explain.IsDefined()) {
        if (auto value = explanation(explain, fieldOrName(node, "explain"), context)) {
            slot.explanation = std::move(*value);
        }
    }
    return item;
}

void readItems(const YAML::Node& node, const YAML::Node& items, const Context& context, Question& question) {
    if (!isSequence(items) || items.size() == 0) {
        context.refuse(items, "items must be a list of questions");
        return;
    }
    for (const auto& itemNode : items) {
        Slot slot;
        if (auto item = readItem(itemNode, context, slot)) {
            question.items.push_back(std::move(*item));
            question.slots.push_back(std::move(slot));
        }
    }
    if (field(node, "key").IsDefined() || field(node, "kind").IsDefined() ||
        field(node, "weight").IsDefined()) {
        context.refuse(node,
                       "a question with items gives each item its own key; remove key, kind and weight");
    }
    if (!question.options.empty()) {
        context.refuse(field(node, "options"), "a question with items gives each item its own options");
    }
    if (field(node, "explain").IsDefined()) {
        context.refuse(fieldOrName(node, "explain"),
                       "a question with items explains each item's answer in the item: move explain there");
    }
    question.shape = Shape::Comprehension;
    if (question.passage.empty()) {
        context.refuse(node, "a question with items needs the passage they ask about");
    }
}

// The question's explanations: one text for a question of one answer slot, or
// a list with one text per slot (per gap of a cloze passage, in gap order).
void readExplanations(const YAML::Node& node, const Context& context, Question& question) {
    const YAML::Node explain = field(node, "explain");
    if (!explain.IsDefined()) {
        return;
    }
    const std::size_t count = question.slots.size();
    const std::string keys = std::to_string(count) + (count == 1 ? " key" : " keys");
    const std::string each = question.shape == Shape::Cloze ? "gap, in gap order" : "answer, in order";
    if (explain.IsSequence()) {
        if (explain.size() != count) {
            context.refuse(explain, "unequal answer counts: " + keys + " but " +
                                        std::to_string(explain.size()) +
                                        " explanations; give one explanation per " + each);
            return;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (auto value = explanation(explain[i], explain[i], context)) {
                question.slots[i].explanation = std::move(*value);
            }
        }
        return;
    }
    if (count != 1 && explain.IsScalar()) {
        context.refuse(explain, "unequal answer counts: " + keys +
                                    " but one explanation; give a list with one explanation per " + each);
        return;
    }
    if (auto value = explanation(explain, fieldOrName(node, "explain"), context)) {
        question.slots.front().explanation = std::move(*value);
    }
}

std::string defaultKindOf(Shape shape) {
    switch (shape) {
    case Shape::Choice:
        return std::string(kinds::kChoice);
    case Shape::Cloze:
        return std::string(kinds::kTyped);
    case Shape::WordOrder:
        return std::string(kinds::kSentence);
    default:
        return {};
    }
}

void readSlots(const YAML::Node& node, const Context& context, Question& question) {
    const YAML::Node keyNode = field(node, "key");
    if (!keyNode.IsDefined()) {
        context.refuse(node, "the question has no key");
        return;
    }
    const PerSlot keys = perSlot(keyNode, context, "the key");
    const PerSlot kindList = perSlot(field(node, "kind"), context, "the kind");
    const PerSlot weights = perSlot(field(node, "weight"), context, "the weight");
    const std::size_t count = keys.values.size();
    if (count == 0) {
        context.refuse(keys.node, "the key list is empty");
        return;
    }
    if (kindList.isList && kindList.values.size() != count) {
        context.refuse(kindList.node, "unequal answer counts: " + std::to_string(count) + " keys but " +
                                          std::to_string(kindList.values.size()) + " kinds");
    }
    if (weights.isList && weights.values.size() != count) {
        context.refuse(weights.node, "unequal answer counts: " + std::to_string(count) + " keys but " +
                                         std::to_string(weights.values.size()) + " weights");
    }
    const std::string defaultKind = defaultKindOf(question.shape);
    if (!kindList.node.IsDefined() && defaultKind.empty()) {
        context.refuse(node, "the question shows no options, numbered gaps or words, so its answer kind "
                             "cannot be told: add them, or say the kind (kind: Q, T, L, N, R, F, X, G or M)");
    }
    // Entries past a shorter list repeat its last; that list was refused above.
    auto pick = [](const PerSlot& list, std::size_t i, const std::string& otherwise) {
        if (list.values.empty()) {
            return otherwise;
        }
        return list.isList ? list.values[std::min(i, list.values.size() - 1)] : list.values.front();
    };
    for (std::size_t i = 0; i < count; ++i) {
        Slot slot;
        slot.where = context.at(keys.isList && i < keys.node.size() ? keys.node[i] : keys.node);
        slot.key = keys.values[i];
        slot.kind = pick(kindList, i, defaultKind);
        slot.weight = pick(weights, i, "1");
        question.slots.push_back(std::move(slot));
    }
    readExplanations(node, context, question);
}

std::optional<Question> readQuestion(const YAML::Node& node, const Context& context) {
    if (!isMap(node)) {
        context.refuse(node, "a question must be a mapping of fields");
        return std::nullopt;
    }
    if (!CheckDuplicateKeys(node, context) ||
        !knownFieldsOnly(node, context,
                         {"stem", "instruction", "options", "passage", "wordbank", "words", "items", "parts",
                          "picture", "key", "kind", "weight", "explain"},
                         "a question")) {
        return std::nullopt;
    }
    Question question;
    question.where = context.at(node);
    auto optionalText = [&](const char* name, std::string_view what, std::string& into) {
        if (const YAML::Node value = field(node, name); value.IsDefined()) {
            if (auto written = text(value, context, what)) {
                into = std::move(*written);
            }
        }
    };
    optionalText("stem", "the stem", question.stem);
    optionalText("instruction", "the instruction", question.instruction);
    optionalText("passage", "the passage", question.passage);
    optionalText("picture", "the picture", question.picture);
    question.options = textList(field(node, "options"), context, "an option");
    question.wordbank = textList(field(node, "wordbank"), context, "a word of the word bank");
    question.words = textList(field(node, "words"), context, "a word");
    question.parts = textList(field(node, "parts"), context, "a part");

    if (const YAML::Node items = field(node, "items"); items.IsDefined()) {
        readItems(node, items, context, question);
        return question;
    }
    if (!question.options.empty()) {
        question.shape = Shape::Choice;
    } else if (!question.words.empty()) {
        question.shape = Shape::WordOrder;
    } else if (!question.passage.empty() && !FindGaps(question.passage).empty()) {
        question.shape = Shape::Cloze;
    } else {
        question.shape = Shape::Free;
    }
    readSlots(node, context, question);
    return question;
}

// Runs @p read on a scope of its own and keeps only its first refusal: later
// ones follow from the first and would mislead.
template <typename Read> auto firstRefusalOnly(const Context& context, Read read) {
    std::vector<Problem> own;
    const Context scoped{context.file, own};
    auto result = read(scoped);
    if (!own.empty()) {
        context.problems.push_back(std::move(own.front()));
        result.reset();
    }
    return result;
}

std::optional<YAML::Node> parse(const fs::path& file, std::string_view yaml, std::vector<Problem>& problems) {
    try {
        return YAML::Load(std::string(yaml));
    } catch (const YAML::Exception& error) {
        problems.push_back({{file, std::max(error.mark.line + 1, 1)}, error.msg});
    }
    return std::nullopt;
}

std::optional<std::string> readSource(const fs::path& file, std::vector<Problem>& problems) {
    try {
        return files::ReadWholeFile(file);
    } catch (const DataError& error) {
        problems.push_back({{file, 0}, error.problem()});
    }
    return std::nullopt;
}

std::optional<Paper> readPaperDocument(const YAML::Node& document, const Context& context) {
    if (!isMap(document)) {
        context.refuse(document, "a paper file must be a mapping with paper and questions");
        return std::nullopt;
    }
    const bool sound = CheckDuplicateKeys(document, context, "questions");
    if (!knownFieldsOnly(document, context, {"paper", "instruction", "questions"}, "a paper") || !sound) {
        return std::nullopt;
    }
    Paper paper;
    paper.where = context.at(document);
    if (const auto value = requiredNumber(document, "paper", context, "the paper number")) {
        paper.number = *value;
        paper.where = context.at(field(document, "paper"));
    }
    if (const YAML::Node instruction = field(document, "instruction"); instruction.IsDefined()) {
        if (auto value = text(instruction, context, "the instruction")) {
            paper.instruction = std::move(*value);
        }
    }
    const YAML::Node questions = field(document, "questions");
    if (!questions.IsDefined()) {
        refuseMissing(document, "questions", context, "the paper's list of questions");
        return paper;
    }
    if (!isSequence(questions) || questions.size() == 0) {
        context.refuse(fieldOrName(document, "questions"), "a paper needs a list of questions");
        return paper;
    }
    for (const auto& node : questions) {
        auto question = firstRefusalOnly(context, [&](const Context& scoped) {
            try {
                return readQuestion(node, scoped);
            } catch (const YAML::Exception& error) {
                scoped.refuse(node, "the question cannot be read: " + error.msg);
                return std::optional<Question>();
            }
        });
        if (question) {
            paper.questions.push_back(std::move(*question));
        }
    }
    return paper;
}

std::optional<Section> readSection(const YAML::Node& node, const Context& context) {
    if (!isMap(node)) {
        context.refuse(node, "a section must be a mapping of number, label and topics");
        return std::nullopt;
    }
    if (!knownFieldsOnly(node, context, {"number", "label", "topics"}, "a section")) {
        return std::nullopt;
    }
    Section section;
    section.where = context.at(node);
    if (const auto value = requiredNumber(node, "number", context, "the section's number")) {
        section.number = *value;
    }
    if (auto value = requiredText(node, "label", context, "the section's label")) {
        section.label = std::move(*value);
    }
    section.topics = textList(field(node, "topics"), context, "a topic name");
    return section;
}

void readProductDocument(const YAML::Node& document, const Context& context, Product& product) {
    if (!isMap(document)) {
        context.refuse(document, "product.yaml must be a mapping of name, code, picture and sections");
        return;
    }
    const bool sound = CheckDuplicateKeys(document, context);
    if (!knownFieldsOnly(document, context, {"name", "code", "picture", "sections"}, "product.yaml") ||
        !sound) {
        return;
    }
    if (auto value = requiredText(document, "name", context, "the product name")) {
        product.name = std::move(*value);
    }
    if (auto value = requiredText(document, "code", context, "the product code")) {
        product.code = std::move(*value);
    }
    if (auto value = requiredText(document, "picture", context, "the product picture")) {
        product.picture = std::move(*value);
    }
    const YAML::Node sections = field(document, "sections");
    if (!sections.IsDefined()) {
        refuseMissing(document, "sections", context, "the product's list of sections");
        return;
    }
    if (!isSequence(sections) || sections.size() == 0) {
        context.refuse(fieldOrName(document, "sections"), "product.yaml needs a list of sections");
        return;
    }
    for (const auto& node : sections) {
        if (auto section =
                firstRefusalOnly(context, [&](const Context& scoped) { return readSection(node, scoped); })) {
            product.sections.push_back(std::move(*section));
        }
    }
    std::sort(product.sections.begin(), product.sections.end(),
              [](const Section& a, const Section& b) { return a.number < b.number; });
}

// "p101.yaml" gives 101.
std::optional<int> paperNumberOfFile(const fs::path& file) {
    const std::string name = file.filename().string();
    if (name.size() != 9 || name[0] != 'p' || name.substr(4) != ".yaml") {
        return std::nullopt;
    }
    int number = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + 4, number);
    if (error != std::errc() || end != name.data() + 4 || name[1] == '+' || name[1] == '-') {
        return std::nullopt;
    }
    return number;
}

void readSectionPapers(const fs::path& root, Section& section, std::vector<Problem>& problems) {
    const fs::path folder = root / ("section" + std::to_string(section.number));
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return; // a section with no papers written yet
    }
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) {
            files.push_back(it->path());
        }
    }
    if (ec) {
        problems.push_back({{folder, 0}, "the folder cannot be read: " + ec.message()});
        return;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const auto expected = paperNumberOfFile(file);
        if (!expected) {
            problems.push_back(
                {{file, 0}, "a paper file is named p<paper number>.yaml, for example p101.yaml"});
            continue;
        }
        const auto source = readSource(file, problems);
        if (!source) {
            continue;
        }
        auto paper = ReadPaperText(file, *source, problems);
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
    std::sort(section.papers.begin(), section.papers.end(),
              [](const Paper& a, const Paper& b) { return a.number < b.number; });
}

} // namespace

Product ReadProductText(const fs::path& file, std::string_view yaml, std::vector<Problem>& problems) {
    Product product;
    product.root = file.parent_path();
    product.where = {file, 1};
    const auto document = parse(file, yaml, problems);
    if (!document) {
        return product;
    }
    const Context context{file, problems};
    try {
        readProductDocument(*document, context, product);
    } catch (const YAML::Exception& error) {
        context.refuse(*document, "the file cannot be read: " + error.msg);
    }
    return product;
}

std::optional<Paper> ReadPaperText(const fs::path& file, std::string_view yaml,
                                   std::vector<Problem>& problems) {
    const auto document = parse(file, yaml, problems);
    if (!document) {
        return std::nullopt;
    }
    const Context context{file, problems};
    try {
        return readPaperDocument(*document, context);
    } catch (const YAML::Exception& error) {
        context.refuse(*document, "the file cannot be read: " + error.msg);
    }
    return std::nullopt;
}

Product ReadBank(const fs::path& root, std::vector<Problem>& problems) {
    const fs::path file = root / "product.yaml";
    const auto source = readSource(file, problems);
    if (!source) {
        Product product;
        product.root = root;
        product.where = {file, 1};
        return product;
    }
    Product product = ReadProductText(file, *source, problems);
    product.root = root;
    for (Section& section : product.sections) {
        readSectionPapers(root, section, problems);
    }
    return product;
}

} // namespace orbisk::bankc
