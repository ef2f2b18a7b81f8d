#pragma once

#include "core/formats/ResourceSource.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

/// The learner's results: six keyed text files per section in the application
/// folder, created from templates that ship with the program.
namespace orbisk::results {

enum class ResultsFile { Marks, First, Second, FResults, SResults, Trend };

inline constexpr std::array<ResultsFile, 6> kResultsFiles{ResultsFile::Marks,    ResultsFile::First,
                                                          ResultsFile::Second,   ResultsFile::FResults,
                                                          ResultsFile::SResults, ResultsFile::Trend};

/// The marks file's records, in the order they are written.
inline constexpr std::array<std::string_view, 6> kMarksKeys{"FSE", "SSE", "LTM", "CDD", "FST", "SST"};
/// The records holding the state of each attempt: "1" marked, "0" not.
inline constexpr std::string_view kFirstStateKey = "FST";
inline constexpr std::string_view kSecondStateKey = "SST";
inline constexpr std::string_view kMarked = "1";
inline constexpr std::string_view kNotMarked = "0";
/// Whether an attempt's state reads as marked: the number 1, spaces around it allowed.
bool IsMarkedState(std::string_view state);
/// The trend file's one record: first-attempt percentages in marking order.
inline constexpr std::string_view kTrendKey = "TRD";

/// Value @p slot (1-based) of a record's values, or empty when the record is shorter.
inline std::string_view SlotValue(const std::vector<std::string>& values, int slot) {
    const auto i = static_cast<std::size_t>(slot - 1);
    return slot >= 1 && i < values.size() ? std::string_view(values[i]) : std::string_view();
}

/// "marks", "first", "second", "fresults", "sresults" or "trend".
std::string_view BaseName(ResultsFile file);

/// The file's name for a section and product code, e.g. "marks2ENG.txt".
std::string FileName(ResultsFile file, int section, std::string_view code);

/// Where the file is read and written: the file of that name in @p appFolder
/// whatever its letter case ("Marks2ENG.txt" is the marks file), else the name
/// FileName gives, for creating it.
std::filesystem::path FilePath(const std::filesystem::path& appFolder, ResultsFile file, int section,
                               std::string_view code);

/// Resource number of the file's template (ids::ResultsTemplateId): 30121
/// (marks) to 30126 (trend) for section 2.
int TemplateId(ResultsFile file, int section);

/// The six records of a marks file, one value per paper slot (index slot - 1).
struct Marks {
    std::vector<std::string> FSE; ///< first-attempt percentage, empty when not marked
    std::vector<std::string> SSE; ///< second-attempt percentage
    std::vector<std::string> LTM; ///< first-attempt time taken, H:M:S
    std::vector<std::string> CDD; ///< date the first attempt was marked
    std::vector<std::string> FST; ///< "1" when the first attempt is marked, else "0"
    std::vector<std::string> SST; ///< "1" when the second attempt is marked, else "0"
    /// What each record (in kMarksKeys order) holds past the paper count, as it
    /// was read: the values of an install with more papers sharing the folder.
    std::array<std::string, 6> beyond;
};

/// Reads the six records with @p paperCount values each; values past them are
/// kept in Marks::beyond, not read.
/// @throws DataError when the file is unreadable or a record is missing or short.
Marks ReadMarks(const std::filesystem::path& marksFile, int paperCount);

/// Rewrites the marks file with its six records in the order FSE, SSE, LTM,
/// CDD, FST, SST, each followed by what Marks::beyond keeps for it.
/// @throws DataError for a value the format cannot hold, WriteError when the file cannot be written.
void WriteMarks(const std::filesystem::path& marksFile, const Marks& marks, int paperCount);
/// The text WriteMarks writes.
/// @throws DataError for a value the format cannot hold.
std::string MarksText(const std::filesystem::path& marksFile, const Marks& marks, int paperCount);

/// Adds one first-attempt percentage to the trend record and rewrites the file
/// as that one record ending in CR LF. A file without a trend record gets a new one.
/// @throws DataError when the file cannot be read, WriteError when it cannot be written.
void AppendTrend(const std::filesystem::path& trendFile, std::string_view percentage);
/// The text AppendTrend writes, from the trend file as it is now.
/// @throws DataError when the file cannot be read or the percentage cannot be stored.
std::string AppendedTrendText(const std::filesystem::path& trendFile, std::string_view percentage);

/// The journal a marking writes before it replaces the result, marks and
/// trend files (see files::ReplaceFilesTogether): it exists only while a
/// marking writes, or after a marking was cut short by the program's end,
/// until the next start completes it.
inline constexpr std::string_view kMarkingJournalName = "marking.journal";
std::filesystem::path MarkingJournalPath(const std::filesystem::path& appFolder);

/// A file that an operation could not write or repair, and why.
struct FileProblem {
    std::filesystem::path file;
    std::string problem;
    int section = 0; ///< the section the file belongs to
};

/// What ResetResults did not do.
struct ResetReport {
    /// The files that still hold results, and why; empty when all were erased.
    std::vector<FileProblem> notErased;
    /// True when no results file was written: a file found unchangeable
    /// beforehand stops the whole erase, so that no paper is left marked with
    /// its answers gone, nor the other way round; or every write failed.
    bool nothingErased = false;
};

/// What ResetResults would refuse to do, found without writing anything:
/// the files it could not replace (or has no template for), with
/// nothingErased set when there is one. An empty report lets it go ahead.
ResetReport CheckReset(const std::filesystem::path& appFolder, std::string_view code,
                       const std::vector<int>& sections, const ResourceSource& templates);

/// Rewrites the six results files of every listed section from its templates,
/// so each holds exactly its template. Every file is checked first
/// (files::WhyNotReplaceable, and its template there): when one cannot be
/// replaced, no file is written. Then an unfinished marking's journal is
/// removed, so that no next start brings erased results back, and every file
/// is written; one whose write fails anyway (a full disk) is reported and the
/// others are still written (when every one fails, nothingErased is set).
ResetReport ResetResults(const std::filesystem::path& appFolder, std::string_view code,
                         const std::vector<int>& sections, const ResourceSource& templates);

} // namespace orbisk::results
