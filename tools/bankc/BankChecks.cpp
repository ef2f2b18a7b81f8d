#include "BankChecks.h"

#include "Gaps.h"
#include "core/Errors.h"
#include "core/formats/PictureHeader.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/product/AnswerKinds.h"
#include "core/product/BankNumbers.h"
#include "core/product/ProductCode.h"
#include "core/product/SkinTable.h"
#include "core/product/Weights.h"
#include "core/text/TextForms.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>

namespace orbisk::bankc {

namespace {

namespace fs = std::filesystem;

std::string normalised(std::string_view text) {
    std::string out;
    bool space = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            space = !out.empty();
            continue;
        }
        if (space) {
            out += ' ';
            space = false;
        }
        out += static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
    }
    return out;
}

bool isPositiveWeight(std::string_view text) {
    const auto weight = weights::ParseWeight(text);
    return weight && weight->units > 0;
}

class Checker {
public:
    explicit Checker(std::vector<Problem>& problems) : m_problems(problems) {}

    void refuse(const Where& where, std::string message) {
        m_problems.push_back({where, std::move(message)});
    }

    void storable(const Where& where, std::string_view what, std::string_view value) {
        if (!records::IsStorableValue(value)) {
            refuse(where,
                   std::string(what) + " \"" + std::string(value) +
                       "\" holds \">\", \"#\" or a line break, which the program's files cannot store");
        }
    }

    void product(const Product& product) {
        if (product.name.empty()) {
            refuse(product.where, "the product needs a name");
        }
        storable(product.where, "the product name", product.name);
        if (!orbisk::product::IsValidProductCode(product.code)) {
            refuse(product.where,
                   "the product code must be one to eight capital letters, not \"" + product.code + "\"");
        }
        if (product.picture.empty()) {
            refuse(product.where, "the product needs a picture, shown on every page");
        } else {
            picture(product, product.where, product.picture);
        }
        std::set<int> numbers;
        for (const Section& section : product.sections) {
            if (section.number < 1 || section.number > bank::kMaxSections) {
                refuse(section.where, "a section is numbered 1, 2 or 3");
            } else if (!numbers.insert(section.number).second) {
                refuse(section.where, "section " + std::to_string(section.number) + " is listed twice");
            }
            if (section.label.empty()) {
                refuse(section.where, "a section needs a label (the caption of its tab)");
            }
            storable(section.where, "the label", section.label);
            if (section.topics.size() > static_cast<std::size_t>(bank::kMaxTopics)) {
                refuse(section.where, "a section has at most ten topics");
            }
            for (const std::string& topic : section.topics) {
                if (topic.empty()) {
                    refuse(section.where, "a topic name is empty");
                }
                storable(section.where, "the topic name", topic);
            }
            topics(section);
            for (const Paper& paper : section.papers) {
                this->paper(product, paper);
            }
        }
    }

    void picture(const Product& product, const Where& where, const std::string& name) {
        std::error_code ec;
        const fs::path path = product.root / "pictures" / name;
        if (name.find("..") != std::string::npos || !fs::is_regular_file(path, ec)) {
            refuse(where, "the picture \"" + name + "\" is not in " + (product.root / "pictures").string());
            return;
        }
        const std::string extension = fs::path(name).extension().string();
        if (extension != ".png" && extension != ".gif" && extension != ".jpg" && extension != ".jpeg") {
            refuse(where, "a picture must be a PNG, GIF or JPEG file");
            return;
        }
        twin(where, path);
    }

    // A picture's twin NAME@2x.EXT, when there is one, is what screens with a
    // device pixel ratio above 1 show in its place: it must be the same kind
    // of picture with exactly twice the pixels each way, or the page would move.
    void twin(const Where& where, const fs::path& path) {
        std::error_code ec;
        const fs::path twinPath = path.parent_path() / skin::TwinFileName(path.filename().string());
        if (!fs::is_regular_file(twinPath, ec)) {
            return;
        }
        std::optional<skin::PixelSize> size;
        std::optional<skin::PixelSize> twinSize;
        try {
            size = skin::ReadPageImageSize(files::ReadWholeFile(path));
            twinSize = skin::ReadPageImageSize(files::ReadWholeFile(twinPath));
        } catch (const Error& error) {
            refuse(where, error.what());
            return;
        }
        if (!size || !twinSize || twinSize->width != 2 * size->width ||
            twinSize->height != 2 * size->height) {
            const std::string wanted =
                size ? std::to_string(2 * size->width) + "x" + std::to_string(2 * size->height)
                     : "twice as large";
            const std::string found =
                twinSize ? std::to_string(twinSize->width) + "x" + std::to_string(twinSize->height)
                         : "unreadable";
            refuse(where, "the picture's twin " + twinPath.filename().string() +
                              " must be the picture with twice "
                              "its pixels each way (" +
                              wanted + "), not " + found);
        }
    }

