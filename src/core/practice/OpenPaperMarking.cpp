// Marking an open paper: the two halves around the learner's confirmation, and
// the writes of a marking as one unit that either completes or can be redone.
#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/practice/Marking.h"
#include "core/practice/OpenPaper.h"
#include "core/product/AnswerKinds.h"
#include "core/text/TextForms.h"

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
        return {MarkingStart::Next::ReviewMode, {}, std::nullopt};
    }
    StoreAnswerSheet(sheet);
    if (auto notWritten = writeAnswers()) {
        return {MarkingStart::Next::Stop, {}, std::move(notWritten)};
    }
    return {MarkingStart::Next::Confirm, HasUnansweredSlot() ? kNotAllAnsweredQuestion : kMarkNowQuestion,
            std::nullopt};
}

MarkingOutcome OpenPaper::CompleteMarking(Instant now, std::string_view dateText) {
    using results::ResultsFile;
    if (m_marked) {
        return {true, std::nullopt, true};
    }
    const bool first = attempt() == Attempt::First;
    const auto slot = static_cast<std::size_t>(m_request.PaperSlot() - 1);

    std::vector<std::string> verdicts = markAll();
    const long long raw = RawScore(verdicts, m_weights);
    const std::string percentage = ScorePercentage(raw, m_totalMarks);
    std::string timeTaken, dateCompleted;
    results::Marks marks = m_marks;
    if (first) {
        timeTaken = text::FormatTimeTaken(std::chrono::floor<std::chrono::seconds>(now - m_clockStart));
        dateCompleted = StorableAnswer(dateText); // a date never needs ">" or "#"
        marks.FSE[slot] = percentage;
        marks.LTM[slot] = timeTaken;
        marks.CDD[slot] = dateCompleted;
        marks.FST[slot] = std::string(results::kMarked);
    } else {
        marks.SSE[slot] = percentage;
        marks.SST[slot] = std::string(results::kMarked);
    }

    // Nothing in memory changes until every file is written, so a failed
    // marking leaves the window answering and the next Mark starts afresh.
    const ResultsFile resultFile = first ? ResultsFile::FResults : ResultsFile::SResults;
    std::vector<std::string> resultLines = m_resultFileLines;
    try {
        records::WritePaperRecord(resultLines, verdicts, m_request.PaperSlot(),
                                  std::to_string(m_request.PaperNum), m_request.TtPapersCon, AnswerSlots(),
                                  m_request.File(resultFile), m_resultsBeyond);
    } catch (const Error& error) {
        return {false, failure(resultFile, m_request.File(resultFile), error), true};
    }
    const std::filesystem::path marksPath = m_request.File(ResultsFile::Marks);
    std::optional<std::string> marksBefore;
    if (first) {
        try {
            marksBefore = files::ReadWholeFile(marksPath);
        } catch (const Error&) {
            // Put back from the lists should the trend fail.
        }
    }
    try {
        results::WriteMarks(marksPath, marks, m_request.TtPapersCon);
    } catch (const Error& error) {
        return {false, failure(ResultsFile::Marks, marksPath, error), true};
    }
    if (first) {
        const std::filesystem::path trendPath = m_request.File(ResultsFile::Trend);
        try {
            results::AppendTrend(trendPath, percentage);
        } catch (const Error& error) {
            // Without its trend value the paper must not stay marked on disk: it
            // could never be marked again to add it. Put the marks back.
            bool restored = true;
            try {
                if (marksBefore) {
                    files::WriteFileAtomically(marksPath, *marksBefore);
                } else {
                    results::WriteMarks(marksPath, m_marks, m_request.TtPapersCon);
                }
            } catch (const Error&) {
                restored = false;
            }
            return {false, failure(ResultsFile::Trend, trendPath, error), restored};
        }
    }

    m_results = std::move(verdicts);
    m_resultFileLines = std::move(resultLines);
    m_marks = std::move(marks);
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
