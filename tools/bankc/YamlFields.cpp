#include "YamlFields.h"

#include "core/text/CleanText.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace orbisk::bankc::fields {

namespace {

// Deeper nesting than any bank needs; a guard against aliases that refer to
// themselves, which make the document a cycle.
constexpr int kDeepestNesting = 32;
// Nodes visited by the duplicate-key check; aliases can make a small file a huge tree.
constexpr long kMostVisits = 200000;
// A quoted text in a message shows at most this many bytes around what it points at.
constexpr std::size_t kQuoteWindow = 24;

// A short stretch of @p value around @p offset, for quoting in a message.
std::string excerpt(const std::string& value, std::size_t offset) {
    const std::size_t from = offset > kQuoteWindow ? offset - kQuoteWindow : 0;
    const std::size_t to = std::min(value.size(), offset + kQuoteWindow);
    return (from > 0 ? "..." : "") + value.substr(from, to - from) + (to < value.size() ? "..." : "");
}

// Every mapping under @p node, checked for a key written twice. @p skip names
// a field of @p node whose value is checked elsewhere.
class DuplicateKeys {
public:
    explicit DuplicateKeys(const Context& context) : m_context(context) {}

    // False when the document nests too deeply or is too large to check.
    bool Check(const YAML::Node& node, const char* skip = nullptr) { return visit(node, 0, skip); }

private:
    bool visit(const YAML::Node& node, int depth, const char* skip) {
        if (!node.IsDefined() || !(node.IsMap() || node.IsSequence())) {
            return true;
        }
        if (depth > kDeepestNesting || ++m_visits > kMostVisits) {
            m_context.refuse(node, depth > kDeepestNesting
                                       ? "the text nests too deeply (an alias that refers to itself?)"
                                       : "the text is too large to read (aliases repeated too often?)");
            return false;
        }
        if (node.IsSequence()) {
            for (const auto& child : node) {
                if (!visit(child, depth + 1, nullptr)) {
                    return false;
                }
            }
            return true;
        }
        std::set<std::string> seen;
        for (auto it = node.begin(); it != node.end(); ++it) {
            const std::string key = keyName(it->first);
            if (!seen.insert(key).second) {
                m_context.refuse(it->first, "the key \"" + key + "\" appears twice in this mapping");
            }
            if (skip != nullptr && key == skip) {
                continue;
            }
            if (!visit(it->second, depth + 1, nullptr)) {
                return false;
            }
        }
        return true;
    }

    const Context& m_context;
    long m_visits = 0;
};

} // namespace

Where Context::at(const YAML::Node& node) const {
    const int line = node.IsDefined() ? node.Mark().line + 1 : 0;
    return {file, std::max(line, 1)};
}

void Context::refuse(const YAML::Node& node, std::string message) const {
    problems.push_back({at(node), std::move(message)});
}

// yaml-cpp throws for a type question asked of a node that is not there, so
// every question goes through these.
bool isMap(const YAML::Node& node) {
    return node.IsDefined() && node.IsMap();
}

bool isSequence(const YAML::Node& node) {
    return node.IsDefined() && node.IsSequence();
}

bool isScalar(const YAML::Node& node) {
    return node.IsDefined() && node.IsScalar();
}

// The field of a mapping, or an undefined node when it is absent.
YAML::Node field(const YAML::Node& map, const char* name) {
    return isMap(map) ? map[name] : YAML::Node(YAML::NodeType::Undefined);
}

// Where to point at a field's value: the value itself, or the line of its name
// when the value is empty (an empty value has the line after it).
YAML::Node fieldOrName(const YAML::Node& map, const char* name) {
    const YAML::Node value = field(map, name);
    if (value.IsDefined() && value.IsNull()) {
        for (auto it = map.begin(); it != map.end(); ++it) {
            if (isScalar(it->first) && it->first.Scalar() == name) {
                return it->first;
            }
        }
    }
    return value;
}

std::string keyName(const YAML::Node& key) {
    return isScalar(key) ? key.Scalar() : std::string("(a list or mapping)");
}

bool CheckDuplicateKeys(const YAML::Node& node, const Context& context, const char* skip) {
    return DuplicateKeys(context).Check(node, skip);
}

// The text of a scalar as written; a refusal for anything else, and for text
// that is not clean UTF-8 (line breaks of a block of text are allowed).
std::optional<std::string> text(const YAML::Node& node, const Context& context, std::string_view what) {
    if (!node.IsDefined()) {
        return std::nullopt;
    }
    if (node.IsScalar()) {
        const std::string& value = node.Scalar();
        if (const auto flaw = orbisk::text::FindTextFlaw(value, true)) {
            context.refuse(node, std::string(what) + " holds " + orbisk::text::DescribeFlaw(*flaw) + ": \"" +
                                     excerpt(value, flaw->offset) + "\"");
            return std::nullopt;
        }
        return value;
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
        context.refuse(node,
                       std::string(what) + " must be a whole number, not \"" + excerpt(*written, 0) + "\"");
        return std::nullopt;
    }
    return value;
}

void refuseMissing(const YAML::Node& map, const char* name, const Context& context, std::string_view what) {
    context.refuse(map, std::string(what) + " is missing (field \"" + name + "\")");
}

// A field the mapping must have: its text, or a refusal naming what is missing.
std::optional<std::string> requiredText(const YAML::Node& map, const char* name, const Context& context,
                                        std::string_view what) {
    const YAML::Node node = field(map, name);
    if (!node.IsDefined()) {
        refuseMissing(map, name, context, what);
        return std::nullopt;
    }
    return text(node, context, what);
}

std::optional<int> requiredNumber(const YAML::Node& map, const char* name, const Context& context,
                                  std::string_view what) {
    const YAML::Node node = field(map, name);
    if (!node.IsDefined()) {
        refuseMissing(map, name, context, what);
        return std::nullopt;
    }
    return number(node, context, what);
}

// A field that is a list of texts, or absent (an empty list).
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

// Refuses the fields of @p node not in @p known; true when there were none.
bool knownFieldsOnly(const YAML::Node& node, const Context& context,
                     std::initializer_list<std::string_view> known, std::string_view where) {
    if (!isMap(node)) {
        return true;
    }
    bool clean = true;
    for (auto it = node.begin(); it != node.end(); ++it) {
        const std::string key = keyName(it->first);
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            context.refuse(it->first, "unknown field \"" + key + "\" in " + std::string(where));
            clean = false;
        }
    }
    return clean;
}

} // namespace orbisk::bankc::fields
