#pragma once

#include "core/formats/Records.h"

#include <string>
#include <vector>

/// The question bank of one section: five keyed text tables, written by the
/// bank compiler and read when a paper opens. This is the format's one home.
///
/// - paper table (30000 + 10 s + 2): key = paper number, values = its question
///   ids in the order the questions are shown;
/// - answer key (+ 3), answer kinds (+ 4), answer weights (+ 5) and option
///   counts (+ 6): key = question id, one value per answer slot of the
///   question. An option count is the number of options its page shows for a
///   slot answered by option number (kind Q), and 0 for any other slot.
/// Each table is framed by "..." lines and lists the papers in ascending order,
/// their questions in paper order, since the per-question readers scan forward only.
namespace orbisk::tables {

/// One question's answer slots: key, kind, weight and option count of each.
struct QuestionEntry {
    int id = 0;
    std::vector<std::string> keys;
    std::vector<std::string> kinds;
    std::vector<std::string> weights;
    std::vector<int> options; ///< a slot past its end shows no options (0)
};

/// One paper: its number and its questions in order.
struct PaperEntry {
    int number = 0;
    std::vector<QuestionEntry> questions;
};

/// The five tables' texts.
struct SectionTablesText {
    std::string papers, keys, kinds, weights, options;
};

/// Writes the five tables of a section whose papers are given in ascending order.
/// @throws DataError when a value holds a character the records cannot store.
SectionTablesText WriteSectionTables(const std::vector<PaperEntry>& papers);

/// What the five tables say about one paper, lists indexed by answer slot.
struct PaperTables {
    std::vector<std::string> questionIds;
    std::vector<int> answerCounts; ///< per question
    std::vector<std::string> keys, kinds, weights;
    std::vector<int> optionCounts;
    long long totalMarks = 0;

    /// The number of answer slots N.
    int AnswerSlots() const { return static_cast<int>(keys.size()); }
};

/// The paper's question ids from the paper table (ReadRecordAllValues).
/// @throws DataError when the paper has no record.
std::vector<std::string> ReadQuestionIds(const records::RecordText& papers, int paperNumber);

/// The option counts of the questions @p ids, one per answer slot in question order.
/// @throws DataError when a record is missing or out of order, or a value is
/// not a whole number from 0 to kMostOptions.
std::vector<int> ReadOptionCounts(const records::RecordText& options, const std::vector<std::string>& ids);

/// The most options a page shows for one answer.
inline constexpr int kMostOptions = 9;

/// Everything the five tables hold for the paper, as opening it reads them.
/// @throws DataError when a record is missing or out of order.
PaperTables ReadPaperTables(const records::RecordText& papers, const records::RecordText& keys,
                            const records::RecordText& kinds, const records::RecordText& weights,
                            const records::RecordText& options, int paperNumber);

} // namespace orbisk::tables
