#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

/// Keyed text records: the one format every text the program keeps is written in.
///
/// A file is a sequence of lines; a record is one line "#KEY#>v1>v2>...>vn".
/// The record for a key is the first line holding "#" + key + "#" anywhere,
/// compared without regard to letter case. Values are found by position: the
/// value list starts after character 6 for three-character keys and after
/// character 8 for five-digit question ids (key length + 3 in general), and
/// the last value asked for carries the rest of the line. Lines without a key
/// between two "#" (the "..." lines of the shipped templates) are not records.
/// Every line written ends in CR LF; every write replaces the file atomically.
namespace orbisk::records {

/// Capacities of the value readers: the most values one call may ask for.
inline constexpr int kTopicNamesCapacity = 10;
inline constexpr int kMarksCapacity = 50;
inline constexpr int kAnswersCapacity = 80;
inline constexpr int kReportCapacity = 50;
/// Most paper records ReadPaperRecords reads.
inline constexpr int kPapersCapacity = 50;

/// The line of three dots that opens and closes the files the program ships
/// (configuration, tables, templates). It is not a record, and a file the
/// program has rewritten holds records only.
inline constexpr std::string_view kFrameLine = "...";

/// True when @p text can be stored as one value: it holds no ">", "#", CR or LF.
bool IsStorableValue(std::string_view text);

/// The number of values the record holds as SplitRecordValues reads them: one
/// for the character that opens the value list (character keyLength + 3,
/// normally its ">") and one for each ">" after it; 0 when the line ends before.
std::size_t CountValues(std::string_view record, std::size_t keyLength);

/// The lines as a file's text, each ending in CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

/// True when @p line holds "#" + key + "#", compared without regard to letter case.
bool LineHoldsKey(std::string_view line, std::string_view key);

/// The lines of a keyed text file held in memory. Line ends may be CR LF, LF
/// or CR alone. Every operation of this namespace has a form on a file path and
/// one on a RecordText, so in-memory text (resources, tests) reads the same way.
class RecordText {
public:
    /// @param source names the text in error messages (normally its file).
    RecordText(std::filesystem::path source, std::string text);

    /// Reads the whole file. @throws DataError when it is missing or unreadable.
    static RecordText Load(const std::filesystem::path& path);

    const std::filesystem::path& source() const { return m_source; }
    const std::vector<std::string_view>& lines() const { return m_lines; }

