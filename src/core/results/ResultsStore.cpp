#include "core/results/ResultsStore.h"

#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/io/Folders.h"
#include "core/io/Journal.h"
#include "core/product/ResourceIds.h"
#include "core/text/TextForms.h"

#include <system_error>

namespace orbisk::results {

bool IsMarkedState(std::string_view state) {
    const auto value = text::ParseWholeNumber(state);
    return value && *value == 1;
}

std::string_view BaseName(ResultsFile file) {
    switch (file) {
    case ResultsFile::Marks:
        return "marks";
    case ResultsFile::First:
        return "first";
    case ResultsFile::Second:
        return "second";
    case ResultsFile::FResults:
        return "fresults";
    case ResultsFile::SResults:
        return "sresults";
    case ResultsFile::Trend:
        return "trend";
    }
    return "results";
}

std::string FileName(ResultsFile file, int section, std::string_view code) {
    return std::string(BaseName(file)) + std::to_string(section) + std::string(code) + ".txt";
}

std::filesystem::path FilePath(const std::filesystem::path& appFolder, ResultsFile file, int section,
                               std::string_view code) {
    return files::PathIgnoringCase(appFolder, FileName(file, section, code));
}

int TemplateId(ResultsFile file, int section) {
    return ids::ResultsTemplateId(section, 1 + static_cast<int>(file));
}

Marks ReadMarks(const std::filesystem::path& marksFile, int paperCount) {
    const records::RecordText text = records::RecordText::Load(marksFile);
    Marks marks;
    std::vector<std::string>* lists[] = {&marks.FSE, &marks.SSE, &marks.LTM,
                                         &marks.CDD, &marks.FST, &marks.SST};
    if (paperCount < 0 || paperCount > records::kMarksCapacity) {
        throw DataError(marksFile, "",
                        std::to_string(paperCount) + " papers were asked for; at most " +
                            std::to_string(records::kMarksCapacity) + " can be read");
    }
    for (std::size_t k = 0; k < kMarksKeys.size(); ++k) {
        const std::string_view record = text.FindRecord(kMarksKeys[k]);
        if (record.empty()) {
            throw DataError(marksFile, std::string(kMarksKeys[k]), "the record is missing");
        }
        records::ValuesAndRest split = records::SplitRecordKeepingRest(record, 3, paperCount, marksFile);
        *lists[k] = std::move(split.values);
        marks.beyond[k] = std::move(split.rest);
    }
    return marks;
}

std::string MarksText(const std::filesystem::path& marksFile, const Marks& marks, int paperCount) {
    return records::MarksFileText({marks.FSE, marks.SSE, marks.LTM, marks.CDD, marks.FST, marks.SST},
                                  kMarksKeys, paperCount, marksFile, marks.beyond);
}

void WriteMarks(const std::filesystem::path& marksFile, const Marks& marks, int paperCount) {
    files::WriteFileAtomically(marksFile, MarksText(marksFile, marks, paperCount));
}

std::string AppendedTrendText(const std::filesystem::path& trendFile, std::string_view percentage) {
    if (!records::IsStorableValue(percentage)) {
        throw DataError(trendFile, std::string(kTrendKey),
                        "the percentage holds a character the file cannot store");
    }
    // A trend file gone while the program runs held no value to keep, as one
    // without its record does: the marking starts it again. (Start-up makes a
    // missing one from its template, so only that case reaches here.)
    std::error_code ec;
    const bool gone =
        !std::filesystem::exists(trendFile, ec) && !ec && !std::filesystem::is_symlink(trendFile, ec);
    std::string record = gone ? std::string() : records::ReadRecordLine(trendFile, kTrendKey);
    if (record.empty()) {
        record = "#" + std::string(kTrendKey) + "#";
    }
    record += '>';
    record += percentage;
    return records::JoinLines({record});
}

void AppendTrend(const std::filesystem::path& trendFile, std::string_view percentage) {
    files::WriteFileAtomically(trendFile, AppendedTrendText(trendFile, percentage));
}

std::filesystem::path MarkingJournalPath(const std::filesystem::path& appFolder) {
    return appFolder / std::string(kMarkingJournalName);
}

namespace {

struct ResetTarget {
    std::filesystem::path file;
    std::string_view bytes;
    int section;
};

// The files a reset writes, with their templates; a file that cannot be
// replaced, or has no template, goes to @p report instead.
std::vector<ResetTarget> resetTargets(const std::filesystem::path& appFolder, std::string_view code,
                                      const std::vector<int>& sections, const ResourceSource& templates,
                                      ResetReport& report) {
    std::vector<ResetTarget> targets;
    for (const int section : sections) {
        for (const ResultsFile file : kResultsFiles) {
            const std::filesystem::path path = FilePath(appFolder, file, section, code);
            const auto bytes = templates.Find(TemplateId(file, section));
            if (!bytes) {
                report.notErased.push_back({path,
                                            "the program holds no template for it (resource " +
                                                std::to_string(TemplateId(file, section)) + ")",
                                            section});
            } else if (std::string why = files::WhyNotReplaceable(path); !why.empty()) {
                report.notErased.push_back({path, std::move(why), section});
            } else {
                targets.push_back({path, *bytes, section});
            }
        }
    }
    report.nothingErased = !report.notErased.empty();
    return targets;
}

} // namespace

ResetReport CheckReset(const std::filesystem::path& appFolder, std::string_view code,
                       const std::vector<int>& sections, const ResourceSource& templates) {
    ResetReport report;
    resetTargets(appFolder, code, sections, templates, report);
    return report;
}

ResetReport ResetResults(const std::filesystem::path& appFolder, std::string_view code,
                         const std::vector<int>& sections, const ResourceSource& templates) {
    ResetReport report;
    const std::vector<ResetTarget> targets = resetTargets(appFolder, code, sections, templates, report);
    if (report.nothingErased) {
        return report;
    }
    // An unfinished marking must not come back over the erased files at the next start.
    try {
        files::DiscardJournal(MarkingJournalPath(appFolder));
    } catch (const WriteError& error) {
        report.notErased.push_back({error.file(), error.what(), 0});
    }
    std::size_t written = 0;
    for (const ResetTarget& target : targets) {
        try {
            files::WriteFileAtomically(target.file, target.bytes);
            ++written;
        } catch (const WriteError& error) {
            report.notErased.push_back({target.file, error.problem(), target.section});
        }
    }
    report.nothingErased = written == 0 && !targets.empty();
    return report;
}

} // namespace orbisk::results
