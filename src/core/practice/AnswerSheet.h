#pragma once

#include "core/layout/Colour.h"
#include "core/practice/PaperRequest.h"
#include "core/product/BankNumbers.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// What the answer sheet shows for the question on show: one frame per answer
/// slot of the question, frames numbered 1..k (k <= 20) as the sheet's controls
/// are (Frame1/FA1/FR1/QL1/M1/SR1 .. Frame20/FA20/...). Built by
/// OpenPaper::Sheet(); the window paints it and hands the FA texts back
/// through OpenPaper::StoreAnswerSheet.
namespace orbisk::practice {

/// The sheet's number of frames: one for each answer slot a question can have.
inline constexpr int kSheetFrames = bank::kMaxAnswersPerQuestion;

/// One answer frame.
struct SheetFrame {
    int frame = 0;                ///< 1..20: the n of FAn, FRn, QLn, Mn, SRn
    int slot = 0;                 ///< the answer slot shown, 1..N
    std::string partLetter;       ///< QLn: "(a)" for frame 1 .. "(t)" for frame 20
    bool partLetterShown = false; ///< QL1 only when the question has two or more slots; QL2.. always
    std::string kind;             ///< the slot's answer kind letter
    int options = 0;              ///< the options the page shows for the slot (kind Q), else 0
    std::string hint;             ///< what an empty FAn says it takes ("1–4"); empty for a locked box
    std::string answer;           ///< FAn's text
    int maxLength = 0;            ///< FAn's most characters: 1 for kind Q, 0 for no limit
    bool locked = false;          ///< FAn is read-only (a marked paper, or a carried-over answer)
    bool tinted = false;          ///< FAn's background is kCarriedOverTint (right the first time), else white
    std::string firstVerdict;     ///< FRn: kRight, kWrong or kNoVerdict (the first attempt's verdict)
    bool firstVerdictShown = false;
    std::string secondVerdict; ///< SRn (second attempt only): this attempt's verdict
    bool secondVerdictShown = false;
    std::string key; ///< Mn (second attempt only): the correct answer to show
    bool keyShown = false;
    std::string explanation;       ///< why the slot's answer is right ("" when the bank gives none)
    bool explanationShown = false; ///< shown under the frame: it has one and ExplanationShows says so
};

/// The whole sheet for one question.
struct AnswerSheet {
    int question = 0;               ///< QSCount, 1..Q
    int offset = 0;                 ///< d: the answer slots of questions 1..q-1
    int answerCount = 0;            ///< k: the question's answer slots (frames beyond 20 are not shown)
    bool sentenceLayout = false;    ///< frame 1 enlarged: slot d + 1 is of kind L
    bool showInstruction = false;   ///< PicInstruction shown: some slot of the question is of kind F or X
    bool reviewMode = false;        ///< the attempt is marked: boxes locked, verdicts shown
    bool lastQuestion = false;      ///< the question on show is the paper's last (Q)
    std::vector<SheetFrame> frames; ///< frames 1..min(k, 20), in order
};

// ---- Where the keyboard goes on the sheet ------------------------------------

/// The box the keyboard goes to when a question comes on show: the first that
/// can be typed in, else (all locked) frame 1; 0 when the question shows no frame.
int FrameToFocus(const AnswerSheet& sheet);

/// What Enter in box @p frame does: go on to the next box that can be typed in;
/// from the last such box, go on to the next question (storing the sheet, as
/// Next does); on the last question, stay.
struct EnterMove {
    enum class To { Frame, NextQuestion, Stay };
    To to = To::Stay;
    int frame = 0; ///< with To::Frame
};
EnterMove AfterEnter(const AnswerSheet& sheet, int frame);

/// Up (@p down false) or Down from box @p frame: the box above or below it,
/// locked or not; the same frame at either end.
int FrameAfterArrow(const AnswerSheet& sheet, int frame, bool down);

/// The box a click on option @p option of the page's answer @p answer (both
/// from 1) fills, as if its number were typed: the frame of that answer when
/// it is chosen by option number, shows that many options and can be typed in
/// (never in review mode or in a locked box); otherwise none.
std::optional<int> FrameForOption(const AnswerSheet& sheet, int answer, int option);

/// What an empty answer box says it takes, from the slot's @p kind, the number
/// of @p options its page shows and its @p key: "1–4" for four options, "one
/// word", "the whole sentence", "a number"...; empty for an unknown kind.
std::string AnswerHint(std::string_view kind, int options, std::string_view key);

/// Whether the sheet shows the explanation of a slot whose verdict in this
/// attempt is @p verdict. An explanation tells the answer, so it shows only
/// where the answer is already known: never while the attempt is answered;
/// once a second attempt is marked, for every slot (its keys show); once a
/// first attempt is marked, for a slot answered right, and for every slot when
/// no try is left: the first attempt scored above 99 (@p firstScore, the stored
/// percentage; 99.5 is above) or the paper's second attempt is marked
/// (@p secondMarked).
bool ExplanationShows(Attempt attempt, bool marked, std::string_view verdict, std::string_view firstScore,
                      bool secondMarked);

/// The background of an answer box carried over from a right first answer.
inline constexpr layout::Colour kCarriedOverTint{192, 192, 255};

/// The part letter of frame @p frame (1..20): "(a)" .. "(t)".
std::string PartLetter(int frame);

/// @p text without the characters a record cannot hold (records::IsStorableValue):
/// what an answer box keeps of what is typed or pasted.
std::string StorableAnswer(std::string_view text);

/// The title of question @p question, over its page and in what its answer
/// boxes tell a screen reader: "Question 2".
std::string QuestionTitle(int question);

} // namespace orbisk::practice
