// The program the marking kill test (scripts/kill-test.sh marking) kills: it
// answers and marks the papers of section 2 of the test bank one after the
// other, first attempt then second, through the open paper as the practice
// window does, until every paper is marked or it is killed.
//
//   marking_kill_marker prepare WORK PACK   a start-up in WORK/app
//   marking_kill_marker mark WORK PACK      answers and marks the papers not marked yet; exits 0 when
//                                           all are, having written WORK/done
//   marking_kill_marker check WORK PACK     a start-up (which completes a marking cut short), then
//                                           every paper is in one consistent state; prints "journal"
//                                           when the start-up completed a marking
#include "core/formats/Records.h"
#include "core/formats/ResourcePack.h"
#include "core/io/FileIO.h"
#include "core/practice/OpenPaper.h"
#include "core/results/ResultsStore.h"
#include "core/setup/FolderSetup.h"
#include "core/text/TextForms.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace orbisk;
using practice::Attempt;
using results::ResultsFile;

constexpr int kSection = 2;
constexpr const char* kCode = "TST";
constexpr int kPapers = 50;

fs::path appFolder(const fs::path& work) {
    return work / "app";
}

fs::path file(const fs::path& work, ResultsFile which) {
    return results::FilePath(appFolder(work), which, kSection, kCode);
}

practice::PaperRequest request(const fs::path& work, int paper, Attempt attempt) {
    practice::PaperRequest r;
    r.appFolder = appFolder(work);
    r.LChose = kSection;
    r.lblCOD = kCode;
    r.TtPapersCon = kPapers;
    r.SubH1 = "Topic";
    r.PaperNum = paper;
    r.TakeNum = attempt;
    return r;
}

// What the marker types in answer slot @p slot (1-based) of @p paper: the key,
// except in every fourth slot of a first attempt, so that each paper has a
// second attempt to take.
std::string answerFor(const practice::OpenPaper& paper, int slot) {
    const std::string& key = paper.keys()[static_cast<std::size_t>(slot - 1)];
    const bool wrong = paper.attempt() == Attempt::First && (slot + paper.request().PaperNum) % 4 == 0;
    return wrong ? "zz" : key;
}

// Answers every question, moving with Next as a learner does, then marks. The
// first marking of a run says it is about to write, so that kills can land
// among its writes.
void answerAndMark(const ResourcePack& pack, const fs::path& work, int paper, Attempt attempt) {
    practice::OpenPaper open = practice::OpenPaper::Open(pack, request(work, paper, attempt));
    if (open.IsMarked()) {
        return;
    }
    open.StartClock(practice::Instant{});
    for (int q = 1; q <= open.QuestionCount(); ++q) {
        std::vector<std::string> sheet;
        const int d = open.AnswerOffset(q);
        const int k = std::min(open.answerCounts()[static_cast<std::size_t>(q - 1)], practice::kSheetFrames);
        for (int n = 1; n <= k; ++n) {
            sheet.push_back(answerFor(open, d + n));
        }
        if (q < open.QuestionCount()) {
            if (!open.NextQuestion(sheet).moved) {
                throw std::runtime_error("paper " + std::to_string(paper) + " refused Next");
            }
        } else if (open.BeginMarking(sheet).next != practice::MarkingStart::Next::Confirm) {
            throw std::runtime_error("paper " + std::to_string(paper) + " could not begin marking");
        }
    }
    if (!fs::exists(work / "marking")) {
        std::ofstream(work / "marking");
    }
    const practice::MarkingOutcome outcome =
        open.CompleteMarking(practice::Instant{} + std::chrono::seconds(75), "09/12/2026");
    if (!outcome.marked) {
        throw std::runtime_error("paper " + std::to_string(paper) + " could not be marked");
    }
}

bool isOne(const std::string& value) {
    return value == results::kMarked;
}

int markAll(const fs::path& work, const ResourcePack& pack) {
    for (int paper = 101; paper < 101 + kPapers; ++paper) {
        const auto slot = static_cast<std::size_t>(paper - 101);
        results::Marks marks = results::ReadMarks(file(work, ResultsFile::Marks), kPapers);
        if (!isOne(marks.FST[slot])) {
            answerAndMark(pack, work, paper, Attempt::First);
            marks = results::ReadMarks(file(work, ResultsFile::Marks), kPapers);
        }
        const auto first = text::ParseStoredNumber(marks.FSE[slot]);
        if (!isOne(marks.SST[slot]) && first && *first <= 99) {
            answerAndMark(pack, work, paper, Attempt::Second);
        }
    }
    std::ofstream(work / "done");
    return 0;
}

std::vector<std::string> values(const fs::path& path, int paper, int n) {
    return records::SplitRecord(
        records::ReadPaperRecords(path, kPapers).at(static_cast<std::size_t>(paper - 101)), n);
}

