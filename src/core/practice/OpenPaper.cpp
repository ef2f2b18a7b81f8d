#include "core/practice/OpenPaper.h"

#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/practice/Marking.h"
#include "core/practice/PaperLoading.h"
#include "core/product/AnswerKinds.h"
#include "core/product/Explanations.h"
#include "core/text/TextForms.h"

#include <algorithm>
#include <stdexcept>

namespace orbisk::practice {

std::string PaperCaption(const PaperRequest& request) {
    return request.SubH1 + " - Paper " + std::to_string(bank::PaperInTopic(request.PaperNum));
}

OpenPaper::OpenPaper(const ResourceSource& resources, PaperRequest request)
    : m_resources(&resources), m_request(std::move(request)), m_page(resources, m_request.appFolder) {}

OpenPaper OpenPaper::Open(const ResourceSource& resources, PaperRequest request) {
    if (request.TtPapersCon < 1 || request.PaperSlot() < 1 || request.PaperSlot() > request.TtPapersCon) {
        throw std::invalid_argument("paper " + std::to_string(request.PaperNum) + " lies outside papers " +
                                    std::to_string(bank::kFirstPaper) + ".." +
                                    std::to_string(bank::PaperOfSlot(request.TtPapersCon)));
    }
    OpenPaper paper(resources, std::move(request));
    const PaperRequest& r = paper.m_request;

    tables::PaperTables bank = ReadPaperTables(resources, r.LChose, r.PaperNum);
    paper.m_questionIds = std::move(bank.questionIds);
    paper.m_answerCounts = std::move(bank.answerCounts);
    paper.m_keys = std::move(bank.keys);
    paper.m_kinds = std::move(bank.kinds);
    paper.m_weights = std::move(bank.weights);
    paper.m_optionCounts = std::move(bank.optionCounts);
    paper.m_totalMarks = bank.totalMarks;
    int offset = 0;
    for (const int count : paper.m_answerCounts) {
        paper.m_offsets.push_back(offset);
        offset += count;
    }

    // Question 1's page; should the records below be unreadable, the page goes
    // with the paper and the folder is left as it was.
    paper.m_page.Show(1, paper.m_questionIds.front());
    paper.readExplanations();

    AttemptRecords stored = ReadAttemptRecords(r, paper.AnswerSlots());
    paper.m_answers = std::move(stored.answers);
    paper.m_results = std::move(stored.results);
    paper.m_firstAnswers = std::move(stored.firstAnswers);
    paper.m_firstResults = std::move(stored.firstResults);
    const results::Marks& marks = stored.marks;

    const auto slot = static_cast<std::size_t>(r.PaperSlot() - 1);
    if (r.TakeNum == Attempt::First) {
        paper.m_marked = results::IsMarkedState(marks.FST[slot]);
        paper.m_pscoring = marks.FSE[slot];
        paper.m_ltime = marks.LTM[slot];
        paper.m_etime = marks.CDD[slot];
        paper.m_secondMarked = results::IsMarkedState(marks.SST[slot]);
    } else {
        // A right first answer always comes back, whatever a saved second attempt holds.
        for (std::size_t i = 0; i < paper.m_answers.size(); ++i) {
            if (paper.m_firstResults[i] == kRight) {
                paper.m_answers[i] = paper.m_firstAnswers[i];
                paper.m_results[i] = std::string(kRight);
            }
        }
        paper.m_marked = results::IsMarkedState(marks.SST[slot]);
        paper.m_pscoring = marks.SSE[slot];
    }
    // A stored answer holding a character the file cannot hold (a "#" put in
    // by hand) comes without it, as the answer box takes it: stored with it,
    // every later store of the paper would fail. A marked paper writes no
    // answers, so its review shows them as they were stored.
    if (!paper.m_marked) {
        for (std::string& answer : paper.m_answers) {
            answer = StorableAnswer(answer);
        }
    }
    // What the file holds, as far as this window is concerned: a second
    // attempt's carried-over answers come back at every opening, so they are
    // written with the learner's first change, and a Retry opened and closed
    // untouched leaves the file as it was (the home window then shows no
    // second attempt begun).
    paper.m_written = paper.m_answers;
    return paper;
}

int OpenPaper::AnswerOffset(int q) const {
    if (q < 1 || q > QuestionCount()) {
        throw std::out_of_range("question " + std::to_string(q) + " lies outside 1.." +
                                std::to_string(QuestionCount()));
    }
    return m_offsets[static_cast<std::size_t>(q - 1)];
}

std::string OpenPaper::QuestionTitle() const {
    return practice::QuestionTitle(m_question);
}

int OpenPaper::RightCount() const {
    return static_cast<int>(std::count(m_results.begin(), m_results.end(), kRight));
}

std::string OpenPaper::RightOutOf() const {
    if (!m_marked) {
        return {};
    }
    return std::to_string(RightCount()) + " / " + std::to_string(AnswerSlots());
}

bool OpenPaper::IsCarriedOver(int slot) const {
    return attempt() == Attempt::Second && slot >= 1 && slot <= AnswerSlots() &&
           m_firstResults[static_cast<std::size_t>(slot - 1)] == kRight;
}

bool OpenPaper::IsLocked(int slot) const {
    return m_marked || IsCarriedOver(slot);
}

std::string OpenPaper::keyShown(int slot) const {
    const std::string& key = m_keys[static_cast<std::size_t>(slot - 1)];
    const std::string& kind = m_kinds[static_cast<std::size_t>(slot - 1)];
    if (kinds::ShowsFirstAlternative(kind) && key != kinds::kGroupContinuation) {
        return FirstAlternative(key);
    }
    if (kinds::IsGrouped(kind)) {
        return ShowGroupedKey(m_answers, m_keys, slot);
    }
    return key;
}

void OpenPaper::readExplanations() {
    const int slots = m_answerCounts[static_cast<std::size_t>(m_question - 1)];
    const auto id = text::ParseWholeNumber(m_questionIds[static_cast<std::size_t>(m_question - 1)]);
    // A question id that is no number has no page either; its slots explain nothing.
    m_explanations = id && *id > 0 && *id <= 999999
                         ? explain::ReadExplanations(*m_resources, static_cast<int>(*id), slots)
                         : std::vector<std::string>(static_cast<std::size_t>(slots));
}

AnswerSheet OpenPaper::Sheet() const {
    AnswerSheet sheet;
    sheet.question = m_question;
    sheet.offset = AnswerOffset(m_question);
    sheet.answerCount = m_answerCounts[static_cast<std::size_t>(m_question - 1)];
    sheet.reviewMode = m_marked;
    sheet.lastQuestion = m_question == QuestionCount();
    const int shown = std::min(sheet.answerCount, kSheetFrames);
    for (int n = 1; n <= shown; ++n) {
        const int slot = sheet.offset + n;
        const auto i = static_cast<std::size_t>(slot - 1);
        SheetFrame frame;
        frame.frame = n;
        frame.slot = slot;
        frame.partLetter = PartLetter(n);
        frame.partLetterShown = n > 1 || sheet.answerCount > 1;
        frame.kind = m_kinds[i];
        frame.options = m_optionCounts[i];
        frame.answer = m_answers[i];
        frame.maxLength = kinds::TakesOneCharacter(m_kinds[i]) ? 1 : 0;
        frame.locked = IsLocked(slot);
        if (!frame.locked) {
            frame.hint = AnswerHint(m_kinds[i], m_optionCounts[i], m_keys[i]);
        }
        if (attempt() == Attempt::First) {
            frame.firstVerdict = m_results[i];
            frame.firstVerdictShown = m_marked;
        } else {
            const bool carried = m_firstResults[i] == kRight;
            frame.tinted = carried;
            frame.firstVerdict = m_firstResults[i];
            frame.firstVerdictShown = !m_marked && carried;
            frame.secondVerdict = m_results[i];
            frame.secondVerdictShown = m_marked;
            frame.key = keyShown(slot);
            frame.keyShown = m_marked && m_results[i] == kWrong;
        }
        frame.explanation = m_explanations[static_cast<std::size_t>(n - 1)];
        frame.explanationShown =
            !frame.explanation.empty() &&
            ExplanationShows(attempt(), m_marked, m_results[i], m_pscoring, m_secondMarked);
        if (kinds::ShowsInstructionPicture(m_kinds[i])) {
            sheet.showInstruction = true;
        }
        sheet.frames.push_back(std::move(frame));
    }
    sheet.sentenceLayout = shown >= 1 && kinds::IsSentence(m_kinds[static_cast<std::size_t>(sheet.offset)]);
    return sheet;
}

void OpenPaper::StoreAnswerSheet(const std::vector<std::string>& sheet) {
    const int d = AnswerOffset(m_question);
    const int k = std::min(m_answerCounts[static_cast<std::size_t>(m_question - 1)], kSheetFrames);
    const int n = std::min(k, static_cast<int>(sheet.size()));
    for (int frame = 1; frame <= n; ++frame) {
        const int slot = d + frame;
        if (!IsLocked(slot)) {
            m_answers[static_cast<std::size_t>(slot - 1)] =
                StorableAnswer(sheet[static_cast<std::size_t>(frame - 1)]);
        }
    }
}

template <typename SlotTest> std::vector<int> OpenPaper::questionsWhere(SlotTest test) const {
    std::vector<int> questions;
    for (int q = 1; q <= QuestionCount(); ++q) {
        const int d = m_offsets[static_cast<std::size_t>(q - 1)];
        for (int n = 1; n <= m_answerCounts[static_cast<std::size_t>(q - 1)]; ++n) {
            if (test(static_cast<std::size_t>(d + n - 1))) {
                questions.push_back(q);
                break;
            }
        }
    }
    return questions;
}

std::vector<int> OpenPaper::RemainingQuestions() const {
    return questionsWhere([this](std::size_t i) { return text::TrimSpaces(m_answers[i]).empty(); });
}

std::vector<int> OpenPaper::WrongQuestions() const {
    return questionsWhere([this](std::size_t i) { return m_results[i] == kWrong; });
}

OpenPaper::QuestionList OpenPaper::ListedQuestions() const {
    if (m_marked) {
        return {true, WrongQuestions()};
    }
    return {false, RemainingQuestions()};
}

int OpenPaper::AnsweredCount() const {
    return static_cast<int>(
        std::count_if(m_answers.begin(), m_answers.end(), [](const std::string& a) { return !a.empty(); }));
}

bool OpenPaper::HasUnansweredSlot() const {
    for (int slot = 1; slot <= AnswerSlots(); ++slot) {
        if (m_answers[static_cast<std::size_t>(slot - 1)].empty() && !IsCarriedOver(slot)) {
            return true;
        }
    }
    return false;
}

results::ResultsFile OpenPaper::answersFile() const {
    return attempt() == Attempt::First ? results::ResultsFile::First : results::ResultsFile::Second;
}

std::optional<FileFailure> OpenPaper::writeAnswers() {
    const results::ResultsFile file = answersFile();
    const std::filesystem::path path = m_request.File(file);
    try {
        // Read afresh, so that only this paper's record changes.
        files::WriteFileAtomically(path, records::ReplacePaperRecordText(
                                             path, m_request.PaperSlot(), std::to_string(m_request.PaperNum),
                                             m_request.TtPapersCon, AnswerSlots(), m_answers));
        m_written = m_answers;
        return std::nullopt;
    } catch (const Error& error) {
        return FileFailure{file, path, error.what()};
    }
}

MoveOutcome OpenPaper::moveTo(int q, const std::vector<std::string>& sheet) {
    if (q < 1 || q > QuestionCount()) {
        return {false, std::nullopt, m_page.current()};
    }
    StoreAnswerSheet(sheet);
    MoveOutcome outcome;
    outcome.moved = true;
    if (!m_marked && m_answers != m_written) {
        outcome.answersNotWritten = writeAnswers();
    }
    m_question = q;
    outcome.page = m_page.Show(q, m_questionIds[static_cast<std::size_t>(q - 1)]);
    readExplanations();
    return outcome;
}

MoveOutcome OpenPaper::NextQuestion(const std::vector<std::string>& sheet) {
    return moveTo(m_question + 1, sheet);
}

MoveOutcome OpenPaper::PreviousQuestion(const std::vector<std::string>& sheet) {
    return moveTo(m_question - 1, sheet);
}

MoveOutcome OpenPaper::ChooseQuestion(int q, const std::vector<std::string>& sheet) {
    return moveTo(q, sheet);
}

std::optional<FileFailure> OpenPaper::SavePaper(const std::vector<std::string>& sheet) {
    StoreAnswerSheet(sheet);
    if (m_marked || m_answers == m_written) {
        return std::nullopt; // the file holds these answers already
    }
    return writeAnswers();
}

std::string OpenPaper::ClockText(Instant now) const {
    return text::FormatTimeTaken(std::chrono::floor<std::chrono::seconds>(now - m_clockStart));
}

} // namespace orbisk::practice
