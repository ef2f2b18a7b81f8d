#pragma once

#include "core/formats/ResourceSource.h"
#include "core/practice/AnswerSheet.h"
#include "core/practice/PaperRequest.h"
#include "core/practice/PracticeTexts.h"
#include "core/practice/QuestionPageFile.h"
#include "core/results/ResultsStore.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbisk::practice {

/// The monotonic clock the practice clock and the time taken count on.
using Instant = std::chrono::steady_clock::time_point;

/// A results file an operation could not write. The file on disk is as it was
/// before the write (writes are atomic); what the learner typed is kept in memory.
struct FileFailure {
    results::ResultsFile file = results::ResultsFile::First;
    std::filesystem::path path;
    std::string problem; ///< technical detail, for the message's details line
};

/// What a move to another question did.
struct MoveOutcome {
    bool moved = false; ///< false when the target lay outside 1..Q: then nothing at all happened
    std::optional<FileFailure>
        answersNotWritten; ///< the answer file could not be written (answers kept in memory)
    PageOutcome page;      ///< the page of the question now on show (check page.ok())
};

/// What the first half of marking decided (OpenPaper::BeginMarking).
struct MarkingStart {
    enum class Next {
        ReviewMode, ///< the attempt is already marked: show review mode, ask nothing, write nothing
        Confirm,    ///< ask @ref question in a two-button pop-up titled texts::kMarkingTitle; on Yes run the
                    ///< progress animation, then CompleteMarking; on No stop (nothing more changes)
        Stop,       ///< the answers could not be written: tell the learner (@ref failure) and stop
    };
    Next next = Next::Stop;
    std::string_view question; ///< texts::kNotAllAnsweredQuestion or texts::kMarkNowQuestion
    /// The question would mark a paper with answers missing, which cannot be
    /// taken back: the pop-up offers its harmless answer, No, first.
    bool offerNoFirst = false;
    std::optional<FileFailure> failure; ///< with Next::Stop
};

/// What the second half of marking did (OpenPaper::CompleteMarking).
struct MarkingOutcome {
    bool marked = false; ///< true: every file written, the attempt is in review mode
    /// The file that could not be written; the attempt stays answering and a
    /// later Mark completes the marking.
    std::optional<FileFailure> failure;
    /// After a failed write: false when a file already written (the marks file,
    /// say) could not be put back either, so the paper may be marked on disk
    /// without its trend value (a later Mark in this window still completes it).
    bool marksFileRestored = true;
    /// The marking of an earlier paper, which a start could not finish, waits
    /// for the next start (failure names its journal): nothing was written.
    bool earlierMarkingWaits = false;
};

/// The open paper: everything a practice window knows about the attempt it
/// shows, and every rule of answering, moving, saving and marking it.
///
/// The window holds one OpenPaper, paints what it says and forwards the
/// learner's actions to it. Where an action needs the texts typed into the
/// answer boxes, the window passes them as `sheet`: the texts of FA1..FAk of
/// the question on show, in frame order (extra entries are ignored, missing
/// ones leave their slots unchanged).
///
/// Numbering: questions 1..Q and answer slots 1..N, as the learner sees them;
/// the lists returned are indexed from 0 (slot i is element i - 1).
///
/// Files: the paper's record in the attempt's answer file is rewritten on a
/// move and on Save when the answers differ from what the file last held (read
/// at opening or written since), and always at the start of marking; marking writes the result
/// file, the marks file and, for a first attempt, the trend file as one change
/// (files::ReplaceFilesTogether). Every write reads its file afresh and
/// replaces only this paper's record or its slot's marks values, never a whole
/// file from a copy read earlier. The question on show has its page file in the application
/// folder; it is the only one, and it goes when the OpenPaper goes (or on
/// ClosePage).
class OpenPaper final {
public:
    /// Opens the paper: reads its five question bank tables from the
    /// resources, writes the page of question 1, reads the attempt's answer and result
    /// records and the marks file, carries a second attempt's right first
    /// answers over, and sets `Status` from FST (SST for a second attempt).
    /// Call StartClock once the window is ready.
    /// @throws DataError or WriteError when the paper cannot be opened: a
    /// damaged or missing table or results file, or a page file that cannot be
    /// written. Nothing is left written (no page file); the results files are
    /// untouched.
    /// @throws std::invalid_argument for a request outside its section (a
    /// paper number not in 101..100 + P).
    static OpenPaper Open(const ResourceSource& resources, PaperRequest request);

