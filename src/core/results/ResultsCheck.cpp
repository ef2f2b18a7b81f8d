#include "core/results/ResultsCheck.h"

#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/product/BankNumbers.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <system_error>

namespace orbisk::results {

namespace {

using records::RecordText;

bool isRecordLine(std::string_view line) {
    const std::size_t first = line.find('#');
    return first != std::string_view::npos && line.find('#', first + 2) != std::string_view::npos;
}

// What to do with a file that exists: nothing, rewrite it with new content,
// start some of its papers afresh (a copy of it kept first), or treat it as damaged.
struct Verdict {
    enum class Kind { Sound, Extend, Repair, Damaged } kind = Kind::Sound;
    std::string content;     // Extend, Repair: the file to write
    std::string problem;     // Repair, Damaged: what is wrong
    std::vector<int> papers; // Repair: the papers started afresh
};

Verdict damaged(std::string problem) {
    return {Verdict::Kind::Damaged, {}, std::move(problem), {}};
}

// Whether the line begins "#KEY#>" as the program writes it. Values are found
// by position: anything before the key, or between the key and its ">",
// moves every value one place along.
bool beginsWithKey(std::string_view line, std::string_view key) {
    const std::size_t open = key.size() + 2;
    return line.size() > open && line[open] == '>' && records::LineHoldsKey(line.substr(0, open), key);
}

// Whether the record begins with its key and its first @p n values, and what
// lies past them, can be written back as they are read.
bool writesBack(std::string_view record, std::string_view key, int n) {
    if (!beginsWithKey(record, key)) {
        return false;
    }
    const records::ValuesAndRest split = records::SplitRecordKeepingRest(record, 3, n);
    return std::all_of(split.values.begin(), split.values.end(),
                       [](const std::string& value) { return records::IsStorableValue(value); }) &&
           split.rest.find('#') == std::string::npos;
}

// Each record must be there and hold at least one value. A record holding
// fewer than the configured papers was written for fewer papers and is
// extended from the template; one holding more was written by an install with
// more papers and is left as it is.
Verdict checkMarks(const RecordText& file, const RecordText& pattern, int paperCount) {
    std::array<std::vector<std::string>, 6> patternValues;
    for (std::size_t k = 0; k < kMarksKeys.size(); ++k) {
        try {
            patternValues[k] = records::ReadRecordAllValues(pattern, kMarksKeys[k]);
        } catch (const DataError& error) {
            throw TemplateError(pattern.source(), error.what());
        }
        if (patternValues[k].size() != static_cast<std::size_t>(paperCount)) {
            throw TemplateError(pattern.source(), "the template's record " + std::string(kMarksKeys[k]) +
                                                      " does not hold " + std::to_string(paperCount) +
                                                      " values");
        }
    }
    std::vector<std::string> out;
    bool extended = false;
    for (std::size_t k = 0; k < kMarksKeys.size(); ++k) {
        const std::string_view line = file.FindRecord(kMarksKeys[k]);
        if (line.empty()) {
            return damaged("the record " + std::string(kMarksKeys[k]) + " is missing");
        }
        if (!beginsWithKey(line, kMarksKeys[k])) {
            return damaged("the record " + std::string(kMarksKeys[k]) + " does not begin with its key");
        }
        const std::size_t held = records::CountValues(line, 3);
        if (held == 0 && paperCount > 0) {
            return damaged("the record " + std::string(kMarksKeys[k]) + " holds no values");
        }
        if (held >= static_cast<std::size_t>(paperCount)) {
            if (!writesBack(line, kMarksKeys[k], paperCount)) {
                return damaged("the record " + std::string(kMarksKeys[k]) +
                               " holds a value that cannot be stored again");
            }
            out.emplace_back(line);
            continue;
        }
        std::vector<std::string> values =
            records::SplitRecordValues(line, 3, static_cast<int>(held), file.source());
        values.insert(values.end(), patternValues[k].begin() + static_cast<std::ptrdiff_t>(held),
                      patternValues[k].end());
        out.push_back(records::BuildRecord(kMarksKeys[k], values, paperCount, file.source()));
        extended = true;
    }
    if (!extended) {
        return {};
    }
    return {Verdict::Kind::Extend, records::JoinLines(out), {}, {}};
}

// The records of papers 101 onwards, each holding at least the template's
// values, found as every reader finds them: in one forward pass, the first
// match after the paper before. Records past the configured papers, values
// past the template's, and lines no reader takes (a second record of a paper,
// a record of another key) stay as they are. A file without the records of
// its last papers, written for fewer papers, is extended. A record that cannot
// be read as it stands (too few values, something before its key, gone from
// between two others) holds only that paper's answers or verdicts: it alone is
// started afresh from the template, and the other papers' records stay. (A
// value holding a character the file cannot hold is no damage here: the paper
// opens without that character, and the writers rebuild only the record of the
// paper they write.)
Verdict checkPaperFile(const RecordText& file, const RecordText& pattern, int paperCount) {
    std::vector<std::string> patternRecords;
    try {
        patternRecords = records::ReadPaperRecords(pattern, paperCount);
    } catch (const DataError& error) {
        throw TemplateError(pattern.source(), error.what());
    }
    for (int i = 0; i < paperCount; ++i) {
        if (patternRecords[static_cast<std::size_t>(i)].empty()) {
            throw TemplateError(pattern.source(), "the template has no record for paper " +
                                                      std::to_string(bank::PaperOfSlot(i + 1)));
        }
    }
    const std::vector<std::string_view>& lines = file.lines();
    const auto find = [&lines](std::size_t from, int slot) {
        const std::string key = std::to_string(bank::PaperOfSlot(slot));
        for (std::size_t i = from; i < lines.size(); ++i) {
            if (records::LineHoldsKey(lines[i], key)) {
                return i;
            }
        }
        return lines.size();
    };
    std::vector<std::string> kept(lines.begin(), lines.end());
    std::map<std::size_t, std::vector<std::string>> putBack; // template records to put in front of a line
    Verdict repair{Verdict::Kind::Repair, {}, {}, {}};
    const auto startAfresh = [&repair](int slot, const std::string& problem) {
        repair.papers.push_back(bank::PaperOfSlot(slot));
        repair.problem += (repair.problem.empty() ? "" : "; ") + problem;
    };
    std::size_t from = 0;
    int known = 0; // papers 1..known have a record the readers find
    for (int slot = 1; slot <= paperCount; ++slot) {
        const std::string key = std::to_string(bank::PaperOfSlot(slot));
        const auto own = static_cast<std::size_t>(slot - 1); // the slot's place in patternRecords
        const std::size_t at = find(from, slot);
        if (at == lines.size()) {
            // Gone from between two records: put back in front of the next one found.
            std::size_t next = lines.size();
            for (int later = slot + 1; later <= paperCount && next == lines.size(); ++later) {
                next = find(from, later);
            }
            if (next == lines.size()) {
                break; // the file ends here
            }
            putBack[next].push_back(patternRecords[own]);
            startAfresh(slot, "the record of paper " + key + " is missing or out of order");
            known = slot;
            continue;
        }
        const std::string_view record = lines[at];
        const std::size_t expected = records::CountValues(patternRecords[own], 3);
        const std::size_t count = records::CountValues(record, 3);
        if (!beginsWithKey(record, key)) {
            kept[at] = patternRecords[own];
            startAfresh(slot, "the record of paper " + key + " does not begin with its key");
        } else if (count < expected) {
            kept[at] = patternRecords[own];
            startAfresh(slot, "the record of paper " + key + " holds " + std::to_string(count) + " values; " +
                                  std::to_string(expected) + " were expected");
        }
        from = at + 1;
        known = slot;
    }
    const bool extend = known < paperCount;
    if (!extend && repair.papers.empty()) {
        return {};
    }
    if (known == 0) {
        return damaged("it holds no record of paper " + std::to_string(bank::PaperOfSlot(1)));
    }
    // A later paper whose record stands before an earlier one's is not found
    // by the readers: extending the file would hide it behind the template's.
    for (int slot = known + 1; slot <= paperCount; ++slot) {
        const std::string key = std::to_string(bank::PaperOfSlot(slot));
        if (!file.FindRecord(key).empty()) {
            return damaged("the record of paper " + key + " is out of order");
        }
    }
    // Written again, the file holds records only, as every write leaves it.
    std::vector<std::string> out;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (const auto records = putBack.find(i); records != putBack.end()) {
            out.insert(out.end(), records->second.begin(), records->second.end());
        }
        if (isRecordLine(kept[i])) {
            out.push_back(std::move(kept[i]));
        }
    }
    out.insert(out.end(), patternRecords.begin() + static_cast<std::ptrdiff_t>(known), patternRecords.end());
    if (repair.papers.empty()) {
        return {Verdict::Kind::Extend, records::JoinLines(out), {}, {}};
    }
    repair.content = records::JoinLines(out);
    return repair;
}

Verdict check(ResultsFile kind, const RecordText& file, const RecordText& pattern, int paperCount) {
    switch (kind) {
    case ResultsFile::Marks:
        return checkMarks(file, pattern, paperCount);
    case ResultsFile::Trend:
        // A file without the trend record holds nothing to lose: the next
        // marking writes the record (AppendTrend).
        return {};
    default:
        return checkPaperFile(file, pattern, paperCount);
    }
}

// Keeps a damaged file's bytes as @p copy, on the disk before the original is
// replaced: a power cut in between must not leave the template as the only
// trace of the results. Returns why the copy could not be made, or "".
std::string keepCopy(const std::optional<std::string>& held, const std::filesystem::path& original,
                     const std::filesystem::path& copy) {
    if (!held) {
        return "it cannot be read";
    }
    // The copy is as private as the file it keeps.
    std::error_code ec;
    const auto status = std::filesystem::status(original, ec);
    try {
        files::WriteFileAtomically(copy, *held, files::Sync::ToDisk,
                                   ec ? std::nullopt : std::optional(status.permissions()));
    } catch (const WriteError& error) {
        return error.problem();
    }
    return {};
}

} // namespace

