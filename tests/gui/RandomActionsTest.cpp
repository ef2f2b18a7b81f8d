// A random walk through the real home and practice windows: after every step
// the results files must hold what the learner did, and nothing that was erased.
// ORBISK_RANDOM_SEED picks one seed (else seeds 1 to 3 run), ORBISK_RANDOM_ACTIONS
// the number of steps (150 by default); scripts/random-actions.sh runs long walks.
#include "CompiledPack.h"
#include "PracticeFixture.h"
#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/setup/FolderSetup.h"
#include "gui/chrome/ImageButton.h"
#include "gui/home/HomePage.h"
#include "gui/home/HomeToolbar.h"
#include "gui/home/TopicButton.h"
#include "gui/home/TrashPage.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/MarkingPanel.h"
#include "gui/practice/PracticeStatusBar.h"
#include "gui/practice/PracticeToolbar.h"

#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>

namespace orbisk::gui {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TestBank;
using practice::ToolbarButton;
using results::ResultsFile;

constexpr int kSection = 2; // the walk uses section 2; section 3's files must never change
constexpr int kPapers = 50;
constexpr auto kPause = std::chrono::seconds(7); // between two actions

// ---- Actions -------------------------------------------------------------------

enum class Do { Open, TryAgain, Type, Next, Back, Pick, Save, Mark, Close, Erase, Tab, Restart };

struct Action {
    Do what = Do::Next;
    int paper = 0;    ///< Open, TryAgain
    int number = 0;   ///< Type: the box; Pick: the question; Tab: the tab
    std::string text; ///< Type ("" clears the box)
    bool yes = true;  ///< Mark, Close: the answer to the question asked
};

std::string Describe(const Action& a) {
    const char* answer = a.yes ? "yes" : "no";
    switch (a.what) {
    case Do::Open:
    case Do::TryAgain:
        return "open " + std::to_string(a.paper) + " take " + (a.what == Do::Open ? "1" : "2");
    case Do::Type:
        return a.text.empty() ? "clear box " + std::to_string(a.number)
                              : "type box " + std::to_string(a.number) + " '" + a.text + "'";
    case Do::Next:
        return "next";
    case Do::Back:
        return "back";
    case Do::Pick:
        return "pick question " + std::to_string(a.number);
    case Do::Save:
        return "save";
    case Do::Mark:
        return std::string("mark, answer ") + answer;
    case Do::Close:
        return std::string("close, answer ") + answer;
    case Do::Erase:
        return "erase";
    case Do::Tab:
        return "tab " + std::to_string(a.number);
    case Do::Restart:
        return "restart";
    }
    return "?";
}

// ---- The model: what the learner expects of the files ----------------------------

/// One attempt of one paper, as its files should hold it.
struct Attempt {
    std::vector<std::string> answers, verdicts;
    bool marked = false;
    std::string score, time, date;
};

/// The open practice window, as the learner knows it.
struct Window {
    int paper = 0;
    int take = 1;
    int question = 1;
    int perQuestion = 1; ///< the boxes each question of the paper shows
    bool marked = false;
    bool markedHere = false;          ///< the home page shows the marking once the window closes
    std::vector<bool> carried;        ///< second attempt: right the first time, locked
    std::vector<std::string> answers; ///< what the window stores on its next move
    std::vector<std::string> written; ///< what it takes its file to hold: nothing new is not written
    std::vector<std::string> boxes;   ///< what the boxes of the question on show hold
    practice::Instant opened;

    int questions() const { return static_cast<int>(answers.size()) / perQuestion; }
    std::size_t slot(int box) const {
        return static_cast<std::size_t>((question - 1) * perQuestion + box - 1);
    }
    bool locked(int box) const { return marked || carried[slot(box)]; }

    void Show(int q) {
        question = q;
        boxes.assign(answers.begin() + static_cast<std::ptrdiff_t>(slot(1)),
                     answers.begin() + static_cast<std::ptrdiff_t>(slot(1) + perQuestion));
    }
};

struct Model {
    explicit Model(const std::vector<int>& counts) : slotCounts(counts) { Erase(); }

    Attempt& at(int paper, int take) { return papers[static_cast<std::size_t>(paper - 101)][take - 1]; }

