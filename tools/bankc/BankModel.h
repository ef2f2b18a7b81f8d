#pragma once

#include <filesystem>
#include <string>
#include <vector>

/// The question bank as its authors wrote it, read from the YAML sources.
namespace orbisk::bankc {

/// Where something was written: a source file and a line (1-based).
struct Where {
    std::filesystem::path file;
    int line = 0;
};

/// A refusal of the sources, shown as "file:line: message".
struct Problem {
    Where where;
    std::string message;
};

std::string Describe(const Problem& problem);

/// One answer slot: what is right, how it is marked and what it is worth.
struct Slot {
    std::string key;
    std::string kind;
    std::string weight;
    std::string explanation; ///< why the key is right, shown after marking; empty when none
    Where where;
};

/// A question about a reading passage: its own stem, options and key.
struct Item {
    std::string stem;
    std::vector<std::string> options;
    Where where;
};

enum class Shape {
    Choice,        ///< a stem and numbered options
    Cloze,         ///< a passage with numbered gaps
    WordOrder,     ///< jumbled words making one sentence
    Comprehension, ///< a passage and its items
    Free,          ///< a stem, optional part prompts and answers of any kind
};

struct Question {
    Where where;
    Shape shape = Shape::Free;
    std::string stem;
    std::string instruction;
    std::string passage;
    std::string picture;
    std::vector<std::string> options;
    std::vector<std::string> wordbank;
    std::vector<std::string> words;
    std::vector<std::string> parts;
    std::vector<Item> items;
    std::vector<Slot> slots;
};

struct Paper {
    int number = 0;
    Where where;
    std::string instruction;
    std::vector<Question> questions;
};

struct Section {
    int number = 0;
    std::string label;
    std::vector<std::string> topics;
    Where where;
    std::vector<Paper> papers; ///< ascending paper number
};

struct Product {
    std::filesystem::path root; ///< the bank folder
    std::string name;
    std::string code;
    std::string picture; ///< a file in root/pictures shown on every page
    Where where;
    std::vector<Section> sections; ///< ascending section number
};

} // namespace orbisk::bankc
