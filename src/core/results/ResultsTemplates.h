#pragma once

#include <map>
#include <string>
#include <vector>

/// The templates the results files are created and reset from: the one home of
/// their text. The bank compiler writes them into the program's resources
/// (TemplateId), start-up creates missing results files from them, and erasing
/// results rewrites every file from its template.
namespace orbisk::results {

/// The marks file's template: "..." lines around six records of @p paperCount
/// values, FSE, SSE, LTM and CDD empty, FST and SST "0".
std::string MarksTemplate(int paperCount);

/// The template of an answer or result file (first, second, fresults,
/// sresults): "..." lines around one record per paper, 101 onwards, each
/// holding as many empty values as the paper has answer slots.
std::string PaperRecordsTemplate(const std::vector<int>& answerSlotsPerPaper);

/// The trend file's template: the key record "#TRD#" with no values and no line end.
std::string TrendTemplate();

/// The six templates of @p section by resource number (TemplateId).
std::map<int, std::string> SectionTemplates(int section, const std::vector<int>& answerSlotsPerPaper);

} // namespace orbisk::results