    void Erase() {
        papers.assign(slotCounts.size(), {});
        for (std::size_t p = 0; p < slotCounts.size(); ++p) {
            for (Attempt& attempt : papers[p]) {
                attempt.answers.assign(static_cast<std::size_t>(slotCounts[p]), "");
                attempt.verdicts = attempt.answers;
            }
        }
        trend.clear();
        window.reset();
    }

    /// Every move, Save, Mark and close: the boxes into the window's answers,
    /// and those onto disk unless the attempt is marked (then nothing can
    /// change) or they are what was written already (Mark writes them all the same).
    void Store(bool always = false) {
        if (window->marked) {
            return;
        }
        for (int box = 1; box <= window->perQuestion; ++box) {
            if (!window->locked(box)) {
                window->answers[window->slot(box)] = window->boxes[static_cast<std::size_t>(box - 1)];
            }
        }
        if (always || window->answers != window->written) {
            at(window->paper, window->take).answers = window->answers;
            window->written = window->answers;
        }
    }

    void Close() {
        if (window) {
            Store();
            window.reset();
        }
    }

    void Open(int paper, int take, int perQuestion, practice::Instant now) {
        Close();
        Window w;
        w.paper = paper;
        w.take = take;
        w.perQuestion = perQuestion;
        w.opened = now;
        const Attempt& first = at(paper, 1);
        const Attempt& own = at(paper, take);
        w.marked = own.marked;
        w.answers = own.answers;
        w.carried.assign(w.answers.size(), false);
        if (take == 2) {
            // Answers right the first time come over, locked.
            for (std::size_t i = 0; i < w.answers.size(); ++i) {
                if (first.verdicts[i] == "Y") {
                    w.carried[i] = true;
                    w.answers[i] = first.answers[i];
                }
            }
        }
        w.written = w.answers;
        w.Show(1);
        window = std::move(w);
    }

