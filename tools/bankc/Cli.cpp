#include "Cli.h"

#include "BankChecks.h"
#include "BankCompiler.h"
#include "BankReader.h"
#include "core/formats/ResourcePack.h"
#include "core/formats/mht/Mht.h"
#include "core/io/FileIO.h"
#include "core/product/ResourceIds.h"

#include <filesystem>
#include <ostream>

namespace orbisk::bankc {

namespace {

namespace fs = std::filesystem;

int usage(std::ostream& err) {
    err << "usage: bankc BANK_DIR OUT_DIR [--skin SKIN_DIR]\n"
           "       bankc inspect FILE.mht\n";
    return kUsage;
}

bool allDigits(const std::string& name) {
    return !name.empty() && name.size() < 9 && name.find_first_not_of("0123456789") == std::string::npos;
}

int inspect(const fs::path& file, std::ostream& out, std::ostream& err) {
    try {
        const mht::Archive archive = mht::Read(files::ReadWholeFile(file));
        for (std::size_t i = 0; i < archive.parts.size(); ++i) {
            const mht::Part& part = archive.parts[i];
            std::string name = !part.location.empty()    ? part.location
                               : !part.contentId.empty() ? "<" + part.contentId + ">"
                                                         : "-";
            out << part.contentType << "\t" << name << "\t" << part.body.size() << " bytes"
                << (i == archive.root ? "\t(page)" : "") << "\n";
        }
        out << "\n" << archive.RootText();
        return kCompiled;
    } catch (const Error& error) {
        err << "bankc: " << file.string() << ": " << error.what() << "\n";
        return kRefused;
    }
}

// Writes every resource as OUT/<number> (removing numbered files of an older
// bank) and the pack as OUT/resources.pack.
void writeOut(const fs::path& outFolder, const CompiledBank& compiled, const std::string& pack) {
    fs::create_directories(outFolder);
    std::vector<fs::path> stale;
    for (const auto& entry : fs::directory_iterator(outFolder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && allDigits(name) && compiled.resources.count(std::stoi(name)) == 0) {
            stale.push_back(entry.path());
        }
    }
    for (const fs::path& file : stale) {
        fs::remove(file);
    }
    // Build output, made again by the next build: nothing waits for the disk.
    for (const auto& [id, bytes] : compiled.resources) {
        files::WriteFileAtomically(outFolder / std::to_string(id), bytes, files::Sync::NoWait);
    }
    files::WriteFileAtomically(outFolder / "resources.pack", pack, files::Sync::NoWait);
}

int compile(const fs::path& bankFolder, const fs::path& outFolder, const fs::path& skinFolder,
            std::ostream& out, std::ostream& err) {
    std::vector<Problem> problems;
    const Product product = ReadBank(bankFolder, problems);
    if (problems.empty()) {
        problems = CheckBank(product);
    }
    CompiledBank compiled;
    if (problems.empty()) {
        compiled = CompileBank(product, skinFolder, problems);
    }
    if (!problems.empty()) {
        for (const Problem& problem : problems) {
            err << Describe(problem) << "\n";
        }
        err << "bankc: " << problems.size() << " problem(s); nothing was written\n";
        return kRefused;
    }
    const std::string pack = BuildResourcePack(compiled.resources, &ids::PackPlacement);
    try {
        writeOut(outFolder, compiled, pack);
    } catch (const std::exception& error) {
        err << "bankc: the compiled bank could not be written to " << outFolder.string() << ": "
            << error.what() << "\n";
        return kRefused;
    }
    out << "bankc: " << product.sections.size() << " section(s), " << compiled.papers << " paper(s), "
        << compiled.questions << " question(s), " << compiled.explained << " with explanations; "
        << compiled.resources.size() << " resources, " << pack.size() << " bytes in "
        << (outFolder / "resources.pack").string() << "\n";
    return kCompiled;
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        if (args.size() == 2 && args[0] == "inspect") {
            return inspect(args[1], out, err);
        }
        if (args.size() != 2 && !(args.size() == 4 && args[2] == "--skin")) {
            return usage(err);
        }
        const fs::path skin = args.size() == 4
                                  ? fs::path(args[3])
                                  : (fs::path(args[0]) / ".." / "assets" / "skin").lexically_normal();
        return compile(args[0], args[1], skin, out, err);
    } catch (const std::exception& error) {
        err << "bankc: the compiler failed: " << error.what() << "\n";
        return kFailed;
    } catch (...) {
        err << "bankc: the compiler failed\n";
        return kFailed;
    }
}

} // namespace orbisk::bankc
