#include "gui/app/Startup.h"

#include "CompiledPack.h"
#include "FakeNotifier.h"
#include "ResultsTemplates.h"
#include "TempFolder.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/product/ResourceIds.h"
#include "core/product/SkinTable.h"
#include "core/results/ResultsStore.h"
#include "core/setup/FolderSetup.h"
#include "gui/app/EndRequests.h"
#include "gui/app/PictureInstaller.h"
#include "gui/app/SingleInstance.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/home/HomeWindow.h"
#include "gui/home/TopicButton.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/PracticeWindow.h"
#include "gui/practice/PracticeWindowSet.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <map>

namespace orbisk::gui {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;
namespace fs = std::filesystem;

class Startup : public ::testing::Test {
protected:
    /// What the program passes, with its files in @p programFolder.
    StartupEnvironment Environment(const fs::path& programFolder,
                                   const ResourceSource& resources = orbisk::testing::TestBank().pack()) {
        StartupEnvironment environment;
        environment.programFolder = programFolder;
        environment.resources = &resources;
        environment.notifier = &m_notifier;
        environment.cursor = [] { return QPoint(-100, -100); };
        environment.copyStamp = [] { return std::string("20261208-101500"); };
        return environment;
    }
    Started Start(const ResourceSource& resources) {
        Started started = StartUp(Environment(m_folder.path(), resources));
        if (started.pictureInstaller) {
            started.pictureInstaller->Install(); // what the first paint brings about
        }
        return started;
    }
    Started Start() { return Start(orbisk::testing::TestBank().pack()); }
    fs::path Results(results::ResultsFile file, int section = 2) const {
        return results::FilePath(m_folder.path(), file, section, "TST");
    }
    std::map<fs::path, fs::file_time_type> Times() const {
        std::map<fs::path, fs::file_time_type> times;
        for (const auto& entry : fs::recursive_directory_iterator(m_folder.path())) {
            times[entry.path()] = entry.last_write_time();
        }
        return times;
    }

    TempFolder m_folder;
    orbisk::testing::FakeNotifier m_notifier;
};

TEST_F(Startup, AFreshFolderGetsEverythingAndTheHomeWindow) {
    const Started started = Start();
    ASSERT_TRUE(started.home) << m_notifier.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(m_notifier.messages.isEmpty());
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder / "Graphics"), {}), 89);
    for (const skin::SkinPicture& picture : skin::SkinPictures()) {
        const QImage image(QString::fromStdString((m_folder / "Graphics" / picture.name).string()));
        ASSERT_FALSE(image.isNull()) << picture.name << " cannot be decoded";
        EXPECT_EQ(image.width(), picture.width) << picture.name;
        EXPECT_EQ(image.height(), picture.height) << picture.name;
    }
    for (const results::ResultsFile file : results::kResultsFiles) {
        EXPECT_EQ(ReadBytes(Results(file)),
                  *orbisk::testing::TestBank().pack().Find(results::TemplateId(file, 2)));
    }
}

// A first start does not wait for the pictures' files: they follow the window's first paint.
TEST_F(Startup, ThePicturesAreWrittenOnceTheHomeWindowHasPainted) {
    const Started started = StartUp(Environment(m_folder.path()));
    ASSERT_TRUE(started.home);
    EXPECT_FALSE(fs::exists(m_folder / "Graphics" / "home_off.bmp"));
    started.home->show();
    started.home->repaint();
    QElapsedTimer waited; // well short of the second after which they are written anyway
    waited.start();
    while (!fs::exists(m_folder / "Graphics" / "home_off.bmp") && waited.elapsed() < 400) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ASSERT_TRUE(fs::exists(m_folder / "Graphics"));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder / "Graphics"), {}), 89);
}