    std::vector<int> slotCounts;                ///< the answer slots of papers 101..150
    std::vector<std::array<Attempt, 2>> papers; ///< by paper - 101
    std::vector<std::string> trend;             ///< first-attempt scores since the last erase
    std::optional<Window> window;
};

std::string HMS(std::chrono::seconds taken) {
    const long long s = taken.count();
    return std::to_string(s / 3600) + ":" + std::to_string(s / 60 % 60) + ":" + std::to_string(s % 60);
}

std::string Joined(const std::vector<std::string>& values) {
    std::string text;
    for (const std::string& value : values) {
        text += "'" + value + "' ";
    }
    return text;
}

int FromEnvironment(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

std::vector<int> Seeds() {
    const int seed = FromEnvironment("ORBISK_RANDOM_SEED", 0);
    return seed ? std::vector<int>{seed} : std::vector<int>{1, 2, 3};
}

// ---- The walk -------------------------------------------------------------------------

class RandomActions : public orbisk::testing::PracticeFixture, public ::testing::WithParamInterface<int> {
protected:
    RandomActions() : m_rng(static_cast<unsigned>(GetParam())), m_model(TemplateSlots()) {}

    std::string Template(ResultsFile file, int section) const {
        return std::string(*TestBank().pack().Find(results::TemplateId(file, section)));
    }

    /// The answer slots of each paper, as the answer file's template holds them.
    std::vector<int> TemplateSlots() const {
        const records::RecordText text("template", Template(ResultsFile::First, kSection));
        std::vector<int> slotCounts;
        for (const std::string& record : records::ReadPaperRecords(text, kPapers)) {
            slotCounts.push_back(static_cast<int>(records::CountValues(record, 3)));
        }
        return slotCounts;
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool Chance(int percent) { return Pick(100) < percent; }

    void Problem(const std::string& what) { m_problems << what << "\n"; }

    Action Choose();
    void Perform(const Action& action);
    void Check();
    void CheckFiles();
    void CheckWindow();
    void CheckHomePage();

    void OpenThroughHomePage(int paper, int take);
    void Click(ToolbarButton which) { QTest::mouseClick(Open()->toolbar()->button(which), Qt::LeftButton); }
    void Restart();
    /// A marking completed: its verdicts, score, time and date join the model.
    void TakeMarking(const PracticeWindow& window);

    std::mt19937 m_rng;
    Model m_model;
    std::ostringstream m_problems;
};

Action RandomActions::Choose() {
    const std::optional<Window>& window = m_model.window;
    std::vector<int> secondTakes; // the papers whose try-again button the home page shows
    for (int paper = 101; paper < 101 + kPapers; ++paper) {
        const Attempt& first = m_model.at(paper, 1);
        const bool shown = !window || !window->markedHere || window->paper != paper;
        if (first.marked && shown && std::stod(first.score) <= 99) {
            secondTakes.push_back(paper);
        }
    }
    // What the learner can do now, and how often each is done.
    std::vector<std::pair<Do, int>> offered{{Do::Open, 10}, {Do::Erase, 2}, {Do::Tab, 3}, {Do::Restart, 1}};
    if (!secondTakes.empty()) {
        offered.emplace_back(Do::TryAgain, 5);
    }
    if (window) {
        offered.insert(
            offered.end(),
            {{Do::Type, 30}, {Do::Next, 14}, {Do::Back, 7}, {Do::Save, 5}, {Do::Mark, 9}, {Do::Close, 6}});
        const PracticeStatusBar* status = Open()->statusBar();
        if (status->remainingPanel()->isVisibleTo(Open()) && status->remaining()->count() > 0) {
            offered.emplace_back(Do::Pick, 5);
        }
    }
    int total = 0;
    for (const auto& [what, weight] : offered) {
        total += weight;
    }
    std::size_t k = 0;
    for (int roll = Pick(total); roll >= offered[k].second; ++k) {
        roll -= offered[k].second;
    }
    Action a;
    a.what = offered[k].first;
    switch (a.what) {
    case Do::Open: {
        // Papers of every shape come back often: choice, five and ten gaps, word order, reading.
        static const std::array<int, 5> kFavourites{101, 121, 128, 141, 146};
        a.paper = Chance(70) ? kFavourites[static_cast<std::size_t>(Pick(5))] : 101 + Pick(kPapers);
        break;
    }
    case Do::TryAgain:
        a.paper = secondTakes[static_cast<std::size_t>(Pick(static_cast<int>(secondTakes.size())))];
        break;
    case Do::Type:
        a.number = 1 + Pick(window->perQuestion);
        if (!Chance(15)) { // else the box is cleared
            static const std::array<const char*, 6> kWords{"went", "apple", "red hat", "Mars", " ", "x"};
            a.text = Open()->sheet()->answerBox(a.number)->maxLength() == 1
                         ? std::to_string(1 + Pick(4))
                         : kWords[static_cast<std::size_t>(Pick(6))];
        }
        break;
    case Do::Pick: {
        const QComboBox* list = Open()->statusBar()->remaining();
        a.number = list->itemText(Pick(list->count())).toInt();
        break;
    }
    case Do::Tab:
        do {
            a.number = 1 + Pick(4);
        } while (!m_home->tab(a.number)->isVisible());
        break;
    case Do::Mark:
    case Do::Close:
        a.yes = Chance(75);
        break;
    default:
        break;
    }
    return a;
}

void RandomActions::OpenThroughHomePage(int paper, int take) {
    HomeWindow& home = *m_home;
    if (home.currentPage() != home.homePage() || home.state().LChose != kSection) {
        QTest::mouseClick(home.tab(kSection), Qt::LeftButton);
    }
    QTest::mouseClick(home.homePage()->topic((paper - 101) / 5 + 1), Qt::LeftButton);
    const int row = (paper - 101) % 5 + 1;
    ImageButton* button = take == 1 ? home.homePage()->loadButton(row) : home.homePage()->tryAgainButton(row);
    if (!button->isVisibleTo(&home)) {
        Problem("the home page does not offer paper " + std::to_string(paper) + " take " +
                std::to_string(take));
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    PracticeWindow* window = Open();
    if (window == nullptr || window->paper().request().PaperNum != paper) {
        Problem("paper " + std::to_string(paper) + " did not open");
        m_model.Close();
        return;
    }
    m_model.Open(paper, take, window->sheet()->shownFrames(), m_now);
}

void RandomActions::Restart() {
    m_home->close(); // the program ends: the practice window closes first
    m_home->SetPracticeWindows(nullptr);
    m_set.reset();
    m_home.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The next start checks the folder as the program does; it must find every file sound.
    const setup::StartupFiles start =
        setup::PrepareApplicationFolder(m_folder.path(), TestBank().pack(), "again");
    for (const auto& file : start.staleRemoved) {
        Problem("a start found a half-written file: " + file.string());
    }
    for (const auto& repaired : start.results.repaired) {
        Problem("a start found " + repaired.file.string() + " damaged: " + repaired.problem);
    }
    if (!start.results.created.empty() || !start.results.extended.empty() ||
        !start.results.notCreated.empty() || !start.results.failed.empty()) {
        Problem("a start had to create, extend or rewrite results files");
    }
    Home();
}

void RandomActions::TakeMarking(const PracticeWindow& window) {
    // The verdicts and score are the program's to work out: the model takes them
    // from the files, checks their form, and from then on that they stay.
    Window& w = *m_model.window;
    Attempt& attempt = m_model.at(w.paper, w.take);
    const auto verdictFile = w.take == 1 ? ResultsFile::FResults : ResultsFile::SResults;
    attempt.verdicts = Values(verdictFile, w.paper, static_cast<int>(attempt.answers.size()));
    for (const std::string& verdict : attempt.verdicts) {
        if (verdict != "Y" && verdict != "N") {
            Problem("paper " + std::to_string(w.paper) + " was marked, but its verdicts read " +
                    Joined(attempt.verdicts));
            break;
        }
    }
    const results::Marks marks = results::ReadMarks(File(ResultsFile::Marks), kPapers);
    attempt.score = (w.take == 1 ? marks.FSE : marks.SSE)[static_cast<std::size_t>(w.paper - 101)];
    char* end = nullptr;
    const double score = std::strtod(attempt.score.c_str(), &end);
    if (attempt.score.empty() || *end != '\0' || score < 0 || score > 100) {
        Problem("paper " + std::to_string(w.paper) + " was marked, but its score reads '" + attempt.score +
                "'");
    }
    if (window.toolbar()->score()->text().toStdString() != attempt.score) {
        Problem("the window shows the score " + window.toolbar()->score()->text().toStdString());
    }
    attempt.marked = true;
    w.marked = true;
    w.markedHere = true;
    if (w.take == 1) {
        attempt.time = HMS(std::chrono::duration_cast<std::chrono::seconds>(m_now - w.opened));
        attempt.date = m_today.toStdString();
        m_model.trend.push_back(attempt.score);
    }
}

void RandomActions::Perform(const Action& a) {
    m_now += kPause;
    PracticeWindow* window = Open();
    switch (a.what) {
    case Do::Open:
    case Do::TryAgain:
        OpenThroughHomePage(a.paper, a.what == Do::Open ? 1 : 2);
        break;
    case Do::Type: {
        AnswerBox* box = window->sheet()->answerBox(a.number);
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        for (qsizetype i = box->text().size(); i > 0; --i) {
            QTest::keyClick(box, Qt::Key_Backspace);
        }
        QTest::keyClicks(box, QString::fromStdString(a.text));
        if (!m_model.window->locked(a.number)) {
            m_model.window->boxes[static_cast<std::size_t>(a.number - 1)] = a.text;
        }
        break;
    }
    case Do::Next:
        Click(ToolbarButton::Next);
        if (m_model.window->question < m_model.window->questions()) {
            m_model.Store();
            m_model.window->Show(m_model.window->question + 1);
        }
        break;
    case Do::Back:
        Click(ToolbarButton::Back);
        if (m_model.window->question > 1) {
            m_model.Store();
            m_model.window->Show(m_model.window->question - 1);
        }
        break;
    case Do::Pick: {
        QComboBox* list = window->statusBar()->remaining();
        emit list->activated(list->findText(QString::number(a.number)));
        m_model.Store();
        m_model.window->Show(a.number);
        break;
    }
    case Do::Save:
        Click(ToolbarButton::Save);
        m_model.Store();
        break;
    case Do::Mark: {
        m_asker.answers.push_back(a.yes);
        Click(ToolbarButton::Mark);
        MarkingPanel* panel = window->statusBar()->marking();
        if (panel->running()) {
            m_now += std::chrono::seconds(3);
            panel->Step();
        }
        if (!m_model.window->marked) {
            m_model.Store(true); // Mark stores the answers before it asks
            if (a.yes) {
                TakeMarking(*window);
            }
        }
        break;
    }
    case Do::Close:
        m_asker.answers.push_back(a.yes);
        Click(ToolbarButton::Close);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (a.yes) {
            m_model.Close();
        }
        break;
    case Do::Erase: {
        m_asker.answers.push_back(true); // whatever the erase asks, the learner agrees
        QTest::mouseClick(m_home->tab(4), Qt::LeftButton);
        QTest::mouseClick(m_home->toolbar().button(2), Qt::LeftButton);
        TrashPage* page = m_home->trashPage();
        QTest::mouseClick(page->trashButton(), Qt::LeftButton);
        QTest::mouseClick(page->yesButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (page->stage() != TrashPage::Stage::Done) {
            Problem("the erase did not say it was done");
        }
        m_model.Close(); // erasing closes the open paper as Close does, then resets every file
        m_model.Erase();
        for (const int section : m_config.ExistingSections()) {
            for (const ResultsFile file : results::kResultsFiles) {
                if (ReadBytes(File(file, section)) != Template(file, section)) {
                    Problem("right after the erase " + File(file, section).filename().string() +
                            " differs from its template");
                }
            }
        }
        break;
    }
    case Do::Tab:
        QTest::mouseClick(m_home->tab(a.number), Qt::LeftButton);
        break;
    case Do::Restart:
        m_model.Close();
        Restart();
        break;
    }
    m_asker.answers.clear();
    if (PracticeWindow* open = Open()) {
        open->Tick();
    }
}

void RandomActions::CheckFiles() {
    const auto slot = [](int paper) { return static_cast<std::size_t>(paper - 101); };
    try {
        for (const int take : {1, 2}) {
            const auto answerFile = take == 1 ? ResultsFile::First : ResultsFile::Second;
            const auto verdictFile = take == 1 ? ResultsFile::FResults : ResultsFile::SResults;
            const std::vector<std::string> answerRecords =
                records::ReadPaperRecords(File(answerFile), kPapers);
            const std::vector<std::string> verdictRecords =
                records::ReadPaperRecords(File(verdictFile), kPapers);
            for (int paper = 101; paper < 101 + kPapers; ++paper) {
                const Attempt& expected = m_model.at(paper, take);
                const int n = static_cast<int>(expected.answers.size());
                for (const auto& [file, values] :
                     {std::pair{answerFile, &expected.answers}, std::pair{verdictFile, &expected.verdicts}}) {
                    const std::string& record =
                        (file == answerFile ? answerRecords : verdictRecords)[slot(paper)];
                    if (records::CountValues(record, 3) != static_cast<std::size_t>(n) ||
                        records::SplitRecord(record, n) != *values) {
                        Problem(File(file).filename().string() + " holds " + record + " for paper " +
                                std::to_string(paper) + ", not " + Joined(*values));
                    }
                }
            }
        }
        const results::Marks marks = results::ReadMarks(File(ResultsFile::Marks), kPapers);
        for (int paper = 101; paper < 101 + kPapers; ++paper) {
            const Attempt& first = m_model.at(paper, 1);
            const Attempt& second = m_model.at(paper, 2);
            const std::size_t i = slot(paper);
            const std::vector<std::string> stored{marks.FSE[i], marks.LTM[i], marks.CDD[i],
                                                  marks.FST[i], marks.SSE[i], marks.SST[i]};
            const std::vector<std::string> wanted{first.score,  first.time,
                                                  first.date,   first.marked ? "1" : "0",
                                                  second.score, second.marked ? "1" : "0"};
            if (stored != wanted) {
                Problem("the marks file holds " + Joined(stored) + "for paper " + std::to_string(paper) +
                        " (score, time, date, marked; second score, marked), not " + Joined(wanted));
            }
        }
        const auto trend = records::ReadRecordAllValues(File(ResultsFile::Trend), results::kTrendKey);
        if (trend != m_model.trend) {
            Problem("the trend holds " + Joined(trend) + "not " + Joined(m_model.trend));
        }
    } catch (const Error& error) {
        Problem(std::string("a results file cannot be read: ") + error.what());
    }
    for (const int section : m_config.ExistingSections()) {
        if (section == kSection) {
            continue;
        }
        for (const ResultsFile file : results::kResultsFiles) {
            if (ReadBytes(File(file, section)) != Template(file, section)) {
                Problem(File(file, section).filename().string() +
                        " changed, though nothing of its section was done");
            }
        }
    }
}

void RandomActions::CheckWindow() {
    PracticeWindow* window = Open();
    const std::optional<Window>& expected = m_model.window;
    const std::size_t pages = PageFiles().size();
    if (pages != (expected ? 1u : 0u)) {
        Problem(std::to_string(pages) + " page files in the folder");
    }
    if ((window != nullptr) != expected.has_value()) {
        Problem(window ? "a practice window is open" : "no practice window is open");
        return;
    }
    if (!window) {
        return;
    }
    const QString title = QStringLiteral("Question %1").arg(expected->question);
    if (window->objectName() != (expected->take == 1 ? QStringLiteral("Test1") : QStringLiteral("Test2")) ||
        window->paper().request().PaperNum != expected->paper || window->questionTitle()->text() != title) {
        Problem("the window shows " + window->objectName().toStdString() + " of paper " +
                std::to_string(window->paper().request().PaperNum) + " at " +
                window->questionTitle()->text().toStdString());
    }
    if (Sheet(*window) != expected->boxes) {
        Problem("the boxes show " + Joined(Sheet(*window)) + "not " + Joined(expected->boxes));
    }
}

void RandomActions::CheckHomePage() {
    // Once no practice window is open, the home page shows the scores as they are.
    HomeWindow& home = *m_home;
    if (m_model.window || home.currentPage() != home.homePage() || home.state().LChose != kSection) {
        return;
    }
    HomePage* page = home.homePage();
    for (int row = 1; row <= 5; ++row) {
        const int paper = 100 + home.state().TopicCount + row - 1;
        const Attempt& first = m_model.at(paper, 1);
        const bool tryAgain = first.marked && std::stod(first.score) <= 99;
        // An attempt begun and not marked says so in place of its score.
        auto shown = [](const Attempt& attempt) {
            const bool begun = std::any_of(attempt.answers.begin(), attempt.answers.end(),
                                           [](const std::string& answer) { return !answer.empty(); });
            return !attempt.marked && begun ? std::string("started") : attempt.score;
        };
        if (page->firstScore(row)->text().toStdString() != shown(first) ||
            page->secondScore(row)->text().toStdString() != shown(m_model.at(paper, 2)) ||
            page->tryAgainButton(row)->isVisibleTo(page) != tryAgain) {
            Problem("the home page shows paper " + std::to_string(paper) + " with scores '" +
                    page->firstScore(row)->text().toStdString() + "' and '" +
                    page->secondScore(row)->text().toStdString() + "'");
        }
    }
}

void RandomActions::Check() {
    for (int i = 0; i < m_notifier.messages.size(); ++i) {
        Problem("the learner was told: " + m_notifier.messages[i].toStdString() + " (" +
                m_notifier.details[i].toStdString() + ")");
    }
    m_notifier.messages.clear();
    m_notifier.details.clear();
    CheckFiles();
    CheckWindow();
    CheckHomePage();
}

TEST_P(RandomActions, TheFilesHoldWhatTheLearnerDidAndNothingErasedComesBack) {
    const int steps = FromEnvironment("ORBISK_RANDOM_ACTIONS", 150);
    Home();
    std::vector<std::string> done;
    for (int step = 0; step < steps; ++step) {
        const Action action = Choose();
        done.push_back(Describe(action));
        try {
            Perform(action);
            Check();
        } catch (const std::exception& error) {
            Problem(std::string("the step threw: ") + error.what());
        }
        m_asker.asked.clear();
        m_asker.owners.clear();
        if (!m_problems.str().empty()) {
            std::string list;
            for (const std::string& line : done) {
                list += "  " + line + "\n";
            }
            FAIL() << "seed " << GetParam() << ", after action " << step + 1 << " of:\n"
                   << list << m_problems.str() << "(again: ORBISK_RANDOM_SEED=" << GetParam()
                   << " ORBISK_RANDOM_ACTIONS=" << step + 1 << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Walk, RandomActions, ::testing::ValuesIn(Seeds()),
                         [](const auto& test) { return "seed_" + std::to_string(test.param); });

} // namespace
} // namespace orbisk::gui