    OpenPaper(OpenPaper&&) noexcept = default;
    OpenPaper& operator=(OpenPaper&&) noexcept = default;
    OpenPaper(const OpenPaper&) = delete;
    OpenPaper& operator=(const OpenPaper&) = delete;
    ~OpenPaper() = default;

    // ---- The paper -------------------------------------------------------

    const PaperRequest& request() const { return m_request; }
    Attempt attempt() const { return m_request.TakeNum; }
    /// The window caption and `Title`: "Grammar (1) - Paper 1".
    std::string Caption() const { return PaperCaption(m_request); }

    /// Q: the number of questions.
    int QuestionCount() const { return static_cast<int>(m_questionIds.size()); }
    /// N: the number of answer slots (`lblTotalQ` shows it).
    int AnswerSlots() const { return static_cast<int>(m_keys.size()); }
    const std::vector<std::string>& questionIds() const { return m_questionIds; }
    /// Answer slots of each question, indexed by question - 1.
    const std::vector<int>& answerCounts() const { return m_answerCounts; }
    /// The answer offset d of question @p q (1..Q): the slots of questions 1..q-1.
    int AnswerOffset(int q) const;

    const std::vector<std::string>& keys() const { return m_keys; }
    const std::vector<std::string>& kinds() const { return m_kinds; }
    const std::vector<std::string>& weights() const { return m_weights; }
    long long totalMarks() const { return m_totalMarks; }

    /// This attempt's answers and verdicts, one per slot.
    const std::vector<std::string>& answers() const { return m_answers; }
    const std::vector<std::string>& results() const { return m_results; }
    /// Second attempt only (empty for a first): the first attempt's answers and verdicts.
    const std::vector<std::string>& firstAnswers() const { return m_firstAnswers; }
    const std::vector<std::string>& firstResults() const { return m_firstResults; }

    // ---- The window's state ----------------------------------------------

    /// The question on show, 1..Q (1 after opening).
    int QSCount() const { return m_question; }
    /// True once the attempt is marked (FST, or SST, reads 1): on disk when the
    /// paper opened, or by a marking made since.
    bool IsMarked() const { return m_marked; }
    /// The raw score of a marking made in this window (0 otherwise).
    long long Scoring() const { return m_scoring; }
    /// `PScoring`: the attempt's stored percentage ("" before marking).
    const std::string& PScoring() const { return m_pscoring; }
    /// `LTime` and `ETime`: the first attempt's time taken and date completed
    /// ("" before marking, and always for a second attempt).
    const std::string& LTime() const { return m_ltime; }
    const std::string& ETime() const { return m_etime; }
    /// `QnTitle`: "Question " + QSCount.
    std::string QuestionTitle() const;
    /// The slots whose verdict is right (kRight) in this attempt's results.
    int RightCount() const;
    /// Beside the score once marked: the right answers out of all, "22 / 30"; "" before marking.
    std::string RightOutOf() const;

    // ---- The answer sheet --------------------------------------------------

    /// What the sheet shows for the question on show, with the explanations of
    /// its slots (read from the program's resources when the question came on
    /// show) where ExplanationShows lets them show.
    AnswerSheet Sheet() const;

    /// Copies the typed texts of the question on show into the answer list,
    /// exactly as typed but without the characters the file cannot hold
    /// (StorableAnswer). Locked slots keep their answers. Writes nothing.
    void StoreAnswerSheet(const std::vector<std::string>& sheet);

    /// True when slot @p slot's box is read-only: the attempt is marked, or a
    /// second attempt carried the slot's right first answer over.
    bool IsLocked(int slot) const;
    /// Second attempt: the slot was right the first time (its answer is carried over).
    bool IsCarriedOver(int slot) const;

    /// `RemQns`: in increasing order, every question with an answer that is
    /// empty once its surrounding spaces are removed.
    std::vector<int> RemainingQuestions() const;
    /// In increasing order, every question with an answer marked wrong (kWrong).
    std::vector<int> WrongQuestions() const;
    /// What the questions list offers: while answering, the remaining questions;
    /// once marked, the questions with a wrong answer.
    struct QuestionList {
        bool wrongAnswers = false;
        std::vector<int> questions;
    };
    QuestionList ListedQuestions() const;
    /// `lblAnsweredQ`: the slots whose answer is not the empty text (spaces count as answered).
    int AnsweredCount() const;
    /// True when marking must ask "You have not answered all the questions...":
    /// some slot's answer is exactly empty (a second attempt counts only the
    /// slots that were not right the first time).
    bool HasUnansweredSlot() const;

