#pragma once

#include "core/formats/ResourceSource.h"
#include "core/results/ResultsStore.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orbisk::results {

/// A configured section and its number of papers.
struct SectionShape {
    int number = 0;
    int paperCount = 0;
};

/// A results file that could not be read and was recreated from its template;
/// the old file was kept beside it first.
struct RepairedFile {
    std::filesystem::path file;
    std::filesystem::path copy;
    std::string problem;
    int section = 0; ///< the section the file belongs to
    /// The papers whose records alone were started afresh from the template,
    /// the other papers' kept; empty when the whole file was.
    std::vector<int> papers;
};

/// What EnsureResultsFiles did.
struct EnsureReport {
    std::vector<std::filesystem::path> created;  ///< missing or empty, written from the template
    std::vector<std::filesystem::path> extended; ///< written for fewer papers, extended
    std::vector<RepairedFile> repaired;          ///< unreadable, kept as a copy and recreated
    std::vector<FileProblem> notCreated;         ///< missing, and could not be written from the template
    std::vector<FileProblem> failed;             ///< could not be extended or repaired, left as it is
};

/// Makes sure every results file of every section can be read by the program:
/// - a missing file is created from its template, and only that file, without
///   waiting for the disk (it holds nothing of the learner's); a file of zero
///   length, which is what a power cut can leave of such a file, counts as
///   missing (an empty trend file is sound, see below);
/// - a file written for fewer papers (a product update added papers) keeps its
///   values and gets the new papers' values from the template;
/// - a file written for more papers or answer slots (an install with a larger
///   bank shares the folder) is sound: the program reads what it knows and
///   keeps the rest;
/// - lines no reader takes (a second record of a paper, a record of another
///   key) are left where they are;
/// - an answers or verdicts file with paper records that cannot be read as
///   they stand (too few values, a value that cannot be written back, not
///   beginning with the key) is copied beside itself under a name holding
///   @p copyStamp, the copy flushed to the disk, then those records alone are
///   replaced with the template's (RepairedFile::papers): one damaged paper
///   does not cost the others' answers;
/// - any other file that exists but cannot be read (input error, a marks
///   record missing or damaged, paper records missing from the first or out
///   of order) is kept as such a copy and recreated from its template. A trend
///   file without its record is sound: it holds nothing to lose, and the
///   next marking writes the record.
/// Files that are sound are not touched. Files are found whatever the letter
/// case of their names (FilePath).
EnsureReport EnsureResultsFiles(const std::filesystem::path& appFolder, std::string_view code,
                                const std::vector<SectionShape>& sections, const ResourceSource& templates,
                                std::string_view copyStamp);

/// The name under which a damaged file is kept: "marks2ENG.txt" with stamp
/// "20261208-101500" becomes "marks2ENG-damaged-20261208-101500.txt"; a name
/// already taken gets "-2", "-3", ... before the extension.
std::filesystem::path DamagedCopyPath(const std::filesystem::path& file, std::string_view copyStamp);

} // namespace orbisk::results