    void topics(const Section& section) {
        std::map<int, std::vector<const Paper*>> papersOfTopic;
        for (const Paper& paper : section.papers) {
            if (paper.number < 101 || paper.number > 100 + bank::kMaxPapers) {
                refuse(paper.where, "papers are numbered 101 to 150");
                continue;
            }
            papersOfTopic[bank::TopicOfPaper(paper.number)].push_back(&paper);
        }
        int expected = 1;
        for (const auto& [topic, papers] : papersOfTopic) {
            const Where& where = papers.front()->where;
            if (topic != expected) {
                refuse(where, "section " + std::to_string(section.number) + " has papers of topic " +
                                  std::to_string(topic) + " but none of topic " + std::to_string(expected) +
                                  "; topics are written in order from 1");
                expected = topic;
            }
            if (papers.size() != static_cast<std::size_t>(bank::kPapersPerTopic)) {
                std::string have;
                for (const Paper* paper : papers) {
                    have += (have.empty() ? "" : ", ") + std::to_string(paper->number);
                }
                refuse(where, "topic " + std::to_string(topic) + " of section " +
                                  std::to_string(section.number) + " is not complete: it needs papers " +
                                  std::to_string(bank::PaperNumber(topic, 1)) + " to " +
                                  std::to_string(bank::PaperNumber(topic, 5)) + " and has " + have);
            }
            if (topic > static_cast<int>(section.topics.size())) {
                refuse(where, "papers of topic " + std::to_string(topic) + " are written but section " +
                                  std::to_string(section.number) + " names only " +
                                  std::to_string(section.topics.size()) + " topics");
            }
            ++expected;
        }
    }

    void paper(const Product& product, const Paper& paper) {
        std::size_t answers = 0;
        std::vector<std::string> weightsOfPaper;
        bool allSingleChoice = true;
        std::size_t mostOptions = 0;
        std::map<int, int> keySpread;
        for (std::size_t q = 0; q < paper.questions.size(); ++q) {
            const Question& question = paper.questions[q];
            // One refusal per question: the first; the others would follow from it.
            const std::size_t before = m_problems.size();
            this->question(product, question);
            if (m_problems.size() > before + 1) {
                m_problems.resize(before + 1);
            }
            answers += question.slots.size();
            for (const Slot& slot : question.slots) {
                weightsOfPaper.push_back(slot.weight);
            }
            if (question.shape == Shape::Choice && question.slots.size() == 1) {
                mostOptions = std::max(mostOptions, question.options.size());
                int key = 0;
                std::from_chars(question.slots[0].key.data(),
                                question.slots[0].key.data() + question.slots[0].key.size(), key);
                ++keySpread[key];
            } else {
                allSingleChoice = false;
            }
        }
        if (paper.questions.size() > static_cast<std::size_t>(bank::kMaxQuestionsPerPaper)) {
            refuse(paper.where,
                   "a paper has at most " + std::to_string(bank::kMaxQuestionsPerPaper) + " questions");
        }
        const long long roundedTotal = weights::TotalMarks(weightsOfPaper);
        if (answers > static_cast<std::size_t>(bank::kMaxAnswersPerPaper)) {
            refuse(paper.where, "the paper has " + std::to_string(answers) +
                                    " answers; a paper has at most " +
                                    std::to_string(bank::kMaxAnswersPerPaper));
        }
        if (!paper.questions.empty() && roundedTotal <= 0) {
            refuse(paper.where, "the paper's total marks would be 0; give its answers larger weights");
        }
        if (roundedTotal > weights::kMaxTotalMarks) {
            refuse(paper.where, "the paper's total marks are larger than the program can hold");
        }
        if (allSingleChoice && !paper.questions.empty() && mostOptions > 0) {
            int fewest = static_cast<int>(paper.questions.size());
            int most = 0;
            std::string spread;
            for (int option = 1; option <= static_cast<int>(mostOptions); ++option) {
                const int count = keySpread[option];
                fewest = std::min(fewest, count);
                most = std::max(most, count);
                spread +=
                    (spread.empty() ? "" : ", ") + std::to_string(option) + ": " + std::to_string(count);
            }
            if (most - fewest > 1) {
                refuse(paper.where, "the right option's number is not spread evenly over the paper (" +
                                        spread +
                                        "); each number should be right about as often as the others");
            }
        }
    }

