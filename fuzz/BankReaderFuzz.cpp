// The bank compiler's reader and checks on any YAML: every input is read or
// refused, each refusal names its file and line and is one readable line, and
// every paper that could be read renders into its pages.
#include "BankChecks.h"
#include "BankReader.h"
#include "FuzzSupport.h"
#include "PageHtml.h"
#include "core/text/CleanText.h"

namespace {

namespace bankc = orbisk::bankc;
using orbisk::fuzzing::Broken;

// A bank folder with the picture the checks look for.
const std::filesystem::path& bankRoot() {
    static const std::filesystem::path root = [] {
        const std::filesystem::path made = orbisk::fuzzing::ScratchFolder() / "bank";
        std::filesystem::create_directories(made / "pictures");
        orbisk::fuzzing::Write(made / "pictures" / "logo.png", "\x89PNG");
        return made;
    }();
    return root;
}

void readable(const std::vector<bankc::Problem>& problems) {
    for (const bankc::Problem& problem : problems) {
        const std::string line = bankc::Describe(problem);
        if (problem.where.line < 1) {
            Broken("a refusal without a line: " + line);
        }
        if (orbisk::text::FindTextFlaw(line)) {
            Broken("a refusal that is not one clean line: " + orbisk::text::EscapeBytes(line));
        }
    }
}

void renderPages(const bankc::Paper& paper) {
    for (const bankc::Question& question : paper.questions) {
        bankc::PageContext page;
        page.productName = "Fuzz";
        bankc::RenderPageHtml(page, question);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses: the product file or a paper file.
    const std::string_view yaml = orbisk::fuzzing::AsText(data + 1, size - 1);
    std::vector<bankc::Problem> problems;
    if (data[0] % 2 == 0) {
        bankc::Product product = bankc::ReadProductText(bankRoot() / "product.yaml", yaml, problems);
        product.root = bankRoot();
        readable(problems);
        if (problems.empty()) {
            readable(bankc::CheckBank(product));
        }
        return 0;
    }
    const auto paper = bankc::ReadPaperText(bankRoot() / "section2" / "p101.yaml", yaml, problems);
    readable(problems);
    if (!paper || !problems.empty()) {
        return 0;
    }
    bankc::Product product;
    product.root = bankRoot();
    product.name = "Fuzz";
    product.code = "FZZ";
    product.picture = "logo.png";
    product.where = {bankRoot() / "product.yaml", 1};
    bankc::Section section;
    section.number = 2;
    section.label = "Practice";
    section.topics = {"One"};
    section.where = product.where;
    section.papers.push_back(*paper);
    product.sections.push_back(section);
    const std::vector<bankc::Problem> refused = bankc::CheckBank(product);
    readable(refused);
    renderPages(*paper);
    return 0;
}
