#pragma once

#include "core/product/BankNumbers.h"

/// The numbers under which the program carries its resources. Every resource
/// is addressed by number alone (type "Custom"):
/// - 1 to 92: the skin pictures (see SkinTable; 38 to 40 are unused);
/// - 101 to 192: each skin picture's twin with twice the pixels each way, for
///   screens with a device pixel ratio above 1, numbered picture + 100 (see
///   SkinTwinId); never written to the Graphics folder;
/// - 10000 to 24999: question pages, numbered by their question ids (see QuestionId);
/// - 30000: the product configuration;
/// - 30000 + 10 s + 2 to + 6: the five question bank tables of section s;
/// - 30100 + 10 s + 1 to + 6: the six results templates of section s;
/// - 40000 to 54999: the explanations of a question's answers, numbered by its
///   question id + 30000 (see ExplanationId); only questions that have any.
namespace orbisk::ids {

inline constexpr int kConfiguration = 30000;

/// The five tables of a section's question bank, in resource order.
enum class Table { Papers = 2, Keys = 3, Kinds = 4, Weights = 5, Options = 6 };

/// Resource number of a section's table: 30000 + 10 * section + 2 (papers) to + 6 (options).
constexpr int TableId(int section, Table table) {
    return 30000 + 10 * section + static_cast<int>(table);
}

/// Resource number of the results template number @p file (1 marks, 2 first,
/// 3 second, 4 fresults, 5 sresults, 6 trend) of a section: 30100 + 10 * section
/// + file, so 30121 to 30126 for section 2.
constexpr int ResultsTemplateId(int section, int file) {
    return 30100 + 10 * section + file;
}

/// Resource number of the explanations of question @p questionId (see
/// explain::ReadExplanations): the id + 30000, so 45001 for question 15001.
constexpr int ExplanationId(int questionId) {
    return questionId + 30000;
}

/// The skin pictures' resource numbers lie in 1..92.
inline constexpr int kFirstSkinPicture = 1;
inline constexpr int kLastSkinPicture = 92;

/// Resource number of the twin of skin picture @p id (its file NAME@2x.EXT):
/// the id + 100, so 101 for about_off.bmp's twin.
constexpr int SkinTwinId(int id) {
    return id + 100;
}

/// Where resource @p id goes in the program's pack, which the program reads in
/// place and which the program's other constant data surround: the skin
/// pictures next to the pack's table, then the question pages, the
/// explanations (read after a marking), the twins (read on sharp screens only),
/// and last, next to the data after the pack, what every start reads (the
/// configuration, the tables and the results templates). Reading one group
/// then brings in few pages of the others.
constexpr int PackPlacement(int id) {
    constexpr int firstPage = bank::QuestionId(1, bank::kFirstPaper, 1);
    constexpr int lastPage = bank::QuestionId(bank::kMaxSections, bank::PaperOfSlot(bank::kMaxPapers),
                                              bank::kMaxQuestionsPerPaper);
    if (id >= kFirstSkinPicture && id <= kLastSkinPicture) {
        return 0;
    }
    if (id >= firstPage && id <= lastPage) {
        return 1;
    }
    if (id >= ExplanationId(firstPage) && id <= ExplanationId(lastPage)) {
        return 2;
    }
    if (id >= kConfiguration && id < ExplanationId(firstPage)) {
        return 4;
    }
    return 3;
}

} // namespace orbisk::ids
