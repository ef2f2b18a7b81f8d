// The start-up check on any content of one results file: it never fails
// otherwise than by reporting, and every file it leaves in place can be read
// and written back by the results store.
#include "FuzzSupport.h"
#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/results/ResultsCheck.h"
#include "core/results/ResultsTemplates.h"

#include <algorithm>
#include <cctype>

namespace {

namespace results = orbisk::results;
namespace records = orbisk::records;
using orbisk::fuzzing::Broken;

constexpr int kSection = 2;
const std::vector<int> kSlots{3, 5, 1, 10, 2};
const int kPapers = static_cast<int>(kSlots.size());

const orbisk::MapResourceSource& templates() {
    static const orbisk::MapResourceSource source = [] {
        orbisk::MapResourceSource made;
        for (auto& [id, text] : results::SectionTemplates(kSection, kSlots)) {
            made.Set(id, text);
        }
        return made;
    }();
    return source;
}

bool failed(const results::EnsureReport& report, const std::filesystem::path& path) {
    return std::any_of(report.failed.begin(), report.failed.end(),
                       [&](const results::FileProblem& problem) { return problem.file == path; });
}

void readsBack(results::ResultsFile kind, const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    try {
        if (kind == results::ResultsFile::Marks) {
            const results::Marks marks = results::ReadMarks(path, kPapers);
            results::WriteMarks(path, marks, kPapers);
            const results::Marks again = results::ReadMarks(path, kPapers);
            if (again.FSE != marks.FSE || again.CDD != marks.CDD || again.SST != marks.SST ||
                again.beyond != marks.beyond) {
                Broken(name + " reads differently after it is written back");
            }
        } else if (kind == results::ResultsFile::Trend) {
            records::ReadRecordLine(path, results::kTrendKey);
        } else {
            std::vector<std::string> lines = records::ReadPaperRecords(path, kPapers);
            for (int i = 0; i < kPapers; ++i) {
                const std::string& line = lines[static_cast<std::size_t>(i)];
                if (line.empty()) {
                    Broken(name + " was accepted without the record of paper " + std::to_string(101 + i));
                }
                records::SplitRecordKeepingRest(line, 3, kSlots[static_cast<std::size_t>(i)], path);
            }
            const std::vector<std::string> values(static_cast<std::size_t>(kSlots[0]), "x");
            records::WritePaperRecord(lines, values, 1, "101", kPapers, kSlots[0], path);
        }
    } catch (const orbisk::DataError& error) {
        Broken(name + " was accepted at start-up but the store cannot read it: " + error.what());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses the file and whether its name is in capitals.
    const auto kind = results::kResultsFiles[data[0] % results::kResultsFiles.size()];
    const bool capitals = (data[0] & 0x80) != 0;
    const std::filesystem::path folder = orbisk::fuzzing::ScratchFolder() / "app";
    orbisk::fuzzing::Empty(folder);
    for (const results::ResultsFile file : results::kResultsFiles) {
        std::string name = results::FileName(file, kSection, "ENG");
        std::string_view content = *templates().Find(results::TemplateId(file, kSection));
        if (file == kind) {
            content = orbisk::fuzzing::AsText(data + 1, size - 1);
            if (capitals) {
                std::transform(name.begin(), name.end(), name.begin(),
                               [](char c) { return std::toupper(c); });
            }
        }
        orbisk::fuzzing::Write(folder / name, content);
    }

    const results::EnsureReport report =
        results::EnsureResultsFiles(folder, "ENG", {{kSection, kPapers}}, templates(), "stamp");
    for (const results::ResultsFile file : results::kResultsFiles) {
        const std::filesystem::path path = results::FilePath(folder, file, kSection, "ENG");
        if (!failed(report, path)) {
            readsBack(file, path);
        }
    }
    if (!orbisk::files::RemoveStaleTemporaryFiles(folder).empty()) {
        Broken("a temporary file was left behind");
    }
    return 0;
}
