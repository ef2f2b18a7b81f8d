// Marking an open paper: the two halves around the learner's confirmation, and
// the writes of a marking as one unit that either completes or can be redone.
#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/Journal.h"
#include "core/practice/Marking.h"
#include "core/practice/OpenPaper.h"
#include "core/product/AnswerKinds.h"
#include "core/text/TextForms.h"

#include <cerrno>
#include <optional>
#include <utility>

namespace orbisk::practice {

namespace {

FileFailure failure(results::ResultsFile file, const std::filesystem::path& path, const Error& error) {
    return FileFailure{file, path, error.what()};
}

} // namespace

std::vector<std::string> OpenPaper::markAll() const {
    std::vector<std::string> verdicts;
    verdicts.reserve(m_answers.size());
    for (int slot = 1; slot <= AnswerSlots(); ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        if (kinds::IsGrouped(m_kinds[i])) {
            verdicts.push_back(MarkGroupedAnswer(m_answers, m_keys, slot));
        } else {
            verdicts.push_back(MarkAnswer(m_answers[i], m_keys[i], m_kinds[i]));
        }
    }
    return verdicts;
}

MarkingStart OpenPaper::BeginMarking(const std::vector<std::string>& sheet) {
    if (m_marked) {
        return {MarkingStart::Next::ReviewMode, {}, false, std::nullopt};
    }
    StoreAnswerSheet(sheet);
    if (auto notWritten = writeAnswers()) {
        return {MarkingStart::Next::Stop, {}, false, std::move(notWritten)};
    }
    const bool answersMissing = HasUnansweredSlot();
    return {MarkingStart::Next::Confirm,
            answersMissing ? texts::kNotAllAnsweredQuestion : texts::kMarkNowQuestion, answersMissing,
            std::nullopt};
}

MarkingOutcome OpenPaper::CompleteMarking(Instant now, std::string_view dateText) {
    using results::ResultsFile;
    if (m_marked) {
        return {true, std::nullopt, true};
    }
    const bool first = attempt() == Attempt::First;
    const int paperSlot = m_request.PaperSlot();
    const auto slot = static_cast<std::size_t>(paperSlot - 1);

    std::vector<std::string> verdicts = markAll();
    const long long raw = RawScore(verdicts, m_weights);
    const std::string percentage = ScorePercentage(raw, m_totalMarks);
    std::string timeTaken, dateCompleted;
    if (first) {
        timeTaken = text::FormatTimeTaken(std::chrono::floor<std::chrono::seconds>(now - m_clockStart));
        dateCompleted = StorableAnswer(dateText); // a date never needs ">" or "#"
    }

    // Each file is read afresh and only this paper's record, or its slot's
    // marks, change: whatever else was written since the paper opened stays.
    const ResultsFile resultFile = first ? ResultsFile::FResults : ResultsFile::SResults;
    std::vector<std::pair<ResultsFile, files::FileReplacement>> writes;
    auto compose = [&](ResultsFile file, auto&& text) -> std::optional<FileFailure> {
        const std::filesystem::path path = m_request.File(file);
        try {
            writes.push_back({file, {path, text(path)}});
            return std::nullopt;
        } catch (const Error& error) {
            return failure(file, path, error);
        }
    };
    if (auto failed = compose(resultFile, [&](const std::filesystem::path& path) {
            return records::ReplacePaperRecordText(path, paperSlot, std::to_string(m_request.PaperNum),
                                                   m_request.TtPapersCon, AnswerSlots(), verdicts);
        })) {
        return {false, std::move(failed), true};
    }
    if (auto failed = compose(ResultsFile::Marks, [&](const std::filesystem::path& path) {
            results::Marks marks = results::ReadMarks(path, m_request.TtPapersCon);
            if (first) {
                marks.FSE[slot] = percentage;
                marks.LTM[slot] = timeTaken;
                marks.CDD[slot] = dateCompleted;
                marks.FST[slot] = std::string(results::kMarked);
            } else {
                marks.SSE[slot] = percentage;
                marks.SST[slot] = std::string(results::kMarked);
            }
            return results::MarksText(path, marks, m_request.TtPapersCon);
        })) {
        return {false, std::move(failed), true};
    }
    if (first) {
        if (auto failed = compose(ResultsFile::Trend, [&](const std::filesystem::path& path) {
                return results::AppendedTrendText(path, percentage);
            })) {
            return {false, std::move(failed), true};
        }
    }

    // The three files change as one: a program killed half way is completed
    // at its next start; a write that fails puts back what was written.
    std::vector<files::FileReplacement> replacements;
    for (const auto& write : writes) {
        replacements.push_back(write.second);
    }
    bool undone = true;
    const std::filesystem::path journal = results::MarkingJournalPath(m_request.appFolder);
    try {
        files::ReplaceFilesTogether(journal, replacements, &undone);
    } catch (const Error& error) {
        // The journal, or the file it failed on (the result file, should neither match).
        ResultsFile failed = resultFile;
        for (const auto& write : writes) {
            if (write.second.path == error.file()) {
                failed = write.first;
            }
        }
        // A marking a start could not finish, left in the journal for the next
        // start, which this one may not overwrite: it waits too.
        const auto* written = dynamic_cast<const WriteError*>(&error);
        const bool waits = written != nullptr && written->code() == EEXIST && error.file() == journal;
        return {false, failure(failed, error.file(), error), undone, waits};
    }

    m_results = std::move(verdicts);
    m_scoring = raw;
    m_pscoring = percentage;
    if (first) {
        m_ltime = std::move(timeTaken);
        m_etime = std::move(dateCompleted);
    }
    m_marked = true;
    return {true, std::nullopt, true};
}

} // namespace orbisk::practice
