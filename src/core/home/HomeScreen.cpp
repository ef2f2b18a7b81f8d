#include "core/home/HomeScreen.h"

#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/practice/Marking.h"
#include "core/text/TextForms.h"

namespace orbisk::home {

namespace {

/// The paper records of an answer file, by slot; none when it cannot be read
/// (the practice window tells what is wrong with it when the paper is opened).
std::vector<std::string> answerRecords(const std::filesystem::path& file, int paperCount) {
    try {
        return records::ReadPaperRecords(file, paperCount);
    } catch (const DataError&) {
        return {};
    }
}

/// An attempt not marked (@p state is not "1", its score is empty) whose
/// stored answers are not all empty.
AttemptProgress progress(std::string_view record, std::string_view state, std::string_view score) {
    if (record.empty() || results::IsMarkedState(state) || !score.empty()) {
        return {};
    }
    AttemptProgress progress;
    const std::size_t held = records::CountValues(record, 3);
    for (const std::string& answer : records::SplitRecordValues(record, 3, static_cast<int>(held))) {
        ++progress.answers;
        progress.answered += answer.empty() ? 0 : 1;
    }
    return progress.inProgress() ? progress : AttemptProgress{};
}

} // namespace

bool TryAgainOffered(std::string_view firstScore) {
    const auto value = text::ParseStoredScore(firstScore);
    return value && *value <= practice::kSecondTryLimit;
}

HomeScreen::HomeScreen(config::ProductConfig config, std::filesystem::path appFolder)
    : m_config(std::move(config)), m_appFolder(std::move(appFolder)) {
    m_state.lblCOD = m_config.code;
    m_state.LChose = m_config.FirstSection();
    m_state.txtTabPos = FirstTab();
}

std::array<bool, bank::kMaxSections> HomeScreen::SectionsShown() const {
    std::array<bool, bank::kMaxSections> shown{};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i] = m_config.sections[i].exists();
    }
    return shown;
}

int HomeScreen::FirstTab() const {
    const int first = m_config.FirstSection();
    return first != 0 ? first : kHelpTab;
}

TabFace HomeScreen::Tab(int n) const {
    if (IsSectionTab(n)) {
        const std::string& label = m_config.Section(n).label;
        return {label, texts::SectionTabTooltip(label)};
    }
    return {std::string(texts::kHelpTabCaption), std::string(texts::kHelpTabCaption)};
}

PageAction HomeScreen::ChooseTab(int n) {
    m_state.txtTabPos = n;
    m_state.txtToolBarPos = 1;
    m_state.txtReportPos = 1;
    if (IsSectionTab(n)) {
        m_state.LChose = n;
    }
    return ChoosePageAction(n, m_state.txtToolBarPos);
}

PageAction HomeScreen::PressToolbar(int slot) {
    m_state.txtToolBarPos = slot;
    return ChoosePageAction(m_state.txtTabPos, slot);
}

void HomeScreen::ChooseReportPanel(int n) {
    m_state.txtReportPos = n;
}

const config::SectionConfig* HomeScreen::chosenSection() const {
    return IsSectionTab(m_state.LChose) ? &m_config.Section(m_state.LChose) : nullptr;
}

SectionView HomeScreen::LoadSection() {
    SectionView view;
    const config::SectionConfig* section = chosenSection();
    if (section == nullptr) {
        return view; // keeps the previous section's topics and counts
    }
    m_state.TtPapersCon = section->paperCount;
    const auto marksFile =
        results::FilePath(m_appFolder, results::ResultsFile::Marks, m_state.LChose, m_state.lblCOD);
    try {
        m_marks = results::ReadMarks(marksFile, section->paperCount);
        m_told.erase(marksFile);
    } catch (const DataError& error) {
        // Empty scores rather than another section's, and the file as it is.
        const std::vector<std::string> none(static_cast<std::size_t>(section->paperCount));
        m_marks = {none, none, none, none, none, none, {}};
        if (m_told.insert(marksFile).second) {
            view.problem =
                Problem{marksFile, texts::MarksUnreadable(section->label, marksFile, error.what())};
        }
    }
    using results::ResultsFile;
    m_firstAnswers =
        answerRecords(results::FilePath(m_appFolder, ResultsFile::First, m_state.LChose, m_state.lblCOD),
                      section->paperCount);
    m_secondAnswers =
        answerRecords(results::FilePath(m_appFolder, ResultsFile::Second, m_state.LChose, m_state.lblCOD),
                      section->paperCount);
    view.loaded = true;
    view.topicNames = section->topicNames;
    view.topicCount = section->topicCount;
    if (!m_state.RefreshLog && section->topicCount > 0) {
        view.chooseTopic = 1;
    }
    return view;
}