std::filesystem::path DamagedCopyPath(const std::filesystem::path& file, std::string_view copyStamp) {
    const std::string stem = file.stem().string() + "-damaged-" + std::string(copyStamp);
    const std::string extension = file.extension().string();
    std::error_code ec;
    std::filesystem::path candidate = file.parent_path() / (stem + extension);
    for (int n = 2; std::filesystem::exists(candidate, ec); ++n) {
        candidate = file.parent_path() / (stem + "-" + std::to_string(n) + extension);
    }
    return candidate;
}

EnsureReport EnsureResultsFiles(const std::filesystem::path& appFolder, std::string_view code,
                                const std::vector<SectionShape>& sections, const ResourceSource& templates,
                                std::string_view copyStamp) {
    EnsureReport report;
    for (const SectionShape& section : sections) {
        for (const ResultsFile kind : kResultsFiles) {
            const std::filesystem::path path = FilePath(appFolder, kind, section.number, code);
            const int templateId = TemplateId(kind, section.number);
            const auto bytes = templates.Find(templateId);
            if (!bytes) {
                report.failed.push_back(
                    {path,
                     "the program holds no template for it (resource " + std::to_string(templateId) + ")",
                     section.number});
                continue;
            }
            std::error_code ec;
            const bool present = std::filesystem::exists(path, ec) || std::filesystem::is_symlink(path, ec);
            try {
                if (!present) {
                    // A file made from its template holds nothing of the learner's, so it is not
                    // waited for: should a power cut leave it empty, the next start makes it again.
                    try {
                        files::WriteFileAtomically(path, *bytes, files::Sync::NoWait);
                    } catch (const WriteError& error) {
                        report.notCreated.push_back({path, error.problem(), section.number});
                        continue;
                    }
                    report.created.push_back(path);
                    continue;
                }
                std::optional<std::string> held; // the file's bytes, when they could be read
                Verdict verdict;
                try {
                    held = files::ReadWholeFile(path);
                    verdict = check(kind, RecordText(path, *held), RecordText(path, std::string(*bytes)),
                                    section.paperCount);
                } catch (const DataError& error) {
                    verdict = damaged(error.problem());
                }
                if (verdict.kind == Verdict::Kind::Damaged && held && held->empty()) {
                    // Empty is what a power cut leaves of a file just made from its template.
                    files::WriteFileAtomically(path, *bytes, files::Sync::NoWait);
                    report.created.push_back(path);
                } else if (verdict.kind == Verdict::Kind::Extend) {
                    files::WriteFileAtomically(path, verdict.content);
                    report.extended.push_back(path);
                } else if (verdict.kind == Verdict::Kind::Damaged || verdict.kind == Verdict::Kind::Repair) {
                    // A file that could not be replaced anyway gets no copy: every
                    // start would otherwise leave one more beside it.
                    if (const std::string why = files::WhyNotReplaceable(path); !why.empty()) {
                        report.failed.push_back({path,
                                                 verdict.problem + "; it cannot be replaced (" + why +
                                                     "), so it was left as it is",
                                                 section.number});
                        continue;
                    }
                    const std::filesystem::path copy = DamagedCopyPath(path, copyStamp);
                    if (const std::string notKept = keepCopy(held, path, copy); !notKept.empty()) {
                        report.failed.push_back({path,
                                                 verdict.problem + "; it could not be kept as " +
                                                     copy.filename().string() + " (" + notKept +
                                                     "), so it was left as it is",
                                                 section.number});
                        continue;
                    }
                    const bool some = verdict.kind == Verdict::Kind::Repair;
                    files::WriteFileAtomically(path, some ? verdict.content : std::string(*bytes));
                    report.repaired.push_back({path, copy, verdict.problem, section.number, verdict.papers});
                }
            } catch (const WriteError& error) {
                report.failed.push_back({path, error.problem(), section.number});
            } catch (const TemplateError& fault) {
                report.failed.push_back(
                    {path, std::string("its template does not fit the configuration: ") + fault.what(),
                     section.number});
            }
        }
    }
    return report;
}

} // namespace orbisk::results