TEST_F(Startup, TheHomeWindowIsSkinnedPlacedAndLabelled) {
    const Started started = Start();
    ASSERT_TRUE(started.home);
    HomeWindow& home = *started.home;
    EXPECT_TRUE(home.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(home.geometry(), QRect(4, 4, 405, 492));
    EXPECT_EQ(home.windowTitle(), QStringLiteral("Orbisk Test Practice"));
    EXPECT_EQ(home.frame().title()->text(), QStringLiteral("Orbisk Test Practice"));
    EXPECT_FALSE(home.mask().isEmpty());
    EXPECT_FALSE(home.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(home.mask().contains(QPoint(0, 491)));

    // Sections 2 and 3 exist: tab 1 is out of sight, Help follows tab 3.
    EXPECT_FALSE(home.tab(1)->isVisibleTo(&home));
    EXPECT_EQ(home.tab(2)->caption(), QStringLiteral("Practice"));
    EXPECT_EQ(home.tab(2)->toolTip(), QStringLiteral("Load Practice Module"));
    EXPECT_EQ(home.tab(3)->caption(), QStringLiteral("Extra"));
    EXPECT_EQ(home.tab(3)->toolTip(), QStringLiteral("Load Extra Module"));
    EXPECT_EQ(home.tab(4)->caption(), QStringLiteral("Help"));
    EXPECT_EQ(home.tab(4)->toolTip(), QStringLiteral("Help"));
    EXPECT_LT(home.tab(2)->x(), home.tab(3)->x());
    EXPECT_LT(home.tab(3)->x(), home.tab(4)->x());
    EXPECT_LT(home.tab(2)->y(), home.tab(3)->y()) << "the chosen tab stands higher";

    // The first section is chosen with its ten topics; topic 1 is selected.
    EXPECT_EQ(home.state().LChose, 2);
    EXPECT_EQ(home.state().txtTabPos, 2);
    EXPECT_EQ(home.state().TopicCount, 1);
    EXPECT_EQ(home.state().TtPapersCon, 50);
    EXPECT_EQ(home.topicLabel(1)->text(), QStringLiteral("Grammar (1)"));
    EXPECT_EQ(home.topicLabel(10)->text(), QStringLiteral("Comprehension MCQ"));
    EXPECT_TRUE(home.topicLabel(10)->isVisibleTo(&home));
    EXPECT_EQ(home.marks().FST, std::vector<std::string>(50, "0"));

    home.TabClick(3);
    EXPECT_EQ(home.state().LChose, 3);
    EXPECT_EQ(home.topicLabel(1)->text(), QStringLiteral("Rare Kinds"));
    EXPECT_FALSE(home.topicLabel(2)->isVisibleTo(&home));
}

TEST_F(Startup, ASecondStartRewritesNoResultsFile) {
    Start();
    const auto before = Times();
    const Started again = Start();
    ASSERT_TRUE(again.home);
    for (const auto& [path, time] : Times()) {
        if (path.parent_path() == m_folder.path() && path.extension() == ".txt") {
            EXPECT_EQ(time, before.at(path)) << path;
        }
    }
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

TEST_F(Startup, ADeletedTrendFileIsRecreatedAloneAndScoresStay) {
    Start();
    results::Marks marks = results::ReadMarks(Results(results::ResultsFile::Marks), 50);
    marks.FSE[0] = "86.7";
    marks.FST[0] = "1";
    results::WriteMarks(Results(results::ResultsFile::Marks), marks, 50);
    fs::remove(Results(results::ResultsFile::Trend));
    const Started again = Start();
    ASSERT_TRUE(again.home);
    EXPECT_EQ(ReadBytes(Results(results::ResultsFile::Trend)), "#TRD#");
    EXPECT_EQ(again.home->marks().FSE[0], "86.7");
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

TEST_F(Startup, ADamagedPaperRecordIsNamedByItsPaperAndTheOtherAnswersStay) {
    Start();
    const fs::path answers = Results(results::ResultsFile::First);
    std::vector<std::string> lines = records::ReadPaperRecords(answers, 50);
    lines[0].insert(6, "was"); // "#101#>was>>>..."
    lines[42] = "#143#>w1>w2"; // paper 3 of the ninth topic, short of its answers
    records::WriteLines(lines, answers);
    const Started again = Start();
    ASSERT_TRUE(again.home);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    const QString message = m_notifier.messages[0];
    EXPECT_TRUE(message.contains(QStringLiteral("Word Order - Paper 3"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("your other results are as they were")));
    EXPECT_EQ(records::ReadPaperRecords(answers, 50)[0].rfind("#101#>was>", 0), 0U);
}

TEST_F(Startup, AShortMarksRecordIsKeptAsideRecreatedAndNamed) {
    Start();
    const std::string damaged = "#FSE#>>>\r\n#SSE#>>>\r\n";
    WriteBytes(Results(results::ResultsFile::Marks), damaged);
    const Started again = Start();
    ASSERT_TRUE(again.home);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    const QString message = m_notifier.messages[0];
    EXPECT_TRUE(message.startsWith(QStringLiteral("Orbisk Test Practice: Your results for Practice in ")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromStdString(Results(results::ResultsFile::Marks).string())))
        << "the file's full path";
    EXPECT_TRUE(message.contains(QStringLiteral("set aside as marks2TST-damaged-20261208-101500.txt")));
    EXPECT_FALSE(message.contains(QStringLiteral("record"))) << "keys belong on the details line";
    EXPECT_TRUE(m_notifier.details[0].contains(QStringLiteral("record LTM is missing")))
        << m_notifier.details[0].toStdString();
    EXPECT_EQ(ReadBytes(m_folder / "marks2TST-damaged-20261208-101500.txt"), damaged);
    EXPECT_EQ(ReadBytes(Results(results::ResultsFile::Marks)),
              *orbisk::testing::TestBank().pack().Find(results::TemplateId(results::ResultsFile::Marks, 2)));
}

// What a full disk does to a first start: one message saying the files could
// not be made, not one saying they were left as they are.
TEST_F(Startup, ResultsFilesThatCannotBeMadeAreToldOfOnceAsNotMade) {
    for (const results::ResultsFile file : results::kResultsFiles) {
        fs::create_directory(files::TemporaryPathFor(Results(file))); // the write cannot begin
    }
    const Started started = Start();
    ASSERT_TRUE(started.home);
    ASSERT_EQ(m_notifier.messages.size(), 1) << m_notifier.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(
        m_notifier.messages[0].contains(QStringLiteral("could not be made in ") + PathText(m_folder.path())))
        << m_notifier.messages[0].toStdString();
    for (const results::ResultsFile file : results::kResultsFiles) {
        EXPECT_TRUE(m_notifier.details[0].contains(PathText(Results(file))))
            << m_notifier.details[0].toStdString();
    }
}

TEST_F(Startup, ResultsWrittenForFewerPapersAreExtended) {
    // An earlier version of section 3 had two papers.
    Start();
    WriteBytes(Results(results::ResultsFile::Marks, 3),
               "#FSE#>75>\r\n#SSE#>>\r\n#LTM#>0:5:1>\r\n#CDD#>01/12/2026>\r\n#FST#>1>0\r\n#SST#>0>0\r\n");
    const Started again = Start();
    ASSERT_TRUE(again.home);
    const results::Marks marks = results::ReadMarks(Results(results::ResultsFile::Marks, 3), 5);
    EXPECT_EQ(marks.FSE, (std::vector<std::string>{"75", "", "", "", ""}));
    EXPECT_EQ(marks.FST, (std::vector<std::string>{"1", "0", "0", "0", "0"}));
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

TEST_F(Startup, ASecondCopyOnTheSameFolderIsRefusedBeforeItWritesAnything) {
    SingleInstance first;
    ASSERT_EQ(first.Lock(m_folder.path()).outcome, files::LockOutcome::Acquired);
    // The first copy is in the middle of saving.
    const fs::path saving = files::TemporaryPathFor(m_folder / "marks2TST.txt");
    WriteBytes(saving, "the first copy's save in progress");
    const Started second = Start();
    EXPECT_FALSE(second.home);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("already running")));
    EXPECT_FALSE(fs::exists(m_folder / "Graphics"));
    EXPECT_FALSE(fs::exists(Results(results::ResultsFile::Marks)));
    EXPECT_TRUE(fs::exists(saving)) << "the second copy must not remove the first copy's file";
}

TEST_F(Startup, ALockFileLeftByACopyThatCrashedHoldsNoLock) {
    WriteBytes(m_folder / SingleInstance::LockFileName().toStdString(), "4242\norbisk-practice\nhost\n");
    const Started started = Start();
    EXPECT_TRUE(started.home) << m_notifier.messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Startup, ALockFileLeftInAFolderNobodyMayWriteToHoldsNoLock) {
    const fs::path lock = m_folder / SingleInstance::LockFileName().toStdString();
    WriteBytes(lock, "");
    const orbisk::testing::ReadOnlyFolder readOnly(m_folder.path());
    if (!readOnly.KeepsOut()) {
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    SingleInstance instance;
    const files::LockAttempt attempt = instance.Lock(m_folder.path());
    EXPECT_EQ(attempt.outcome, files::LockOutcome::CannotCreate);
}

TEST_F(Startup, ResultsBesideAProgramThatMayNotWriteThereAreNamedNotHidden) {
    Start();
    // A folder where the lock file goes: this start cannot use the program's folder.
    fs::create_directory(m_folder / SingleInstance::LockFileName().toStdString());
    StartupEnvironment environment = Environment(m_folder.path());
    environment.perUserFolder = m_folder / "per-user";
    const Started started = StartUp(environment);
    ASSERT_TRUE(started.home);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(
        QStringLiteral("may not write in %1, where your results are").arg(PathText(m_folder.path()))));
    EXPECT_TRUE(m_notifier.messages[0].contains(PathText(m_folder / "per-user")));
}

TEST_F(Startup, TheSystemEndingTheProgramStoresTheAnswersOnShowFirst) {
    Started started = Start();
    ASSERT_TRUE(started.endRequests && started.endRequests->holds());
    started.home->OpenPaper(0, 1);
    PracticeWindow* window = started.practice->first();
    ASSERT_NE(window, nullptr);
    window->sheet()->answerBox(1)->SetText(QStringLiteral("2"));
    ASSERT_EQ(::raise(SIGTERM), 0);
    QTRY_VERIFY(started.practice->first() == nullptr);
    const std::string record = records::ReadPaperRecords(Results(results::ResultsFile::First), 50).at(0);
    EXPECT_EQ(records::SplitRecord(record, 30).at(0), "2");
}

// As at a logout while the learner is asked whether to close: the box goes
// without an answer, the window outlives the handler that asked, and then
// the answers are stored as on any other end.
TEST_F(Startup, TheSystemEndingTheProgramWhileABoxIsOpenStoresTheAnswersAfterTheBox) {
    Started started = Start();
    started.home->OpenPaper(0, 1);
    PracticeWindow* window = started.practice->first();
    ASSERT_NE(window, nullptr);
    window->sheet()->answerBox(1)->SetText(QStringLiteral("2"));
    bool boxOpen = false;
    QTimer::singleShot(100, [&] {
        boxOpen = QApplication::activeModalWidget() != nullptr;
        ::raise(SIGTERM);
    });
    window->ClosePaper();
    EXPECT_TRUE(boxOpen);
    QTRY_VERIFY(started.practice->first() == nullptr);
    const std::string record = records::ReadPaperRecords(Results(results::ResultsFile::First), 50).at(0);
    EXPECT_EQ(records::SplitRecord(record, 30).at(0), "2");
}

TEST_F(Startup, APageFileLeftByAProgramThatDidNotCloseGoesAndNothingElse) {
    WriteBytes(m_folder / "temppaper15003.mht", "page");
    WriteBytes(m_folder / "temppaper-notes.mht", "the learner's own");
    fs::create_directory(m_folder / "temppaper7.mht");
    Start();
    EXPECT_FALSE(fs::exists(m_folder / "temppaper15003.mht"));
    EXPECT_TRUE(fs::exists(m_folder / "temppaper-notes.mht"));
    EXPECT_TRUE(fs::is_directory(m_folder / "temppaper7.mht"));
}

TEST_F(Startup, ASaveCutShortLeavesNoTemporaryFileAfterTheNextStart) {
    Start();
    WriteBytes(files::TemporaryPathFor(Results(results::ResultsFile::First)), "cut short");
    const Started again = Start();
    ASSERT_TRUE(again.home);
    EXPECT_FALSE(fs::exists(files::TemporaryPathFor(Results(results::ResultsFile::First))));
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

TEST_F(Startup, ScoresInAMarksFileOfAnotherLetterCaseAreShown) {
    Start();
    results::Marks marks = results::ReadMarks(Results(results::ResultsFile::Marks), 50);
    marks.FSE[0] = "86.7";
    results::WriteMarks(Results(results::ResultsFile::Marks), marks, 50);
    fs::rename(m_folder / "marks2TST.txt", m_folder / "Marks2TST.txt");
    const Started again = Start();
    ASSERT_TRUE(again.home);
    EXPECT_EQ(again.home->marks().FSE[0], "86.7");
    EXPECT_FALSE(fs::exists(m_folder / "marks2TST.txt")) << "no second, empty marks file";
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

TEST_F(Startup, AnswersOfALargerInstallAndATrendWithoutItsRecordAreLeftAloneSilently) {
    Start();
    std::string answers = ReadBytes(Results(results::ResultsFile::First));
    answers.insert(answers.find("#101#>") + 6, ">");
    WriteBytes(Results(results::ResultsFile::First), answers);
    WriteBytes(Results(results::ResultsFile::Trend), "");
    const Started again = Start();
    ASSERT_TRUE(again.home);
    EXPECT_TRUE(m_notifier.messages.isEmpty()) << m_notifier.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(ReadBytes(Results(results::ResultsFile::First)), answers);
    EXPECT_EQ(ReadBytes(Results(results::ResultsFile::Trend)), "");
}

TEST_F(Startup, AFolderThatCannotHoldTheLockIsToldApartFromARunningCopy) {
    WriteBytes(m_folder / "not-a-folder", "x");
    const Started started = StartUp(Environment(m_folder / "not-a-folder"));
    EXPECT_FALSE(started.home);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("cannot keep your results in")));
    EXPECT_FALSE(m_notifier.messages[0].contains(QStringLiteral("already running")));
}

TEST_F(Startup, AProgramFolderThatCannotHoldTheLockFallsBackToThePerUserFolder) {
    WriteBytes(m_folder / "not-a-folder", "x");
    StartupEnvironment environment = Environment(m_folder / "not-a-folder");
    environment.perUserFolder = m_folder / "per-user";
    const Started started = StartUp(environment);
    ASSERT_TRUE(started.home);
    EXPECT_EQ(started.appFolder, m_folder / "per-user");
    EXPECT_TRUE(fs::exists(m_folder / "per-user" / "marks2TST.txt"));
}

TEST_F(Startup, AReadOnlyGraphicsFolderHoldingThePicturesStillStarts) {
    Start();
    const fs::path graphics = m_folder / "Graphics";
    const auto before = Times();
    // Pictures that already hold the program's bytes are not written again, so
    // a folder nobody may write to is no obstacle.
    fs::permissions(graphics, fs::perms::owner_read | fs::perms::owner_exec);
    const Started again = Start();
    fs::permissions(graphics, fs::perms::owner_all);
    ASSERT_TRUE(again.home);
    EXPECT_TRUE(m_notifier.messages.isEmpty()) << m_notifier.messages.join(QLatin1Char('\n')).toStdString();
    for (const auto& [path, time] : Times()) {
        if (path.parent_path() == graphics) {
            EXPECT_EQ(time, before.at(path)) << path;
        }
    }
}

TEST_F(Startup, APictureChangedOnDiskIsWrittenBackOnTheNextStart) {
    Start();
    const fs::path picture = m_folder / "Graphics" / "home_off.bmp";
    const std::string original = ReadBytes(picture);
    WriteBytes(picture, "not a picture");
    const Started again = Start();
    ASSERT_TRUE(again.home);
    EXPECT_EQ(ReadBytes(picture), original);
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

TEST_F(Startup, TheTitleBarButtonsAreNamedForAssistiveTechnology) {
    const Started started = Start();
    ASSERT_TRUE(started.home);
    EXPECT_EQ(started.home->frame().minimiseButton()->accessibleName(), QStringLiteral("Minimize"));
    EXPECT_EQ(started.home->frame().closeButton()->accessibleName(), QStringLiteral("Close"));
    EXPECT_EQ(started.home->frame().closeButton()->toolTip(), QStringLiteral("Close"));
    EXPECT_EQ(started.home->frame().minimiseButton()->focusPolicy(), Qt::TabFocus);
    EXPECT_TRUE(started.asker) << "the program's own pop-up boxes";
}

TEST_F(Startup, PicturesThatCannotBeInstalledAreNamedAndTheWindowStillStarts) {
    WriteBytes(m_folder / "Graphics", "a file where the folder should be");
    const Started started = Start();
    ASSERT_TRUE(started.home);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("pictures could not be put in")))
        << m_notifier.messages[0].toStdString();
    EXPECT_TRUE(m_notifier.details[0].contains(QStringLiteral("QZicon.ico: ")));
}

TEST_F(Startup, PicturesThatCannotBeInstalledWaitForAnOpenMessageToClose) {
    WriteBytes(m_folder / "Graphics", "a file where the folder should be");
    Started started = StartUp(Environment(m_folder.path()));
    ASSERT_TRUE(started.home);
    QWidget message; // what a message box from start-up is while it waits for the learner
    message.setWindowModality(Qt::ApplicationModal);
    message.show();
    started.pictureInstaller->Install();
    QTest::qWait(300);
    EXPECT_TRUE(m_notifier.messages.isEmpty());
    message.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_notifier.messages.isEmpty(); }, 2000));
}

