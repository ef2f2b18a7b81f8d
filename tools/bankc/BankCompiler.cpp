#include "BankCompiler.h"

#include "BankChecks.h"
#include "PageHtml.h"
#include "data/Bank.h"
#include "data/FileIO.h"
#include "data/Mht.h"
#include "data/PictureHeader.h"
#include "data/Records.h"
#include "data/ResultsStore.h"
#include "data/SkinTable.h"

#include <algorithm>

namespace orbisk::bankc {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLine = "\r\n";
constexpr std::string_view kDots = "...\r\n";

int topicCount(const Section& section) {
    return static_cast<int>(section.papers.size()) / bank::kPapersPerTopic;
}

std::string sectionLetter(int section) {
    return std::string(1, static_cast<char>('A' + section - 1));
}

// A table or configuration line; the values were checked as storable by CheckBank.
std::string record(const std::string& key, const std::vector<std::string>& values) {
    return records::BuildRecord(key, values, static_cast<int>(values.size())) + std::string(kLine);
}

std::string repeated(std::string_view piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
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

void addSectionTables(const Section& section, std::map<int, std::string>& out) {
    std::string papers(kDots), keys(kDots), kinds(kDots), weights(kDots);
    for (const Paper& paper : section.papers) {
        std::vector<std::string> ids;
        for (std::size_t q = 0; q < paper.questions.size(); ++q) {
            const std::string id =
                std::to_string(bank::QuestionId(section.number, paper.number, static_cast<int>(q + 1)));
            ids.push_back(id);
            std::vector<std::string> k, c, w;
            for (const Slot& slot : paper.questions[q].slots) {
                k.push_back(slot.key);
                c.push_back(slot.kind);
                w.push_back(slot.weight);
            }
            keys += record(id, k);
            kinds += record(id, c);
            weights += record(id, w);
        }
        papers += record(std::to_string(paper.number), ids);
    }
    out[bank::TableId(section.number, bank::Table::Papers)] = papers + std::string(kDots);
    out[bank::TableId(section.number, bank::Table::Keys)] = keys + std::string(kDots);
    out[bank::TableId(section.number, bank::Table::Kinds)] = kinds + std::string(kDots);
    out[bank::TableId(section.number, bank::Table::Weights)] = weights + std::string(kDots);
}

void addResultsTemplates(const Section& section, std::map<int, std::string>& out) {
    using results::ResultsFile;
    const std::size_t papers = section.papers.size();
    const std::string empty = repeated(">", papers);
    const std::string zeros = repeated(">0", papers);
    out[results::TemplateId(ResultsFile::Marks, section.number)] =
        std::string(kDots) + "#FSE#" + empty + "\r\n#SSE#" + empty + "\r\n#LTM#" + empty + "\r\n#CDD#" +
        empty + "\r\n#FST#" + zeros + "\r\n#SST#" + zeros + "\r\n" + std::string(kDots);
    std::string answers(kDots);
    for (const Paper& paper : section.papers) {
        std::size_t slots = 0;
        for (const Question& question : paper.questions) {
            slots += question.slots.size();
        }
        answers += "#" + std::to_string(paper.number) + "#" + repeated(">", slots) + std::string(kLine);
    }
    answers += kDots;
    for (const auto file :
         {ResultsFile::First, ResultsFile::Second, ResultsFile::FResults, ResultsFile::SResults}) {
        out[results::TemplateId(file, section.number)] = answers;
    }
    out[results::TemplateId(ResultsFile::Trend, section.number)] = "#TRD#";
}

void addPages(const Product& product, const Section& section, CompiledBank& out,
              std::vector<Problem>& problems) {
    std::string productPicture;
    try {
        productPicture = readPicture(product, product.picture);
    } catch (const std::exception& error) {
        problems.push_back({product.where, error.what()});
        return;
    }
    const std::string pictureLocation = "file:///orbisk/" + product.picture;
    for (const Paper& paper : section.papers) {
        const int topic = bank::TopicOfPaper(paper.number);
        for (std::size_t q = 0; q < paper.questions.size(); ++q) {
            const Question& question = paper.questions[q];
            const int id = bank::QuestionId(section.number, paper.number, static_cast<int>(q + 1));
            PageContext page;
            page.productName = product.name;
            page.topicName =
                topic <= static_cast<int>(section.topics.size()) ? section.topics[topic - 1] : "";
            page.paperInTopic = (paper.number - 101) % bank::kPapersPerTopic + 1;
            page.questionNumber = static_cast<int>(q + 1);
            page.instruction = question.instruction.empty() ? paper.instruction : question.instruction;
            page.productPicture = product.picture;
            std::vector<mht::OutPart> parts{
                {contentTypeOf(product.picture), pictureLocation, "", productPicture}};
            if (!question.picture.empty()) {
                const std::string contentId = "picture" + std::to_string(id) + "@orbisk.example";
                page.questionPicture = "cid:" + contentId;
                try {
                    parts.push_back({contentTypeOf(question.picture), "", contentId,
                                     readPicture(product, question.picture)});
                } catch (const std::exception& error) {
                    problems.push_back({question.where, error.what()});
                }
            }
            const std::string html = RenderPageHtml(page, question);
            out.resources[id] =
                mht::Write(product.name + " - Question " + std::to_string(q + 1),
                           "file:///orbisk/question" + std::to_string(id) + ".html", html, parts);
            ++out.questions;
        }
        ++out.papers;
    }
}

void addSkin(const fs::path& folder, CompiledBank& out, std::vector<Problem>& problems) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    int missing = 0;
    for (const skin::SkinPicture& picture : skin::SkinPictures()) {
        const auto found = std::find_if(files.begin(), files.end(), [&](const fs::path& file) {
            return skin::SameFileName(file.filename().string(), picture.name);
        });
        if (found == files.end()) {
            ++missing;
            continue;
        }
        std::string bytes = files::ReadWholeFile(*found);
        if (!skin::MatchesTable(bytes, picture)) {
            problems.push_back(
                {{*found, 0},
                 "the picture does not have the format and size of " + std::string(picture.name)});
            continue;
        }
        out.resources[picture.id] = std::move(bytes);
    }
    if (missing > 0) {
        out.notes.push_back(std::to_string(missing) + " of the 89 skin pictures are not in " +
                            folder.string());
    }
}

} // namespace

