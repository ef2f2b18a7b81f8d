#include "HomeFixture.h"

#include "CompiledPack.h"
#include "core/results/ResultsStore.h"
#include "core/setup/FolderSetup.h"

#include <QTest>

namespace orbisk::testing {

HomeFixture::HomeFixture() {
    const setup::StartupFiles files =
        setup::PrepareApplicationFolder(m_folder.path(), TestBank().pack(), "stamp");
    if (!files.config) {
        throw std::runtime_error("the test bank's configuration cannot be read: " + files.configProblem);
    }
    m_config = *files.config;
    m_pictures =
        std::make_unique<gui::SkinPictures>(setup::GraphicsFolder(m_folder.path()), &TestBank().pack());
}

HomeFixture::~HomeFixture() = default;

config::ProductConfig HomeFixture::Config(int topics) const {
    config::ProductConfig config = m_config;
    if (topics > 0) {
        config::SectionConfig& section = config.Section(2);
        section.topicCount = topics;
        section.paperCount = 5 * topics;
        section.topicNames.resize(static_cast<std::size_t>(topics));
    }
    return config;
}

std::unique_ptr<gui::HomeWindow> HomeFixture::Open(const config::ProductConfig& config) {
    gui::HomeWindow::Services services;
    services.appFolder = m_folder.path();
    services.pictures = m_pictures.get();
    services.notifier = &m_notifier;
    services.cursor = [this] { return m_cursor; };
    services.asker = &m_asker;
    services.practice = &m_practice;
    services.cardPrinter = m_cardPrinter;
    services.resources = &TestBank().pack();
    services.browser = &m_browser;
    auto home = std::make_unique<gui::HomeWindow>(services, config);
    home->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(home.get()));
    return home;
}

std::filesystem::path HomeFixture::MarksFile(int section) const {
    return results::FilePath(m_folder.path(), results::ResultsFile::Marks, section, m_config.code);
}

void HomeFixture::StoreScores(const std::map<int, StoredScores>& scores, int section) {
    const int papers = m_config.Section(section).paperCount;
    results::Marks marks = results::ReadMarks(MarksFile(section), papers);
    for (const auto& [slot, stored] : scores) {
        const auto i = static_cast<std::size_t>(slot - 1);
        marks.FSE.at(i) = stored.first;
        marks.SSE.at(i) = stored.second;
        marks.FST.at(i) = stored.first.empty() ? "0" : "1";
        marks.SST.at(i) = stored.second.empty() ? "0" : "1";
    }
    results::WriteMarks(MarksFile(section), marks, papers);
}

QPixmap HomeFixture::Picture(const char* name) const {
    return m_pictures->Get(QString::fromLatin1(name));
}

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromUtf8(text);
    }
    return list;
}

bool EventuallyTrue(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 5000);
}

} // namespace orbisk::testing
