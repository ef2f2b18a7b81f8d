#pragma once

#include "core/formats/ResourceSource.h"
#include "core/home/HomeNavigation.h"
#include "core/home/HomeTexts.h"
#include "core/practice/PaperRequest.h"
#include "core/product/BankNumbers.h"
#include "core/product/Config.h"
#include "core/report/ReportFigures.h"
#include "core/report/ResultsCard.h"
#include "core/results/ResultsStore.h"

#include <array>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

/// The home window's state and rules, without Qt: which tab, section and topic
/// are chosen, which papers and scores the home page shows, the hand-over to a
/// practice window, the report, the results card and erasing. The window
/// paints what a HomeScreen says and forwards what the learner does; see
/// README.md in this folder for the order of calls.
namespace orbisk::home {

/// What the home window knows between the learner's actions and hands to the
/// practice windows.
struct HomeState {
    int LChose = 0;          ///< the current section, 1 to bank::kMaxSections (0 when none exists)
    std::string lblCOD;      ///< the product code, part of every results file name
    int TtPapersCon = 0;     ///< paper count of the current section
    int TopicCount = 1;      ///< first paper slot of the chosen topic: 1, 6, ..., 46
    std::string SubH1;       ///< the chosen topic's name, the practice window's caption
    int PaperNum = 0;        ///< the paper handed over, 101 to 150 (0 before the first)
    int TakeNum = 0;         ///< the attempt handed over: 1 first, 2 second (0 before the first)
    bool RefreshLog = false; ///< true while RefreshContents reloads the section
    int txtTabPos = 0;       ///< the current tab: 1 to bank::kMaxSections sections, kHelpTab Help
    int txtToolBarPos = 1;   ///< the last toolbar slot pressed
    int txtReportPos = 1;    ///< the open report panel
};

/// True when a paper may be tried again: its first-attempt score is a number
/// not above 99 (99.5 is above). No score, or text that is not a number, offers
/// nothing; a second-attempt score does not matter.
bool TryAgainOffered(std::string_view firstScore);

/// How far an attempt that is not marked has come: the answers its answer
/// file holds that are not empty (spaces count as an answer, as in the
/// practice window), of the answers the paper's record holds.
struct AttemptProgress {
    int answered = 0; ///< 0 (and answers 0) when the attempt is marked or not begun
    int answers = 0;
    /// Begun and not marked: the home page says so in place of the empty score.
    bool inProgress() const { return answered > 0; }
    bool operator==(const AttemptProgress&) const = default;
};

/// One paper of the chosen topic as the home page shows it: its stored scores
/// as they are, whether its try-again button shows (its load button always
/// does), and each attempt begun but not marked.
struct PaperRow {
    std::string first;  ///< the first attempt's score, empty when not marked
    std::string second; ///< the second attempt's score
    bool tryAgain = false;
    AttemptProgress firstProgress;
    AttemptProgress secondProgress;
    bool operator==(const PaperRow&) const = default;
};

/// A chosen topic: its name over the paper list and its five papers.
struct TopicView {
    int topic = 0;    ///< 1 to 10: the topic shown as chosen
    std::string name; ///< SubH1; empty for a topic the section does not name
    std::array<PaperRow, bank::kPapersPerTopic> papers;
};

/// Something the learner is told, about a file, with the technical detail.
struct Problem {
    std::filesystem::path file;
    texts::Message message;
};

/// What loading a section gives the home page.
struct SectionView {
    /// False when no section is chosen: the page keeps what it shows.
    bool loaded = false;
    std::vector<std::string> topicNames; ///< the section's topic names (captions of the topic rows)
    int topicCount = 0;                  ///< rows 1 to topicCount show, the rest are hidden
    /// The marks file could not be read: the scores are empty and the file was left as it is.
    std::optional<Problem> problem;
    /// The topic to choose next (TopicChoosing), or 0 to leave the papers as they are.
    int chooseTopic = 0;
};

/// A tab's caption and tooltip.
struct TabFace {
    std::string caption;
    std::string tooltip;
};

/// The home window's core: built from the product's configuration and the
/// application folder (where the results files are), it starts on the first
/// section that exists. It reads the results files when asked and writes them
/// only when erasing.
class HomeScreen {
public:
    HomeScreen(config::ProductConfig config, std::filesystem::path appFolder);

    const HomeState& state() const { return m_state; }
    const config::ProductConfig& config() const { return m_config; }
    /// The current section's marks as LoadSection last read them.
    const results::Marks& marks() const { return m_marks; }

    /// Which sections exist, for the tabs' layout (index 0 is section 1).
    std::array<bool, bank::kMaxSections> SectionsShown() const;
    /// The tab the window opens on: the first section that exists, or the Help
    /// tab when the product has none.
    int FirstTab() const;
    /// Tab @p n (1 to kHelpTab): a section's label, or "Help".
    TabFace Tab(int n) const;

    /// Selects tab @p n: a section tab chooses its section; the toolbar and
    /// report panel start from slot and panel 1. Returns what the page switch does.
    PageAction ChooseTab(int n);
    /// Presses toolbar slot @p slot in the current tab. Returns what the page switch does.
    PageAction PressToolbar(int slot);
    /// Opens report panel @p n (1 to 3).
    void ChooseReportPanel(int n);

    /// Reads the current section's marks and says which topics to show. An
    /// unreadable marks file gives empty scores (never another section's) and a
    /// problem naming it, once: reads that fail again are quiet until one succeeds. Reads the two answer
    /// files too, for the attempts begun and not marked (an unreadable one shows none begun). Chooses topic 1
    /// unless the section is being refreshed or has no topics.
    SectionView LoadSection();
    /// The learner has been told about @p file already (start-up could not make
    /// or repair it): LoadSection gives no problem for it until it reads again.
    void AlreadyTold(const std::filesystem::path& file);
    /// Chooses topic @p t (1 to 10): its name and its five papers' rows.
    TopicView TopicChoosing(int t);
    /// Reads the marks again and chooses the same topic (a practice window closed).
    SectionView RefreshContents();

    /// The hand-over for paper @p offset (0 to 4) of the chosen topic, attempt
    /// @p take (1 first, 2 second): kept in PaperNum and TakeNum and returned
    /// with the section, topic and application folder.
    practice::PaperRequest OpenPaper(int offset, int take);

    /// The current section's report from the marks LoadSection read and its
    /// trend file as it is now; none when no section is chosen.
    /// Its figures are written with @p point as their decimal point.
    std::optional<report::ReportFigures> Report(std::string_view point = ".") const;
    /// The current section's results card titled @p title; none when no section is chosen.
    std::optional<std::vector<report::CardLine>> ResultsCard(std::string_view title) const;

    /// Rewrites every results file of every section from its template in
    /// @p templates (none given: no file can be rewritten), or none of them
    /// (results::ResetResults). Returns what was not erased; the marks in
    /// memory stay until the next LoadSection.
    results::ResetReport EraseResults(const ResourceSource* templates) const;
    /// What EraseResults would refuse, found without writing (results::CheckReset).
    results::ResetReport CheckErase(const ResourceSource* templates) const;

private:
    const config::SectionConfig* chosenSection() const;

    config::ProductConfig m_config;
    std::filesystem::path m_appFolder;
    HomeState m_state;
    results::Marks m_marks;
    /// The first and second answer files' paper records as LoadSection read them, by paper slot.
    std::vector<std::string> m_firstAnswers;
    std::vector<std::string> m_secondAnswers;
    /// Marks files the learner has been told cannot be read.
    std::set<std::filesystem::path> m_told;
};

} // namespace orbisk::home
