// bankc: turns the question bank sources and the skin pictures into the
// numbered resources the program carries, or shows what a page archive holds.
#include "BankChecks.h"
#include "BankCompiler.h"
#include "BankReader.h"
#include "core/Errors.h"
#include "core/formats/ResourcePack.h"
#include "core/formats/mht/Mht.h"
#include "core/io/FileIO.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace orbisk;

constexpr int kRefused = 1;
constexpr int kUsage = 2;

int usage() {
    std::cerr << "usage: bankc BANK_DIR OUT_DIR [--skin SKIN_DIR]\n"
                 "       bankc inspect FILE.mht\n";
    return kUsage;
}

bool allDigits(const std::string& name) {
    return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
}

int inspect(const fs::path& file) {
    try {
        const mht::Archive archive = mht::Read(files::ReadWholeFile(file));
        for (std::size_t i = 0; i < archive.parts.size(); ++i) {
            const mht::Part& part = archive.parts[i];
            std::string name = !part.location.empty()    ? part.location
                               : !part.contentId.empty() ? "<" + part.contentId + ">"
                                                         : "-";
            std::cout << part.contentType << "\t" << name << "\t" << part.body.size() << " bytes"
                      << (i == archive.root ? "\t(page)" : "") << "\n";
        }
        std::cout << "\n" << archive.RootText();
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "bankc: " << file.string() << ": " << error.what() << "\n";
        return kRefused;
    }
}

int compile(const fs::path& bankFolder, const fs::path& outFolder, std::optional<fs::path> skinFolder) {
    std::vector<bankc::Problem> problems;
    const bankc::Product product = bankc::ReadBank(bankFolder, problems);
    if (problems.empty()) {
        problems = bankc::CheckBank(product);
    }
    bankc::CompiledBank compiled;
    if (problems.empty()) {
        compiled = bankc::CompileBank(product, skinFolder, problems);
    }
    if (!problems.empty()) {
        for (const bankc::Problem& problem : problems) {
            std::cerr << bankc::Describe(problem) << "\n";
        }
        std::cerr << "bankc: " << problems.size() << " problem(s); nothing was written\n";
        return kRefused;
    }
    try {
        fs::create_directories(outFolder);
        for (const auto& entry : fs::directory_iterator(outFolder)) {
            if (entry.is_regular_file() && allDigits(entry.path().filename().string()) &&
                compiled.resources.count(std::stoi(entry.path().filename().string())) == 0) {
                fs::remove(entry.path());
            }
        }
        for (const auto& [id, bytes] : compiled.resources) {
            files::WriteFileAtomically(outFolder / std::to_string(id), bytes);
        }
        const std::string pack = BuildResourcePack(compiled.resources);
        files::WriteFileAtomically(outFolder / "resources.pack", pack);
        for (const std::string& note : compiled.notes) {
            std::cout << "bankc: note: " << note << "\n";
        }
        std::cout << "bankc: " << product.sections.size() << " section(s), " << compiled.papers
                  << " paper(s), " << compiled.questions << " question(s); " << compiled.resources.size()
                  << " resources, " << pack.size() << " bytes in " << (outFolder / "resources.pack").string()
                  << "\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "bankc: " << error.what() << "\n";
        return kRefused;
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "inspect") {
        return inspect(args[1]);
    }
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--skin")) {
        return usage();
    }
    std::optional<fs::path> skin;
    if (args.size() == 4) {
        skin = fs::path(args[3]);
    } else if (const fs::path guess = fs::path(args[0]) / ".." / "assets" / "skin"; fs::is_directory(guess)) {
        skin = guess.lexically_normal();
    }
    return compile(args[0], args[1], skin);
}