    /// The first line holding the key, or an empty view.
    std::string_view FindRecord(std::string_view key) const;

private:
    std::filesystem::path m_source;
    std::string m_text;
    std::vector<std::string_view> m_lines;
};

/// The record of @p key after its "#KEY#>" (further ">" included), or "" when the
/// key is absent or the record holds nothing after its "#>".
std::string ReadRecordValue(const RecordText& text, std::string_view key);
std::string ReadRecordValue(const std::filesystem::path& path, std::string_view key);

/// The whole record line of @p key, key included, or "" when no line holds it.
std::string ReadRecordLine(const RecordText& text, std::string_view key);
std::string ReadRecordLine(const std::filesystem::path& path, std::string_view key);

/// Values 1..n of the record of @p key; the n-th carries the rest of the line.
/// @throws DataError when the record is absent, holds fewer than n values, or
/// n exceeds @p capacity (kTopicNamesCapacity or kMarksCapacity).
std::vector<std::string> ReadRecordValues(const RecordText& text, std::string_view key, int n,
                                          int capacity = kMarksCapacity);
std::vector<std::string> ReadRecordValues(const std::filesystem::path& path, std::string_view key, int n,
                                          int capacity = kMarksCapacity);

/// All values of the record of @p key: as many as the record holds ">".
/// @throws DataError when the record is absent.
std::vector<std::string> ReadRecordAllValues(const RecordText& text, std::string_view key);
std::vector<std::string> ReadRecordAllValues(const std::filesystem::path& path, std::string_view key);

/// Values 1..n of a record line with a three-character key.
/// @throws DataError (naming @p source) when it holds fewer than n values or n
/// exceeds @p capacity (kAnswersCapacity or kReportCapacity).
std::vector<std::string> SplitRecord(std::string_view record, int n, int capacity = kAnswersCapacity,
                                     const std::filesystem::path& source = {});

/// Values 1..n of a record line whose key has @p keyLength characters.
std::vector<std::string> SplitRecordValues(std::string_view record, std::size_t keyLength, int n,
                                           const std::filesystem::path& source = {});

/// Values 1..n of a record line and its rest.
struct ValuesAndRest {
    std::vector<std::string> values;
    /// Everything after value n, from its ">" on; "" when the record holds exactly n values.
    std::string rest;
};

/// Values 1..n of a record line whose key has @p keyLength characters, value n
/// ending at its own ">", and the values past n kept whole as the rest. A
/// results file written by an install with more papers or answer slots holds
/// such a rest: the program reads what it knows and writes the rest back.
/// @throws DataError (naming @p source) when the record holds fewer than n values.
ValuesAndRest SplitRecordKeepingRest(std::string_view record, std::size_t keyLength, int n,
                                     const std::filesystem::path& source = {});

/// The record lines of papers 101..100+n, found in one forward pass. A paper
/// whose record is not found makes it and every later entry "".
/// @throws DataError when the file cannot be read or n exceeds kPapersCapacity.
std::vector<std::string> ReadPaperRecords(const RecordText& text, int n);
std::vector<std::string> ReadPaperRecords(const std::filesystem::path& path, int n);

/// The number of values of each question's record, found in one forward pass.
/// @throws DataError when an id is absent or out of order.
std::vector<int> CountQuestionValues(const RecordText& text, const std::vector<std::string>& ids);
std::vector<int> CountQuestionValues(const std::filesystem::path& path, const std::vector<std::string>& ids);

/// All values of the questions' records, concatenated in question order.
/// @throws DataError when an id is absent or out of order.
std::vector<std::string> ReadQuestionValues(const RecordText& text, const std::vector<std::string>& ids);
std::vector<std::string> ReadQuestionValues(const std::filesystem::path& path,
                                            const std::vector<std::string>& ids);

/// Builds the record "#KEY#>v1>...>vn" from the first n values.
/// @throws DataError when a value holds a character the format cannot store.
std::string BuildRecord(std::string_view key, const std::vector<std::string>& values, int n,
                        const std::filesystem::path& target = {});

/// Sets lines(slot) to the record of @p key with values 1..n and rewrites the
/// file with lines 1..count, each ending in CR LF. The caller keeps @p lines
/// for its next write. Records of papers past @p count that the file holds
/// (written by an install with more papers) are written back after them.
/// @throws DataError for a value the format cannot hold (nothing is written),
/// WriteError when the file cannot be written (the old file stays whole).
/// @p rest (see SplitRecordKeepingRest) follows value n: the values past the
/// paper's answer slots that an install with more answers wrote.
void WritePaperRecord(std::vector<std::string>& lines, const std::vector<std::string>& values, int slot,
                      std::string_view key, int count, int n, const std::filesystem::path& path,
                      std::string_view rest = {});

/// The text of the results file at @p path, read afresh, with only the record
/// of paper slot @p slot replaced by the record of @p key with values 1..n:
/// every other record stays as the file holds it (those of papers past
/// @p count too, written by an install with more papers), and so do the
/// paper's own values past n (written by an install with more answers).
/// Lines end in CR LF. A window writes its paper this way, never from a copy
/// of the file it read earlier, so nothing written since is lost.
/// @throws DataError when the file cannot be read, lacks the record of one of
/// papers 1..count, or a value holds a character the format cannot store.
std::string ReplacePaperRecordText(const std::filesystem::path& path, int slot, std::string_view key,
                                   int count, int n, const std::vector<std::string>& values);

/// The text WriteMarksFile writes.
std::string MarksFileText(const std::array<std::vector<std::string>, 6>& lists,
                          const std::array<std::string_view, 6>& keys, int n,
                          const std::filesystem::path& path, const std::array<std::string, 6>& rests = {});

/// Rewrites the file with six records, list k under key k, n values each, in
/// the order given; rest k (see SplitRecordKeepingRest) follows value n of record k.
/// @throws DataError for a value or rest the format cannot hold, WriteError
/// when the file cannot be written.
void WriteMarksFile(const std::array<std::vector<std::string>, 6>& lists,
                    const std::array<std::string_view, 6>& keys, int n, const std::filesystem::path& path,
                    const std::array<std::string, 6>& rests = {});

/// Rewrites the file with the given lines, each ending in CR LF.
/// @throws WriteError when the file cannot be written.
void WriteLines(const std::vector<std::string>& lines, const std::filesystem::path& path);

} // namespace orbisk::records