// One paper attempt's state: either not marked, with every stored answer
// empty or the one the marker types, and no verdicts; or marked, with a verdict
// in every slot and its score (and for a first attempt its time and date).
bool checkAttempt(const fs::path& work, const ResourcePack& pack, const results::Marks& marks, int paper,
                  Attempt attempt) {
    const auto slot = static_cast<std::size_t>(paper - 101);
    const bool first = attempt == Attempt::First;
    const bool marked = isOne(first ? marks.FST[slot] : marks.SST[slot]);
    const std::string& score = first ? marks.FSE[slot] : marks.SSE[slot];
    const std::string where =
        "paper " + std::to_string(paper) + (first ? " first" : " second") + " attempt: ";
    // Opening reads the records as the window does (a second attempt needs a marked first).
    if (!first && !isOne(marks.FST[slot])) {
        if (marked || !score.empty()) {
            std::cerr << where << "marked without a marked first attempt\n";
            return false;
        }
        return true;
    }
    practice::OpenPaper open = practice::OpenPaper::Open(pack, request(work, paper, attempt));
    const int n = open.AnswerSlots();
    const auto verdicts = values(file(work, first ? ResultsFile::FResults : ResultsFile::SResults), paper, n);
    const bool allVerdicts = std::all_of(verdicts.begin(), verdicts.end(),
                                         [](const std::string& v) { return v == "Y" || v == "N"; });
    const bool noVerdicts =
        std::all_of(verdicts.begin(), verdicts.end(), [](const std::string& v) { return v.empty(); });
    if (marked) {
        const bool timed = !first || (!marks.LTM[slot].empty() && !marks.CDD[slot].empty());
        if (!allVerdicts || score.empty() || !timed) {
            std::cerr << where << "marked, but its verdicts, score, time or date are missing\n";
            return false;
        }
        return true;
    }
    const bool untimed = !first || (marks.LTM[slot].empty() && marks.CDD[slot].empty());
    if (!noVerdicts || !score.empty() || !untimed) {
        std::cerr << where << "not marked, but verdicts, a score, a time or a date are stored\n";
        return false;
    }
    const auto answers = values(file(work, first ? ResultsFile::First : ResultsFile::Second), paper, n);
    for (int s = 1; s <= n; ++s) {
        const std::string& stored = answers[static_cast<std::size_t>(s - 1)];
        if (!stored.empty() && stored != answerFor(open, s)) {
            std::cerr << where << "answer " << s << " is neither empty nor what was typed\n";
            return false;
        }
    }
    return true;
}

int check(const fs::path& work, const ResourcePack& pack) {
    const setup::StartupFiles started = setup::PrepareApplicationFolder(appFolder(work), pack, "kill-test");
    if (!started.config || !started.results.repaired.empty() || !started.results.failed.empty()) {
        std::cerr << "start-up could not read the configuration or set a results file aside\n";
        return 1;
    }
    using Outcome = files::JournalRecovery::Outcome;
    if (started.marking.outcome != Outcome::None && started.marking.outcome != Outcome::Completed) {
        std::cerr << "start-up could not complete the marking cut short: " << started.marking.problem << "\n";
        return 1;
    }
    const results::Marks marks = results::ReadMarks(file(work, ResultsFile::Marks), kPapers);
    bool sound = true;
    std::string expectedTrend = "#TRD#";
    for (int paper = 101; paper < 101 + kPapers; ++paper) {
        sound = checkAttempt(work, pack, marks, paper, Attempt::First) && sound;
        sound = checkAttempt(work, pack, marks, paper, Attempt::Second) && sound;
        const auto slot = static_cast<std::size_t>(paper - 101);
        if (isOne(marks.FST[slot])) {
            expectedTrend += ">" + marks.FSE[slot];
        }
    }
    // Papers are marked in order, so the trend holds exactly their first scores, once each, in order.
    const std::string trend = records::ReadRecordLine(file(work, ResultsFile::Trend), results::kTrendKey);
    if (trend != expectedTrend && !(trend.empty() && expectedTrend == "#TRD#")) {
        std::cerr << "the trend holds " << trend << " where the marked papers give " << expectedTrend << "\n";
        sound = false;
    }
    if (started.marking.outcome == Outcome::Completed) {
        std::cout << "journal\n";
    }
    return sound ? 0 : 1;
}

int run(const std::vector<std::string>& args) {
    if (args.size() != 3) {
        std::cerr << "usage: marking_kill_marker prepare|mark|check WORK PACK\n";
        return 2;
    }
    const fs::path work = args[1];
    const std::string bytes = files::ReadWholeFile(args[2]);
    const ResourcePack pack(bytes);
    if (args[0] == "prepare") {
        fs::create_directories(appFolder(work));
        return setup::PrepareApplicationFolder(appFolder(work), pack, "kill-test").config ? 0 : 1;
    }
    if (args[0] == "mark") {
        return markAll(work, pack);
    }
    if (args[0] == "check") {
        return check(work, pack);
    }
    std::cerr << "usage: marking_kill_marker prepare|mark|check WORK PACK\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << "marking_kill_marker: " << error.what() << "\n";
        return 1;
    }
}
