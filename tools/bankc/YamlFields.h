#pragma once

#include "BankModel.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <yaml-cpp/yaml.h>

/// Reading the fields of a YAML source safely: yaml-cpp throws when a type is
/// asked of a node that is not there, so every question about a node goes
/// through these, and every answer that is not what the bank needs becomes a
/// refusal with the source's file and line.
namespace orbisk::bankc::fields {

/// The source being read and the refusals collected for it.
struct Context {
    std::filesystem::path file;
    std::vector<Problem>& problems;

    /// The node's line, or line 1 for a node without one (an empty document).
    Where at(const YAML::Node& node) const;
    void refuse(const YAML::Node& node, std::string message) const;
};

bool isMap(const YAML::Node& node);
bool isSequence(const YAML::Node& node);
bool isScalar(const YAML::Node& node);

/// The field of a mapping, or an undefined node when it is absent.
YAML::Node field(const YAML::Node& map, const char* name);

/// Where to point at a field's value: the value itself, or the line of its
/// name when the value is empty (an empty value has the line after it).
YAML::Node fieldOrName(const YAML::Node& map, const char* name);

/// A mapping key as text; "(a list or mapping)" for a key that is not one text.
std::string keyName(const YAML::Node& key);

/// Refuses every key written twice in a mapping under @p node, not looking
/// into the field @p skip of @p node (checked elsewhere). Refuses nesting deeper
/// than any bank needs (an alias that refers to itself makes a cycle) and
/// documents that aliases blow up; false then, and nothing more should be read.
bool CheckDuplicateKeys(const YAML::Node& node, const Context& context, const char* skip = nullptr);

/// The text of a scalar as written; a refusal for anything else, and for text
/// that is not clean UTF-8 (the line breaks of a block of text are allowed).
/// Empty for an undefined node, without a refusal.
std::optional<std::string> text(const YAML::Node& node, const Context& context, std::string_view what);

/// A whole number written as a scalar; a refusal for anything else.
std::optional<int> number(const YAML::Node& node, const Context& context, std::string_view what);

/// Refuses the absence of the field @p name of @p map, naming it.
void refuseMissing(const YAML::Node& map, const char* name, const Context& context, std::string_view what);

/// A field the mapping must have: its text or number, or a refusal naming what is missing.
std::optional<std::string> requiredText(const YAML::Node& map, const char* name, const Context& context,
                                        std::string_view what);
std::optional<int> requiredNumber(const YAML::Node& map, const char* name, const Context& context,
                                  std::string_view what);

/// A field that is a list of texts, or absent (an empty list).
std::vector<std::string> textList(const YAML::Node& node, const Context& context, std::string_view what);

/// Refuses the fields of @p node not in @p known; true when there were none.
bool knownFieldsOnly(const YAML::Node& node, const Context& context,
                     std::initializer_list<std::string_view> known, std::string_view where);

} // namespace orbisk::bankc::fields