TEST_F(Startup, APackWithoutPicturesIsReportedNotSilent) {
    MapResourceSource noSkin;
    for (const int id : orbisk::testing::TestBank().pack().Ids()) {
        if (id > 100) {
            noSkin.Set(id, std::string(*orbisk::testing::TestBank().pack().Find(id)));
        }
    }
    const Started started = Start(noSkin);
    ASSERT_TRUE(started.home);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.details[0].contains(QStringLiteral("the program holds no such picture")));
}

TEST_F(Startup, AConfigurationThatCannotBeReadEndsStartUpWithAMessage) {
    MapResourceSource broken;
    broken.Set(30000, "#NME#>x\r\n#COD#>X\r\n#LBH#>Practice\r\n#TT2#>x\r\n");
    const Started started = Start(broken);
    EXPECT_FALSE(started.home);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("settings could not be read")));
    EXPECT_TRUE(m_notifier.details[0].contains(QStringLiteral("TT2"))) << m_notifier.details[0].toStdString();
}

TEST(SkinPictures, FindsAPictureAskedForInAnotherLetterCase) {
    TempFolder folder;
    setup::InstallGraphics(folder.path(), orbisk::testing::TestBank().pack());
    SkinPictures pictures(folder / "Graphics");
    EXPECT_EQ(pictures.Get(QStringLiteral("Pencil.ico")).size(), QSize(16, 16));
    EXPECT_EQ(pictures.Get(QStringLiteral("LOGO.GIF")).size(), QSize(204, 23));
    EXPECT_TRUE(pictures.Get(QStringLiteral("absent.bmp")).isNull());
}