void HomeScreen::AlreadyTold(const std::filesystem::path& file) {
    m_told.insert(file);
}

TopicView HomeScreen::TopicChoosing(int t) {
    m_state.TopicCount = bank::FirstSlotOfTopic(t);
    TopicView view;
    view.topic = t;
    for (int k = 1; k <= bank::kPapersPerTopic; ++k) {
        const int slot = bank::PaperSlot(bank::PaperNumber(t, k));
        PaperRow& row = view.papers[static_cast<std::size_t>(k - 1)];
        row.first = std::string(results::SlotValue(m_marks.FSE, slot));
        row.second = std::string(results::SlotValue(m_marks.SSE, slot));
        row.tryAgain = TryAgainOffered(row.first);
        row.firstProgress = progress(results::SlotValue(m_firstAnswers, slot),
                                     results::SlotValue(m_marks.FST, slot), row.first);
        row.secondProgress = progress(results::SlotValue(m_secondAnswers, slot),
                                      results::SlotValue(m_marks.SST, slot), row.second);
    }
    const config::SectionConfig* section = chosenSection();
    const auto topic = static_cast<std::size_t>(t - 1);
    m_state.SubH1 = section != nullptr && t >= 1 && topic < section->topicNames.size()
                        ? section->topicNames[topic]
                        : std::string();
    view.name = m_state.SubH1;
    return view;
}

SectionView HomeScreen::RefreshContents() {
    m_state.RefreshLog = true;
    SectionView view = LoadSection();
    const int topic = bank::TopicOfPaper(bank::PaperOfSlot(m_state.TopicCount));
    if (topic >= 1 && topic <= bank::kMaxTopics && bank::FirstSlotOfTopic(topic) == m_state.TopicCount) {
        view.chooseTopic = topic;
    }
    m_state.RefreshLog = false;
    return view;
}

practice::PaperRequest HomeScreen::OpenPaper(int offset, int take) {
    m_state.PaperNum = bank::PaperOfSlot(m_state.TopicCount + offset);
    m_state.TakeNum = take;
    practice::PaperRequest request;
    request.appFolder = m_appFolder;
    request.LChose = m_state.LChose;
    request.lblCOD = m_state.lblCOD;
    request.TtPapersCon = m_state.TtPapersCon;
    request.SubH1 = m_state.SubH1;
    request.PaperNum = m_state.PaperNum;
    request.TakeNum = take == 2 ? practice::Attempt::Second : practice::Attempt::First;
    return request;
}

std::optional<report::ReportFigures> HomeScreen::Report(std::string_view point) const {
    const config::SectionConfig* section = chosenSection();
    if (section == nullptr) {
        return std::nullopt;
    }
    const auto trendFile =
        results::FilePath(m_appFolder, results::ResultsFile::Trend, m_state.LChose, m_state.lblCOD);
    return report::BuildReport(m_marks, *section, trendFile, point);
}

std::optional<std::vector<report::CardLine>> HomeScreen::ResultsCard(std::string_view title) const {
    const config::SectionConfig* section = chosenSection();
    if (section == nullptr) {
        return std::nullopt;
    }
    return report::ComposeResultsCard(title, m_marks, *section);
}

namespace {

const ResourceSource& templatesOrNone(const ResourceSource* templates) {
    static const MapResourceSource none; // no templates: every file is reported, none written
    return templates != nullptr ? *templates : none;
}

} // namespace

results::ResetReport HomeScreen::EraseResults(const ResourceSource* templates) const {
    return results::ResetResults(m_appFolder, m_config.code, m_config.ExistingSections(),
                                 templatesOrNone(templates));
}

results::ResetReport HomeScreen::CheckErase(const ResourceSource* templates) const {
    return results::CheckReset(m_appFolder, m_config.code, m_config.ExistingSections(),
                               templatesOrNone(templates));
}

} // namespace orbisk::home
