#pragma once

#include "core/formats/Records.h"

#include <string>
#include <vector>

/// The question bank of one section: four keyed text tables, written by the
/// bank compiler and read when a paper opens. This is the format's one home.
///
/// - paper table (30000 + 10 s + 2): key = paper number, values = its question
///   ids in the order the questions are shown;
/// - answer key (+ 3), answer kinds (+ 4) and answer weights (+ 5): key =
///   question id, one value per answer slot of the question.
/// Each table is framed by "..." lines and lists the papers in ascending order,
/// their questions in paper order, since the per-question readers scan forward only.
namespace orbisk::tables {

/// One question's answer slots: key, kind and weight of each.
struct QuestionEntry {
    int id = 0;
    std::vector<std::string> keys;
    std::vector<std::string> kinds;
    std::vector<std::string> weights;
};

/// One paper: its number and its questions in order.
struct PaperEntry {
    int number = 0;
    std::vector<QuestionEntry> questions;
};

/// The four tables' texts.
struct SectionTablesText {
    std::string papers, keys, kinds, weights;
};

/// Writes the four tables of a section whose papers are given in ascending order.
/// @throws DataError when a value holds a character the records cannot store.
SectionTablesText WriteSectionTables(const std::vector<PaperEntry>& papers);

/// What the four tables say about one paper, lists indexed by answer slot.
struct PaperTables {
    std::vector<std::string> questionIds;
    std::vector<int> answerCounts; ///< per question
    std::vector<std::string> keys, kinds, weights;
    long long totalMarks = 0;

    /// The number of answer slots N.
    int AnswerSlots() const { return static_cast<int>(keys.size()); }
};

/// The paper's question ids from the paper table (ReadRecordAllValues).
/// @throws DataError when the paper has no record.
std::vector<std::string> ReadQuestionIds(const records::RecordText& papers, int paperNumber);

/// Everything the four tables hold for the paper, as opening it reads them.
/// @throws DataError when a record is missing or out of order.
PaperTables ReadPaperTables(const records::RecordText& papers, const records::RecordText& keys,
                            const records::RecordText& kinds, const records::RecordText& weights,
                            int paperNumber);

} // namespace orbisk::tables