// Given the resources, the pictures are the folder's, decoded without the folder.
TEST(SkinPictures, FromTheResourcesAreThePicturesTheFolderHolds) {
    TempFolder folder;
    const ResourcePack& pack = orbisk::testing::TestBank().pack();
    setup::InstallGraphics(folder.path(), pack);
    SkinPictures fromFolder(folder / "Graphics");
    std::map<std::string, QImage> written;
    for (const skin::SkinPicture& picture : skin::SkinPictures()) {
        written[std::string(picture.name)] = fromFolder.Get(QLatin1String(picture.name)).toImage();
    }
    fs::remove_all(folder / "Graphics");
    SkinPictures fromPack(folder / "Graphics", &pack);
    for (const auto& [name, image] : written) {
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(fromPack.Get(QString::fromStdString(name)).toImage(), image) << name;
    }
}

// The program reads the skin's GIF and icon files itself: every picture and
// twin it carries comes out as Qt's own image reader reads it.
TEST(SkinPictures, EveryPictureAndTwinDecodesAsQtReadsIt) {
    const ResourcePack& pack = orbisk::testing::TestBank().pack();
    int compared = 0;
    for (const skin::SkinPicture& picture : skin::SkinPictures()) {
        const std::string_view name = picture.name;
        const QByteArray format =
            QByteArray::fromStdString(std::string(name.substr(name.rfind('.') + 1))).toLower();
        for (const int id : {picture.id, ids::SkinTwinId(picture.id)}) {
            if (const auto bytes = pack.Find(id)) {
                const QImage expected =
                    QImage::fromData(QByteArray::fromRawData(bytes->data(), bytes->size()));
                ASSERT_FALSE(expected.isNull()) << picture.name;
                EXPECT_EQ(DecodePicture(*bytes, format), expected)
                    << picture.name << " (resource " << id << ")";
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 100);
}

// A picture is decoded by the format its name says; bytes in another format still show.
TEST(SkinPictures, APictureInAnotherFormatThanItsNameSaysStillShows) {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "PNG"));
    MapResourceSource resources;
    resources.Set(skin::FindSkinPicture("border_left.bmp")->id, png.toStdString());
    TempFolder folder;
    SkinPictures pictures(folder / "Graphics", &resources);
    EXPECT_EQ(pictures.Get(QStringLiteral("border_left.bmp")).toImage().pixelColor(5, 3), QColor(Qt::red));
}

} // namespace
} // namespace orbisk::gui