    void choiceKey(const Where& where, const std::string& key, std::size_t options) {
        int value = 0;
        const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), value);
        if (error != std::errc() || end != key.data() + key.size() || value < 1 ||
            value > static_cast<int>(options)) {
            refuse(where,
                   "the key \"" + key + "\" is not one of the " + std::to_string(options) + " options shown");
        }
    }

    void options(const Where& where, const std::vector<std::string>& options) {
        if (options.size() < 2 || options.size() > 6) {
            refuse(where, "a multiple-choice question shows two to six options, not " +
                              std::to_string(options.size()));
        }
        std::set<std::string> seen;
        for (const std::string& option : options) {
            const std::string written = normalised(option);
            if (written.empty()) {
                refuse(where, "an option is empty");
            } else if (!seen.insert(written).second) {
                refuse(where, "the option \"" + option + "\" is shown twice");
            }
        }
    }

    void question(const Product& product, const Question& question) {
        const std::string stem = stemOf(question);
        if (!stem.empty()) {
            const auto [it, fresh] = m_stems.emplace(stem, question.where);
            if (!fresh) {
                refuse(question.where, "this question repeats the one at " + it->second.file.string() + ":" +
                                           std::to_string(it->second.line));
            }
        } else {
            refuse(question.where, "the question shows nothing: give it a stem, a passage or words");
        }
        if (!question.picture.empty()) {
            picture(product, question.where, question.picture);
        }
        if (question.slots.empty()) {
            return;
        }
        if (question.slots.size() > static_cast<std::size_t>(bank::kMaxAnswersPerQuestion)) {
            refuse(question.where, "the question has " + std::to_string(question.slots.size()) +
                                       " answers; a question has at most " +
                                       std::to_string(bank::kMaxAnswersPerQuestion));
        }
        if (question.shape == Shape::Choice) {
            options(question.where, question.options);
        }
        for (const Item& item : question.items) {
            options(item.where, item.options);
            if (item.stem.empty()) {
                refuse(item.where, "an item needs a stem");
            }
        }
        if (question.shape == Shape::Cloze) {
            gaps(question);
            wordBox(question);
        }
        if (question.shape == Shape::WordOrder) {
            wordOrder(question);
        }
        if (!question.parts.empty() && question.parts.size() != question.slots.size()) {
            refuse(question.where, "the question shows " + std::to_string(question.parts.size()) +
                                       " parts for " + std::to_string(question.slots.size()) + " answers");
        }
        for (std::size_t i = 0; i < question.slots.size(); ++i) {
            slot(question, i);
        }
    }

    void slot(const Question& question, std::size_t i) {
        const Slot& slot = question.slots[i];
        storable(slot.where, "the key", slot.key);
        storable(slot.where, "the kind", slot.kind);
        storable(slot.where, "the weight", slot.weight);
        if (!kinds::IsKnown(slot.kind)) {
            std::string known;
            for (const char letter : kinds::kKnownKinds) {
                known += (known.empty() ? "" : ", ") + std::string(1, letter);
            }
            refuse(slot.where, "the kind \"" + slot.kind + "\" is not one of " + known);
            return;
        }
        if (!isPositiveWeight(slot.weight)) {
            refuse(slot.where, "the weight \"" + slot.weight + "\" is not a positive number");
        }
        if (kinds::IsGrouped(slot.kind)) {
            groupKey(question, i);
            return;
        }
        if (orbisk::text::TrimSpaces(slot.key).empty()) {
            refuse(slot.where, "the key is empty");
            return;
        }
        if (kinds::TakesOneCharacter(slot.kind)) {
            if (question.shape == Shape::Comprehension) {
                choiceKey(slot.where, slot.key, question.items[i].options.size());
            } else if (question.shape == Shape::Choice) {
                choiceKey(slot.where, slot.key, question.options.size());
            } else {
                refuse(slot.where, "a kind Q answer is an option number, but the question shows no options");
            }
        } else if (kinds::IsNumeric(slot.kind)) {
            if (!orbisk::text::ParseStoredNumber(slot.key)) {
                refuse(slot.where, "the key \"" + slot.key + "\" of a kind N answer is not a number");
            }
        }
    }

    void groupKey(const Question& question, std::size_t i) {
        const Slot& slot = question.slots[i];
        if (slot.key == kinds::kGroupContinuation) {
            const bool follows = i > 0 && kinds::IsGrouped(question.slots[i - 1].kind);
            if (!follows) {
                refuse(slot.where, "a group slot whose key is one space must follow the group's first slot");
            }
            return;
        }
        if (slot.key.empty() || slot.key.front() != kinds::kAlternativeMark) {
            refuse(slot.where, "a " + slot.kind +
                                   " key lists its answers each introduced by \";\" (\";red;blue\"), " +
                                   "and a later slot of the group has the key \" \" (one space)");
            return;
        }
        for (const std::string& alternative : kinds::SplitAlternatives(slot.key)) {
            if (orbisk::text::TrimSpaces(alternative).empty()) {
                refuse(slot.where, "the " + slot.kind + " key \"" + slot.key + "\" has an empty answer");
                return;
            }
        }
    }

    // A word box offers every gap's word once, plus spare words that fit no gap.
    void wordBox(const Question& question) {
        if (question.wordbank.empty()) {
            return;
        }
        std::set<std::string> box;
        for (const std::string& word : question.wordbank) {
            if (!box.insert(word).second) {
                refuse(question.where, "the word box shows \"" + word + "\" twice");
            }
        }
        std::set<std::string> used;
        for (const Slot& slot : question.slots) {
            if (box.count(slot.key) == 0) {
                refuse(slot.where, "the key \"" + slot.key + "\" is not in the word box");
            } else if (!used.insert(slot.key).second) {
                refuse(slot.where,
                       "the key \"" + slot.key + "\" is used for two gaps; each box word is used once");
            }
        }
        if (question.wordbank.size() <= question.slots.size()) {
            refuse(question.where, "the word box needs more words than gaps (spare words that fit no gap)");
        }
    }

    void gaps(const Question& question) {
        const std::vector<Gap> found = FindGaps(question.passage);
        bool inOrder = found.size() == question.slots.size();
        for (std::size_t i = 0; inOrder && i < found.size(); ++i) {
            inOrder = found[i].number == static_cast<int>(i + 1);
        }
        if (!inOrder) {
            std::string shown;
            for (std::size_t i = 0; i < found.size() && shown.size() < 80; ++i) {
                const std::string& digits = found[i].digits;
                shown += (shown.empty() ? "" : " ") +
                         ("[" + (digits.size() > 12 ? digits.substr(0, 12) + "..." : digits) + "]");
            }
            refuse(question.where, "the passage's gaps (" + shown + ") do not match its " +
                                       std::to_string(question.slots.size()) +
                                       " answers: number them [1] to [" +
                                       std::to_string(question.slots.size()) + "] in order");
        }
    }

    void wordOrder(const Question& question) {
        for (const Slot& slot : question.slots) {
            std::string sentence = slot.key;
            const bool marked =
                !sentence.empty() && std::string_view(".?!").find(sentence.back()) != std::string_view::npos;
            if (!marked) {
                refuse(slot.where, "the key \"" + slot.key +
                                       "\" must end with its full stop, question mark or exclamation mark");
                continue;
            }
            sentence.pop_back();
            if (sentence.empty() || !(sentence.front() >= 'A' && sentence.front() <= 'Z')) {
                refuse(slot.where, "the key \"" + slot.key + "\" must start with a capital letter");
                continue;
            }
            std::vector<std::string> keyWords;
            std::size_t at = 0;
            bool spaced = true;
            while (at <= sentence.size()) {
                const std::size_t space = sentence.find(' ', at);
                const std::string word =
                    sentence.substr(at, space == std::string::npos ? std::string::npos : space - at);
                if (word.empty()) {
                    spaced = false;
                }
                keyWords.push_back(word);
                if (space == std::string::npos) {
                    break;
                }
                at = space + 1;
            }
            // The jumble shows the first word in lower case unless it is a name or "I".
            std::vector<std::string> lowered = keyWords;
            lowered.front().front() = orbisk::text::LowerAscii(lowered.front().front());
            std::vector<std::string> shown = question.words;
            std::sort(shown.begin(), shown.end());
            std::sort(keyWords.begin(), keyWords.end());
            std::sort(lowered.begin(), lowered.end());
            if (!spaced || (shown != keyWords && shown != lowered)) {
                refuse(slot.where,
                       "the key \"" + slot.key +
                           "\" does not use exactly the words shown, each once, joined by single spaces");
            }
        }
    }

    static std::string stemOf(const Question& question) {
        switch (question.shape) {
        case Shape::Cloze:
        case Shape::Comprehension:
            return normalised(question.passage);
        case Shape::WordOrder: {
            std::string joined;
            for (const std::string& word : question.words) {
                joined += word + " ";
            }
            return normalised(question.stem + " " + joined);
        }
        default:
            return normalised(question.stem + (question.passage.empty() ? "" : " " + question.passage));
        }
    }

private:
    std::vector<Problem>& m_problems;
    std::map<std::string, Where> m_stems;
};

} // namespace

std::vector<Problem> CheckBank(const Product& product) {
    std::vector<Problem> problems;
    Checker checker(problems);
    checker.product(product);
    return problems;
}

} // namespace orbisk::bankc
