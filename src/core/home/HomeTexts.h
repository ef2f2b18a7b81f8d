#pragma once

#include "core/results/ResultsStore.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

/// The words the home window shows, in one place: its tabs, the home page, the
/// erase page and its messages. The toolbar's captions and tooltips are in
/// HomeNavigation.h, the report page's in report/ReportTexts.h and
/// report/ReportDescriptions.h.
namespace orbisk::home::texts {

// The tabs: a section's caption is its label from the configuration.
inline constexpr std::string_view kHelpTabCaption = "Help";
/// The tooltip of a section's tab: "Load Grammar Module".
std::string SectionTabTooltip(std::string_view label);

// The home page.
inline constexpr std::string_view kTopicsHead = "Topics";
inline constexpr std::string_view kPapersHead = "Papers";
inline constexpr std::string_view kTopicTooltip = "Click to select topic";
/// Over the paper list until a topic is chosen.
inline constexpr std::string_view kNoTopicHeading = "Select a Paper";
inline constexpr std::string_view kFirstAttemptCaption = "1st Attempt:";
inline constexpr std::string_view kSecondAttemptCaption = "2nd Attempt:";
inline constexpr std::string_view kLoadCaption = "Load";
inline constexpr std::string_view kTryAgainCaption = "Retry";
/// In place of the empty score of an attempt begun and not marked (a short
/// word: it has the room of a score and its "%" beside the attempt's caption).
inline constexpr std::string_view kInProgress = "started";
/// What a screen reader says of it, and its tooltip: "12 of 30 questions answered".
std::string AnsweredDescription(int answered, int answers);
/// What a screen reader says of an attempt's score, which the page shows as
/// a bare number with a painted "%": "Paper 3, 1st Attempt: 86.7%", "…: not
/// taken" for an empty score, "…: started" for one begun and not marked.
std::string SpokenScore(int k, int attempt, std::string_view score, bool inProgress);
/// "Paper 3": paper @p k (1 to 5) of the chosen topic.
std::string PaperName(int k);
/// The load button's tooltip and spoken name: "Load paper 3".
std::string LoadTooltip(int k);
/// The try-again button's tooltip and spoken name: "Try paper 3 again".
std::string TryAgainTooltip(int k);

// The erase page (Body_Trash).
inline constexpr std::string_view kTrashOffer =
    "Click on the button below if you wish to erase all your past results and reset the program.";
inline constexpr std::string_view kTrashConfirm = "Are you sure?";
/// The question when @p openPaper ("Grammar (1) - Paper 1") is open in a practice window.
std::string TrashConfirmWithOpenPaper(std::string_view openPaper);
inline constexpr std::string_view kTrashDone = "All your past results have been erased.";
inline constexpr std::string_view kTrashCaption = "Trash";
inline constexpr std::string_view kTrashSpoken = "Trash all past results";
inline constexpr std::string_view kNoCaption = "No";
inline constexpr std::string_view kNoSpoken = "No, keep all past results";
inline constexpr std::string_view kYesCaption = "Yes";
inline constexpr std::string_view kYesSpoken = "Yes, erase all past results";

/// A message to the learner in plain words, and the technical detail under it.
struct Message {
    std::string text;
    std::string details;
};

/// The section's marks file @p file could not be read (@p why): no scores are shown.
Message MarksUnreadable(std::string_view sectionLabel, const std::filesystem::path& file,
                        std::string_view why);

/// Erasing left these files unwritten: they still hold results, and when
/// the report says so, so does every other file.
Message NotErased(const results::ResetReport& report);

} // namespace orbisk::home::texts