    // ---- Moving, saving, closing ---------------------------------------------

    bool CanGoBack() const { return m_question > 1; }
    bool CanGoNext() const { return m_question < QuestionCount(); }

    /// Next, Back and a pick from `RemQns`: store the sheet, rewrite the answer
    /// file when the answers changed since it was last read or written (never
    /// once marked: nothing can have changed), show question
    /// q + 1, q - 1 or @p q (the same question again re-stores and rewrites its
    /// page). A target outside 1..Q does nothing at all.
    MoveOutcome NextQuestion(const std::vector<std::string>& sheet);
    MoveOutcome PreviousQuestion(const std::vector<std::string>& sheet);
    MoveOutcome ChooseQuestion(int q, const std::vector<std::string>& sheet);

    /// Save, and every close: store the sheet and rewrite the answer file.
    /// A marked attempt, and answers the file already holds, write nothing.
    /// @returns the failure, or nothing when the answers are on disk.
    std::optional<FileFailure> SavePaper(const std::vector<std::string>& sheet);

    /// The page of the question on show.
    const PageOutcome& Page() const { return m_page.current(); }
    /// Unloading: removes the page file (also done when the OpenPaper goes).
    void ClosePage() { m_page.Remove(); }

    // ---- Clock -----------------------------------------------------------------

    /// Starts the clock (the end of loading): the clock and the time taken count from @p now.
    void StartClock(Instant now) { m_clockStart = now; }
    Instant ClockStart() const { return m_clockStart; }
    /// `lblClock`: the time since the clock start, H:M:S without leading zeros
    /// (65 s give 0:1:5; hours go on past 24).
    std::string ClockText(Instant now) const;

    // ---- Marking -----------------------------------------------------------------

    /// Mark pressed: a marked attempt goes to review mode; otherwise the sheet is
    /// stored and the answer file written before anything is asked, and the
    /// question to ask is chosen.
    MarkingStart BeginMarking(const std::vector<std::string>& sheet);

    /// After the learner confirmed (and the progress animation): marks every
    /// slot, computes `Scoring` and `PScoring`, and writes the result file, the
    /// marks file and (first attempt) the trend file as one change, so that a
    /// program killed half way leaves the paper either unmarked or marked once
    /// its next start has completed the change. A first attempt also sets `LTime` (the time from the clock
    /// start to @p now) and `ETime` (@p dateText, the date as the window
    /// formats it), and stores FSE, LTM, CDD, FST = "1"; a second attempt stores
    /// SSE and SST = "1" only and ignores both arguments.
    ///
    /// When a write fails the attempt stays answering (nothing in memory
    /// changes), the files already written are put back, and a later
    /// BeginMarking/CompleteMarking does the whole marking again, so the trend
    /// gets its value exactly once, from the marking that completes. A marked attempt is never marked again
    /// (returns marked and writes nothing).
    MarkingOutcome CompleteMarking(Instant now, std::string_view dateText);

private:
    /// In increasing order, every question with a slot (index into the slot lists) that passes @p test.
    template <typename SlotTest> std::vector<int> questionsWhere(SlotTest test) const;
    OpenPaper(const ResourceSource& resources, PaperRequest request);

    MoveOutcome moveTo(int q, const std::vector<std::string>& sheet);
    /// The file of this attempt's answers.
    results::ResultsFile answersFile() const;
    std::optional<FileFailure> writeAnswers();
    std::vector<std::string> markAll() const;
    std::string keyShown(int slot) const;
    void readExplanations();

    const ResourceSource* m_resources;
    PaperRequest m_request;
    std::vector<std::string> m_questionIds;
    std::vector<int> m_answerCounts;
    std::vector<int> m_offsets; ///< d of each question
    std::vector<std::string> m_keys, m_kinds, m_weights;
    std::vector<int> m_optionCounts;
    long long m_totalMarks = 0;
    std::vector<std::string> m_answers, m_results, m_firstAnswers, m_firstResults;
    std::vector<std::string>
        m_written; ///< the answers the answer file holds: read at opening or written since
    int m_question = 1;
    bool m_marked = false;
    long long m_scoring = 0;
    std::string m_pscoring, m_ltime, m_etime;
    bool m_secondMarked = false;             ///< first attempt: the paper's second attempt is marked (SST)
    std::vector<std::string> m_explanations; ///< of the question on show, one per slot
    Instant m_clockStart{};
    QuestionPageFile m_page;
};

} // namespace orbisk::practice
