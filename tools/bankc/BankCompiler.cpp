#include "BankCompiler.h"

#include "BankChecks.h"
#include "PageHtml.h"
#include "core/Errors.h"
#include "core/formats/PictureHeader.h"
#include "core/formats/mht/Mht.h"
#include "core/io/FileIO.h"
#include "core/product/BankNumbers.h"
#include "core/product/Config.h"
#include "core/product/Explanations.h"
#include "core/product/ResourceIds.h"
#include "core/product/SectionTables.h"
#include "core/product/SkinTable.h"
#include "core/results/ResultsTemplates.h"

#include <algorithm>

namespace orbisk::bankc {

namespace {

namespace fs = std::filesystem;

int topicCount(const Section& section) {
    return static_cast<int>(section.papers.size()) / bank::kPapersPerTopic;
}

std::string contentTypeOf(const fs::path& file) {
    const std::string extension = file.extension().string();
    if (extension == ".gif") {
        return "image/gif";
    }
    if (extension == ".jpg" || extension == ".jpeg") {
        return "image/jpeg";
    }
    return "image/png";
}

std::string readPicture(const Product& product, const std::string& name) {
    return files::ReadWholeFile(product.root / "pictures" / name);
}

// The picture's part, and its twin's where bank/pictures holds NAME@2x.EXT
// (the checks made sure it is the same picture at twice the size).
void addPicture(const Product& product, const std::string& name, const std::string& location,
                const std::string& contentId, std::vector<mht::OutPart>& parts) {
    parts.push_back({contentTypeOf(name), location, contentId, readPicture(product, name)});
    const std::string twin = skin::TwinFileName(name);
    std::error_code ec;
    if (fs::is_regular_file(product.root / "pictures" / twin, ec)) {
        const std::string twinId = contentId.empty() ? "" : mht::TwinReference("cid:" + contentId).substr(4);
        parts.push_back({contentTypeOf(name), location.empty() ? "" : mht::TwinReference(location), twinId,
                         readPicture(product, twin)});
    }
}

std::vector<tables::PaperEntry> paperEntries(const Section& section) {
    std::vector<tables::PaperEntry> papers;
    for (const Paper& paper : section.papers) {
        tables::PaperEntry entry{paper.number, {}};
        for (std::size_t q = 0; q < paper.questions.size(); ++q) {
            const Question& source = paper.questions[q];
            tables::QuestionEntry question{
                bank::QuestionId(section.number, paper.number, static_cast<int>(q + 1)), {}, {}, {}, {}};
            for (std::size_t i = 0; i < source.slots.size(); ++i) {
                const Slot& slot = source.slots[i];
                question.keys.push_back(slot.key);
                question.kinds.push_back(slot.kind);
                question.weights.push_back(slot.weight);
                question.options.push_back(OptionsShown(source, i));
            }
            entry.questions.push_back(std::move(question));
        }
        papers.push_back(std::move(entry));
    }
    return papers;
}

void addSectionTables(const Section& section, std::map<int, std::string>& out) {
    tables::SectionTablesText text = tables::WriteSectionTables(paperEntries(section));
    out[ids::TableId(section.number, ids::Table::Papers)] = std::move(text.papers);
    out[ids::TableId(section.number, ids::Table::Keys)] = std::move(text.keys);
    out[ids::TableId(section.number, ids::Table::Kinds)] = std::move(text.kinds);
    out[ids::TableId(section.number, ids::Table::Weights)] = std::move(text.weights);
    out[ids::TableId(section.number, ids::Table::Options)] = std::move(text.options);
}

void addResultsTemplates(const Section& section, std::map<int, std::string>& out) {
    std::vector<int> answerSlots;
    for (const Paper& paper : section.papers) {
        std::size_t slots = 0;
        for (const Question& question : paper.questions) {
            slots += question.slots.size();
        }
        answerSlots.push_back(static_cast<int>(slots));
    }
    out.merge(results::SectionTemplates(section.number, answerSlots));
}

// The explanations of a question's answers, kept apart from its page: the page
// is shown while the learner answers.
void addExplanations(const Question& question, int id, CompiledBank& out) {
    std::vector<std::string> perSlot;
    for (const Slot& slot : question.slots) {
        perSlot.push_back(slot.explanation);
    }
    if (std::all_of(perSlot.begin(), perSlot.end(), [](const std::string& text) { return text.empty(); })) {
        return;
    }
    out.resources[ids::ExplanationId(id)] = explain::ComposeExplanations(perSlot);
    ++out.explained;
}

void addPages(const Product& product, const Section& section, CompiledBank& out,
              std::vector<Problem>& problems) {
    const std::string pictureLocation = "file:///orbisk/" + product.picture;
    std::vector<mht::OutPart> productParts;
    try {
        addPicture(product, product.picture, pictureLocation, "", productParts);
    } catch (const std::exception& error) {
        problems.push_back({product.where, error.what()});
        return;
    }
    for (const Paper& paper : section.papers) {
        const int topic = bank::TopicOfPaper(paper.number);
        for (std::size_t q = 0; q < paper.questions.size(); ++q) {
            const Question& question = paper.questions[q];
            const int id = bank::QuestionId(section.number, paper.number, static_cast<int>(q + 1));
            PageContext page;
            page.productName = product.name;
            page.topicName = topic <= static_cast<int>(section.topics.size())
                                 ? section.topics[static_cast<std::size_t>(topic - 1)]
                                 : "";
            page.paperInTopic = bank::PaperInTopic(paper.number);
            page.questionNumber = static_cast<int>(q + 1);
            page.instruction = question.instruction.empty() ? paper.instruction : question.instruction;
            page.productPicture = product.picture;
            std::vector<mht::OutPart> parts = productParts;
            if (!question.picture.empty()) {
                const std::string contentId = "picture" + std::to_string(id) + "@orbisk.example";
                page.questionPicture = "cid:" + contentId;
                try {
                    addPicture(product, question.picture, "", contentId, parts);
                } catch (const std::exception& error) {
                    problems.push_back({question.where, error.what()});
                }
            }
            const std::string html = RenderPageHtml(page, question);
            out.resources[id] =
                mht::Write(product.name + " - Question " + std::to_string(q + 1),
                           "file:///orbisk/question" + std::to_string(id) + ".html", html, parts);
            ++out.questions;
            addExplanations(question, id, out);
        }
        ++out.papers;
    }
}

void addSkin(const fs::path& folder, CompiledBank& out, std::vector<Problem>& problems) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        problems.push_back({{folder, 0}, "the skin folder does not exist or is not a folder"});
        return;
    }
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) {
            files.push_back(it->path());
        }
    }
    if (ec) {
        problems.push_back({{folder, 0}, "the skin folder cannot be read: " + ec.message()});
        return;
    }
    // Every picture and its twin with twice the pixels, matched to its name
    // without regard to letter case.
    auto add = [&](const std::string& name, const skin::SkinPicture& shape) {
        const auto found = std::find_if(files.begin(), files.end(), [&](const fs::path& file) {
            return skin::SameFileName(file.filename().string(), name);
        });
        if (found == files.end()) {
            problems.push_back({{folder / name, 0}, "the skin picture is missing"});
            return;
        }
        std::string bytes;
        try {
            bytes = files::ReadWholeFile(*found);
        } catch (const Error& error) {
            problems.push_back(
                {{*found, 0}, std::string("the skin picture cannot be read: ") + error.what()});
            return;
        }
        if (!skin::MatchesTable(bytes, shape)) {
            problems.push_back({{*found, 0},
                                "the picture does not have the format and size of " + name + " (" +
                                    std::to_string(shape.width) + "x" + std::to_string(shape.height) + ")"});
            return;
        }
        out.resources[shape.id] = std::move(bytes);
    };
    for (const skin::SkinPicture& picture : skin::SkinPictures()) {
        add(std::string(picture.name), picture);
        add(skin::TwinFileName(picture.name), skin::Twin(picture));
    }
}

} // namespace

config::ProductConfig ProductConfiguration(const Product& product) {
    config::ProductConfig configuration;
    configuration.name = product.name;
    configuration.code = product.code;
    for (int s = 1; s <= bank::kMaxSections; ++s) {
        configuration.Section(s).number = s;
    }
    for (const Section& section : product.sections) {
        config::SectionConfig& entry = configuration.Section(section.number);
        entry.label = section.label;
        entry.topicCount = topicCount(section);
        entry.paperCount = static_cast<int>(section.papers.size());
        entry.topicNames.assign(section.topics.begin(),
                                section.topics.begin() +
                                    std::min<std::ptrdiff_t>(entry.topicCount, static_cast<std::ptrdiff_t>(
                                                                                   section.topics.size())));
    }
    return configuration;
}

CompiledBank CompileBank(const Product& product, const fs::path& skinFolder, std::vector<Problem>& problems) {
    CompiledBank out;
    out.resources[ids::kConfiguration] = config::WriteConfiguration(ProductConfiguration(product));
    for (const Section& section : product.sections) {
        addSectionTables(section, out.resources);
        addResultsTemplates(section, out.resources);
        addPages(product, section, out, problems);
    }
    addSkin(skinFolder, out, problems);
    return out;
}

} // namespace orbisk::bankc
