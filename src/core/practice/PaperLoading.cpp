#include "core/practice/PaperLoading.h"

#include "core/Errors.h"
#include "core/practice/Marking.h"
#include "core/product/ResourceIds.h"
#include "core/text/TextForms.h"

#include <string>

namespace orbisk::practice {

namespace {

std::filesystem::path resourceName(int id) {
    return "resource " + std::to_string(id);
}

records::RecordText readTable(const ResourceSource& resources, int section, ids::Table table) {
    const int id = ids::TableId(section, table);
    const auto bytes = resources.Find(id);
    if (!bytes) {
        throw DataError(resourceName(id), "",
                        "the program holds no question bank table " + std::to_string(id));
    }
    return {resourceName(id), std::string(*bytes)};
}

template <typename Value>
void requireOnePerSlot(const std::vector<Value>& list, std::size_t slots, int id, int paperNumber,
                       const char* what) {
    if (list.size() != slots) {
        throw DataError(resourceName(id), std::to_string(paperNumber),
                        "the paper's questions have " + std::to_string(list.size()) + " " + what + " for " +
                            std::to_string(slots) + " answers");
    }
}

std::string paperKey(const PaperRequest& request) {
    return std::to_string(request.PaperNum);
}

std::vector<std::string> readPaperRecord(const PaperRequest& request, results::ResultsFile file,
                                         int answerSlots) {
    const std::filesystem::path path = request.File(file);
    const std::vector<std::string> lines = records::ReadPaperRecords(path, request.TtPapersCon);
    const std::string& line = lines[static_cast<std::size_t>(request.PaperSlot() - 1)];
    if (line.empty()) {
        throw DataError(path, paperKey(request), "the paper's record is missing");
    }
    const std::size_t held = records::CountValues(line, 3);
    if (held < static_cast<std::size_t>(answerSlots)) {
        throw DataError(path, paperKey(request),
                        "the record holds " + std::to_string(held) + " values where the paper has " +
                            std::to_string(answerSlots) + " answers");
    }
    // An install with more answers for this paper may share the folder: read
    // the paper's N values; the rest stays in the file.
    return records::SplitRecordKeepingRest(line, 3, answerSlots, path).values;
}

tables::PaperTables readPaper(const ResourceSource& resources, int section, int paperNumber) {
    const auto table = [&](ids::Table which) { return readTable(resources, section, which); };
    tables::PaperTables paper =
        tables::ReadPaperTables(table(ids::Table::Papers), table(ids::Table::Keys), table(ids::Table::Kinds),
                                table(ids::Table::Weights), table(ids::Table::Options), paperNumber);
    if (paper.questionIds.empty()) {
        throw DataError(resourceName(ids::TableId(section, ids::Table::Papers)), std::to_string(paperNumber),
                        "the paper lists no questions");
    }
    const std::size_t slots = paper.keys.size();
    requireOnePerSlot(paper.kinds, slots, ids::TableId(section, ids::Table::Kinds), paperNumber, "kinds");
    requireOnePerSlot(paper.weights, slots, ids::TableId(section, ids::Table::Weights), paperNumber,
                      "weights");
    requireOnePerSlot(paper.optionCounts, slots, ids::TableId(section, ids::Table::Options), paperNumber,
                      "option counts");
    if (paper.totalMarks <= 0) {
        throw DataError(resourceName(ids::TableId(section, ids::Table::Weights)), std::to_string(paperNumber),
                        "the paper's answers are worth no marks");
    }
    return paper;
}

} // namespace

tables::PaperTables ReadPaperTables(const ResourceSource& resources, int section, int paperNumber) {
    try {
        return readPaper(resources, section, paperNumber);
    } catch (const DataError& error) {
        // Whatever the tables' readers found, it lies in the program's own bank.
        throw BankDataError(error.file(), error.key(), error.problem());
    }
}

AttemptRecords ReadAttemptRecords(const PaperRequest& request, int answerSlots) {
    using results::ResultsFile;
    const bool first = request.TakeNum == Attempt::First;
    AttemptRecords records;
    if (!first) {
        records.firstResults = readPaperRecord(request, ResultsFile::FResults, answerSlots);
    }
    records.answers = readPaperRecord(request, first ? ResultsFile::First : ResultsFile::Second, answerSlots);
    records.results =
        readPaperRecord(request, first ? ResultsFile::FResults : ResultsFile::SResults, answerSlots);
    if (!first) {
        records.firstAnswers = readPaperRecord(request, ResultsFile::First, answerSlots);
        // A right first verdict stands only with the answer it was given for. Where
        // that answer is gone (its file set aside and started afresh), the slot is
        // not carried over: the second attempt takes it like any other.
        for (std::size_t i = 0; i < records.firstResults.size() && i < records.firstAnswers.size(); ++i) {
            if (records.firstResults[i] == kRight && text::TrimSpaces(records.firstAnswers[i]).empty()) {
                records.firstResults[i].clear();
            }
        }
    }
    records.marks = results::ReadMarks(request.File(ResultsFile::Marks), request.TtPapersCon);
    return records;
}

} // namespace orbisk::practice
