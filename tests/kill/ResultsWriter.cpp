// The program the kill test (scripts/kill-test.sh) kills: it rewrites two
// results files through the store's writers, switching between two contents,
// until it is killed.
//
//   results_kill_writer prepare WORK PACK   a start-up in WORK/app, then content A; A and B kept in
//   WORK/expected results_kill_writer write WORK          rewrites both files, A, B, A, ... for ever
//   results_kill_writer check WORK          each file holds exactly A or B; says whether a temporary file is
//   left results_kill_writer startup WORK PACK   a start-up, after which no temporary file is left and
//   nothing is set aside
#include "core/formats/Records.h"
#include "core/formats/ResourcePack.h"
#include "core/io/FileIO.h"
#include "core/results/ResultsStore.h"
#include "core/setup/FolderSetup.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace orbisk;

constexpr int kSection = 2;
constexpr const char* kCode = "TST";
constexpr int kPapers = 50;
const std::vector<results::ResultsFile> kWritten{results::ResultsFile::Marks, results::ResultsFile::First};

fs::path appFolder(const fs::path& work) {
    return work / "app";
}

fs::path resultsFile(const fs::path& work, results::ResultsFile file) {
    return results::FilePath(appFolder(work), file, kSection, kCode);
}

fs::path expected(const fs::path& work, results::ResultsFile file, char content) {
    return work / "expected" / (std::string(results::BaseName(file)) + "-" + content);
}

// Content A or B of both files, written through the store.
void writeContent(const fs::path& work, char content) {
    const std::string score = content == 'A' ? "11.1" : "99.9";
    results::Marks marks = results::ReadMarks(resultsFile(work, results::ResultsFile::Marks), kPapers);
    marks.FSE.assign(kPapers, score);
    marks.FST.assign(kPapers, content == 'A' ? "0" : "1");
    results::WriteMarks(resultsFile(work, results::ResultsFile::Marks), marks, kPapers);

    // Every paper's answers change in the line list, and one write stores them all.
    const fs::path first = resultsFile(work, results::ResultsFile::First);
    std::vector<std::string> lines = records::ReadPaperRecords(first, kPapers);
    auto answersOf = [&](int slot) {
        const std::size_t count = records::CountValues(lines[static_cast<std::size_t>(slot - 1)], 3);
        return std::vector<std::string>(count, std::string(1, content));
    };
    for (int slot = 2; slot <= kPapers; ++slot) {
        const auto values = answersOf(slot);
        lines[static_cast<std::size_t>(slot - 1)] =
            records::BuildRecord(std::to_string(100 + slot), values, static_cast<int>(values.size()));
    }
    const auto values = answersOf(1);
    records::WritePaperRecord(lines, values, 1, "101", kPapers, static_cast<int>(values.size()), first);
}

std::string bytesOf(const fs::path& path) {
    try {
        return files::ReadWholeFile(path);
    } catch (const Error&) {
        return "(unreadable)";
    }
}

void keep(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool startUp(const fs::path& work, const fs::path& packFile) {
    const std::string bytes = files::ReadWholeFile(packFile);
    const ResourcePack pack(bytes);
    const setup::StartupFiles files = setup::PrepareApplicationFolder(appFolder(work), pack, "kill-test");
    if (!files.config) {
        std::cerr << "start-up could not read the configuration: " << files.configProblem << "\n";
        return false;
    }
    const auto& report = files.results;
    if (!report.repaired.empty() || !report.failed.empty()) {
        std::cerr << "start-up set aside or could not read " << report.repaired.size() + report.failed.size()
                  << " results file(s)\n";
        return false;
    }
    return true;
}

// Every file holds exactly A or B; prints "temporary" when a temporary file is left.
bool check(const fs::path& work) {
    bool sound = true;
    for (const results::ResultsFile file : kWritten) {
        const std::string now = bytesOf(resultsFile(work, file));
        if (now != bytesOf(expected(work, file, 'A')) && now != bytesOf(expected(work, file, 'B'))) {
            std::cerr << resultsFile(work, file).string() << " holds neither content (" << now.size()
                      << " bytes)\n";
            sound = false;
        }
    }
    for (const auto& entry : fs::directory_iterator(appFolder(work))) {
        if (files::IsTemporaryName(entry.path().filename().string())) {
            std::cout << "temporary " << entry.path().filename().string() << "\n";
        }
    }
    return sound;
}

int run(const std::vector<std::string>& args) {
    if (args.size() == 3 && args[0] == "prepare") {
        fs::create_directories(fs::path(args[1]) / "expected");
        if (!startUp(args[1], args[2])) {
            return 1;
        }
        for (const char content : {'B', 'A'}) {
            writeContent(args[1], content);
            for (const results::ResultsFile file : kWritten) {
                keep(expected(args[1], file, content), files::ReadWholeFile(resultsFile(args[1], file)));
            }
        }
        return 0;
    }
    if (args.size() == 2 && args[0] == "write") {
        // Says it has begun once a whole round is on the disk, so that kills land among writes.
        for (long round = 0;; ++round) {
            writeContent(args[1], round % 2 == 0 ? 'B' : 'A');
            if (round == 0) {
                keep(fs::path(args[1]) / "writing", "");
            }
        }
    }
    if (args.size() == 2 && args[0] == "check") {
        return check(args[1]) ? 0 : 1;
    }
    if (args.size() == 3 && args[0] == "startup") {
        if (!startUp(args[1], args[2]) || !check(args[1])) {
            return 1;
        }
        for (const fs::path& folder : {appFolder(args[1]), setup::GraphicsFolder(appFolder(args[1]))}) {
            for (const auto& entry : fs::directory_iterator(folder)) {
                if (files::IsTemporaryName(entry.path().filename().string())) {
                    std::cerr << "start-up left " << entry.path().string() << "\n";
                    return 1;
                }
            }
        }
        return 0;
    }
    std::cerr << "usage: results_kill_writer prepare|write|check|startup WORK [PACK]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << "results_kill_writer: " << error.what() << "\n";
        return 1;
    }
}
