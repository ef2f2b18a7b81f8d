#pragma once

#include "core/formats/ResourceSource.h"
#include "core/practice/PaperRequest.h"
#include "core/product/SectionTables.h"
#include "core/results/ResultsStore.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

/// The two halves of opening a paper: its question bank, read from the
/// program's resources, and the learner's stored records of the attempt.
/// OpenPaper::Open runs both; they are public for the tests and for tools.
namespace orbisk::practice {

/// Reads the paper's five question bank tables from the program's resources:
/// the question ids, the answer key and answer counts, the kinds, the weights,
/// the option counts; then adds the total marks.
///
/// The tables are checked as far as opening the paper needs: the paper lists
/// questions, the key, kind, weight and option count lists have one entry per answer slot,
/// and the answers are worth some marks (a paper of total marks 0 cannot be
/// scored).
/// @throws BankDataError when a table is missing from the resources, the paper
/// is not in it, or the check fails (the file named is the table's resource).
tables::PaperTables ReadPaperTables(const ResourceSource& resources, int section, int paperNumber);

/// What the results files hold for one attempt of one paper. Lists indexed by
/// answer slot hold N values (what a record holds past them is left in the
/// file, where every write keeps it).
struct AttemptRecords {
    std::vector<std::string> answers;      ///< the paper's record in the answer file
    std::vector<std::string> results;      ///< the paper's record in the result file
    std::vector<std::string> firstAnswers; ///< second attempt only: the first attempt's answers
    std::vector<std::string> firstResults; ///< second attempt only: the first attempt's verdicts
    results::Marks marks;                  ///< the six records of the marks file
};

/// Reads the attempt's records in the order the paper opens them: for a first
/// attempt the first file, the fresults file, the marks file; for a second the
/// fresults, second, sresults and first files, then the marks file.
/// @param answerSlots N, the paper's number of answer slots
/// @throws DataError (naming the file) when a file is missing or unreadable, or
/// the paper's record is absent or holds fewer than N values.
AttemptRecords ReadAttemptRecords(const PaperRequest& request, int answerSlots);

} // namespace orbisk::practice