std::string ConfigurationText(const Product& product) {
    std::string text(kDots);
    text += "#NME#>" + product.name + std::string(kLine);
    text += "#COD#>" + product.code + std::string(kLine);
    text += std::string(31, '-') + std::string(kLine);
    for (const Section& section : product.sections) {
        const std::string s = std::to_string(section.number);
        const int topics = topicCount(section);
        text += "#L" + sectionLetter(section.number) + "H#>" + section.label + std::string(kLine);
        text += "#TT" + s + "#>" + std::to_string(topics) + std::string(kLine);
        text += "#TP" + s + "#>" + std::to_string(section.papers.size()) + std::string(kLine);
        const std::vector<std::string> names(
            section.topics.begin(),
            section.topics.begin() +
                std::min<std::ptrdiff_t>(topics, static_cast<std::ptrdiff_t>(section.topics.size())));
        text += record("TN" + s, names);
    }
    return text + std::string(kDots);
}

CompiledBank CompileBank(const Product& product, const std::optional<fs::path>& skinFolder,
                         std::vector<Problem>& problems) {
    CompiledBank out;
    out.resources[bank::kConfigurationId] = ConfigurationText(product);
    for (const Section& section : product.sections) {
        addSectionTables(section, out.resources);
        addResultsTemplates(section, out.resources);
        addPages(product, section, out, problems);
    }
    if (skinFolder) {
        addSkin(*skinFolder, out, problems);
    } else {
        out.notes.push_back("no skin folder given: the pack holds no pictures");
    }
    return out;
}

} // namespace orbisk::bankc
