#pragma once

#include <string_view>

/// Every word the practice windows show or say, word for word, in one place so
/// both attempts' windows say the same: pop-ups, messages, captions, tooltips
/// and what a screen reader says of each part.
///
/// In a message, %1 (and %2) stand for what the window puts in: the full path
/// of the file concerned, the paper's name, a question number. The technical
/// detail of a failure never goes in the sentence but on the message's details
/// line.
namespace orbisk::practice::texts {

// ---- Pop-ups ---------------------------------------------------------------

inline constexpr std::string_view kSavedTitle = "Orbisk";
inline constexpr std::string_view kSavedMessage = "Paper saved";
inline constexpr std::string_view kCloseTitle = "Close Practice";
inline constexpr std::string_view kCloseQuestion = "Confirm?";
/// What the question view says to a copy or a right-click (a plain message box).
inline constexpr std::string_view kGuardTitle = "Error";
inline constexpr std::string_view kGuardMessage = "Invalid operation";
/// The marking pop-up's title and questions (two spaces after the first full stop).
inline constexpr std::string_view kMarkingTitle = "Marking";
inline constexpr std::string_view kNotAllAnsweredQuestion =
    "You have not answered all the questions.  Do you still want to mark your practice?";
inline constexpr std::string_view kMarkNowQuestion = "Do you want to mark your practice now?";

// ---- Messages: what could not be done and what was kept -------------------

/// A move or Save could not write the answer file (%1).
inline constexpr std::string_view kAnswersNotSaved =
    "Your answers could not be saved in %1, so that file still holds the answers it had before. They are "
    "kept while this paper stays open: press Save to try again.";
/// The learner's own close could not write the answer file (%1): the window stays.
inline constexpr std::string_view kAnswersNotSavedOnClose =
    "Your answers could not be saved in %1, so the paper stays open and keeps them. Try closing it again in "
    "a moment.";
/// The home window, erasing or the program's end closes the window and the answer file (%1) could not
/// be written.
inline constexpr std::string_view kLatestAnswersNotSaved =
    "Your latest answers to this paper could not be saved in %1; that file still holds the answers it had "
    "before.";
/// Asked, titled kCloseTitle, after kLatestAnswersNotSaved when the home window closes or opens another
/// paper: No keeps the paper open with its answers.
inline constexpr std::string_view kCloseAnywayQuestion =
    "Close the paper anyway? The answers that could not be saved will be lost.";
/// Mark could not write the answer file (%1) first.
inline constexpr std::string_view kNotMarkedAnswersNotSaved =
    "The paper was not marked, because your answers could not be saved in %1. They are kept while this "
    "paper stays open: press Mark to try again.";
/// A file of the marking (%1) could not be written.
inline constexpr std::string_view kNotMarkedFileNotWritten =
    "The paper could not be marked, because %1 could not be written. Your answers are saved and the paper "
    "is not marked yet: press Mark to mark it.";

/// An earlier paper's marking, which a start could not finish, waits in its journal (%1).
inline constexpr std::string_view kNotMarkedEarlierMarkingWaits =
    "The paper could not be marked, because the marking of an earlier paper is not finished yet: it waits "
    "in %1 until the program starts again. Close the program and start it again, then mark this paper. "
    "Your answers are saved.";

/// A paper that cannot be opened (%1 its name): a results file (%2) cannot be read.
inline constexpr std::string_view kResultsFileUnreadable =
    "%1 could not be opened, because %2 could not be read. Nothing was changed.";
/// ... a table of the program's own question bank is damaged.
inline constexpr std::string_view kQuestionBankDamaged =
    "%1 could not be opened, because the program's own question bank is damaged. Nothing was changed; "
    "installing the program again should put this right.";
/// ... a file it needs (%2) cannot be written.
inline constexpr std::string_view kFileNotWritable =
    "%1 could not be opened, because the program could not write %2. Nothing was changed.";
/// ... it is not one of its section's papers.
inline constexpr std::string_view kNotInSection =
    "%1 is not one of this section's papers, so it cannot be opened.";

/// A printed question: the print job's and the PDF file's name (%1 the paper's
/// caption, %2 the question) and what the offer of a PDF says it holds.
inline constexpr std::string_view kPrintedQuestionName = "%1 - Question %2";
inline constexpr std::string_view kPrintedQuestionWhat = "question %1 of %2";

/// The page shown in the question view when a question's page cannot be shown:
/// the heading (%1 the question), why (%2), and what the learner can do.
inline constexpr std::string_view kPageNotShownHeading = "Question %1 cannot be shown";
inline constexpr std::string_view kPageNotWritten = "Its page could not be written in %1 (%2).";
inline constexpr std::string_view kPageNotRead = "Its page in %1 could not be read (%2).";
inline constexpr std::string_view kPageNotShownAdvice =
    "Your answers are kept. You can still answer this question on the answer sheet, move to another "
    "question, or close the paper and open it again.";

// ---- The toolbar -------------------------------------------------------------

inline constexpr std::string_view kSaveCaption = "Save";
inline constexpr std::string_view kSaveTooltip = "Save paper";
inline constexpr std::string_view kMarkCaption = "Mark";
inline constexpr std::string_view kMarkTooltip = "Mark paper";
inline constexpr std::string_view kPrintCaption = "Print";
inline constexpr std::string_view kPrintTooltip = "Print question";
inline constexpr std::string_view kCloseCaption = "Close";
inline constexpr std::string_view kCloseTooltip = "Close paper";
inline constexpr std::string_view kBackCaption = "Back";
inline constexpr std::string_view kBackTooltip = "Previous question";
inline constexpr std::string_view kNextCaption = "Next";
inline constexpr std::string_view kNextTooltip = "Next question";
inline constexpr std::string_view kScoreTooltip = "Your score";
/// Beside the score: the right answers out of all ("22 / 30").
inline constexpr std::string_view kRightCountTooltip = "Right answers out of all the answers";
inline constexpr std::string_view kRightCountName = "Right answers";

// ---- The answer sheet and the status bar ------------------------------------

inline constexpr std::string_view kAnswerBoxTooltip = "Enter your answer";
inline constexpr std::string_view kHideSheetTooltip = "Hide answer sheet";
inline constexpr std::string_view kShowSheetTooltip = "Show answer sheet";
inline constexpr std::string_view kAnsweredTooltip = "Number of questions answered";
inline constexpr std::string_view kTotalTooltip = "Total number of questions";
inline constexpr std::string_view kClockTooltip = "Clock";
inline constexpr std::string_view kTimeTakenTooltip = "Time taken";
inline constexpr std::string_view kDateTooltip = "Date";
inline constexpr std::string_view kDateCompletedTooltip = "Date completed";
inline constexpr std::string_view kRemainingCaption = "Qns left:";
inline constexpr std::string_view kRemainingTooltip = "Select a remaining question";
/// Once marked, the list offers the questions with a wrong answer.
inline constexpr std::string_view kWrongQuestionsCaption = "Wrong:";
inline constexpr std::string_view kWrongQuestionsTooltip = "Go to a question with a wrong answer";
/// The second attempt's window shows this where the first shows its clock.
inline constexpr std::string_view kSecondAttemptLabel = "Second Attempt";
/// What the explanation under an answer starts with, in bold.
inline constexpr std::string_view kExplanationLead = "Why:";

// The short hints an answer box gives when it refuses what was typed or pasted
// (the answer file could not hold it).
inline constexpr std::string_view kRefusedCharacterHint = "An answer cannot hold > or #.";
inline constexpr std::string_view kLineBreakHint = "An answer is one line: it cannot hold a line break.";
// What a box that cannot be changed says when the learner types into it.
inline constexpr std::string_view kKeptAnswerHint =
    "This answer was right the first time, so it is kept. Press Enter for the next answer.";
inline constexpr std::string_view kMarkedAnswerHint = "This paper is marked: its answers cannot be changed.";

// What an empty answer box says it takes (AnswerHint). A choice's range is
// kOptionRangeHint followed by the number of options: "1–4".
inline constexpr std::string_view kOptionRangeHint = "1\xE2\x80\x93";
inline constexpr std::string_view kOptionNumberHint = "an option number";
inline constexpr std::string_view kOneWordHint = "one word";
inline constexpr std::string_view kFewWordsHint = "a few words";
inline constexpr std::string_view kSentenceHint = "the whole sentence";
inline constexpr std::string_view kNumberHint = "a number";
inline constexpr std::string_view kSpacingHint = "words, spaced with care";
inline constexpr std::string_view kGroupHint = "one answer, in any order";

// ---- What a screen reader says ------------------------------------------------

inline constexpr std::string_view kQuestionPageName = "Question page";
/// Before a question's options, as an answer box tells them to a screen reader.
inline constexpr std::string_view kOptionsSpoken = "Options";
/// The keys that change the text size, told by the toolbar and the question page.
inline constexpr std::string_view kTextSizeKeys =
    "Ctrl+Plus makes the question and your answers larger, Ctrl+Minus smaller, Ctrl+0 their usual size";
inline constexpr std::string_view kResizeName = "Resize";
inline constexpr std::string_view kMarkingName = "Marking";
inline constexpr std::string_view kRemainingName = "Questions left";
inline constexpr std::string_view kWrongQuestionsName = "Questions with a wrong answer";
inline constexpr std::string_view kOutOfName = "out of";
inline constexpr std::string_view kInstructionName =
    "How to answer: type each answer in its own box and mind your spacing.";
/// An answer frame's parts; each is followed by the part letter ("Answer (b)")
/// when the question has two or more answers.
inline constexpr std::string_view kAnswerName = "Answer";
inline constexpr std::string_view kResultName = "Result";
inline constexpr std::string_view kFirstAttemptName = "First attempt";
inline constexpr std::string_view kSecondAttemptName = "Second attempt";
inline constexpr std::string_view kCorrectAnswerName = "Correct answer";
/// What a screen reader calls an explanation ("Why the answer is right (b)").
inline constexpr std::string_view kExplanationName = "Why the answer is right";
/// What a verdict label says after its name ("Result (a): right").
inline constexpr std::string_view kRightName = "right";
inline constexpr std::string_view kWrongName = "wrong";
inline constexpr std::string_view kNotMarkedName = "not marked";

} // namespace orbisk::practice::texts
