#include "gui/app/Startup.h"

#include "core/practice/QuestionPageFile.h"
#include "core/product/BankNumbers.h"
#include "core/setup/FolderSetup.h"
#include "gui/app/EndRequests.h"
#include "gui/app/Notifier.h"
#include "gui/app/PictureInstaller.h"
#include "gui/app/SingleInstance.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/DesktopBrowserLauncher.h"
#include "gui/home/HomeWindow.h"
#include "gui/home/QtCardPrinter.h"
#include "gui/popup/PopUpAsker.h"
#include "gui/practice/PracticeServices.h"
#include "gui/practice/PracticeWindowSet.h"
#include "gui/practice/QtPagePrinter.h"
#include "gui/print/SystemPrinterAccess.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace orbisk::gui {

namespace {

const QString kTitle = QStringLiteral("Orbisk");

QString sectionLabel(const config::ProductConfig& config, int section) {
    if (section >= 1 && section <= bank::kMaxSections && config.Section(section).exists()) {
        return ToQString(config.Section(section).label);
    }
    return QStringLiteral("this product");
}

// "Word Order - Paper 3, Grammar (1) - Paper 1", as the practice window's title names each paper.
QString paperNames(const config::ProductConfig& config, int section, const std::vector<int>& papers) {
    QStringList names;
    for (const int paper : papers) {
        const std::vector<std::string>& topics = config.Section(section).topicNames;
        const auto topic = static_cast<std::size_t>(bank::TopicOfPaper(paper) - 1);
        const QString topicName = topic < topics.size() ? ToQString(topics[topic]) : QString();
        names << QStringLiteral("%1 - Paper %2").arg(topicName).arg(bank::PaperInTopic(paper));
    }
    return names.join(QStringLiteral(", "));
}

// The results files start-up had to set aside or could not put right, in the
// learner's words, with the technical reasons as details.
void tellAboutResults(const config::ProductConfig& config, const results::EnsureReport& report,
                      QStringList& lines, QStringList& details) {
    for (const results::RepairedFile& repaired : report.repaired) {
        if (repaired.papers.empty()) {
            lines << QStringLiteral(
                         "Your results for %1 in %2 could not be read. They were set aside as %3 in the "
                         "same folder, and the program started that file afresh.")
                         .arg(sectionLabel(config, repaired.section), PathText(repaired.file),
                              PathText(repaired.copy.filename()));
        } else {
            lines << QStringLiteral("Some of your results for %1 in %2 could not be read: those of %3. The "
                                    "file was kept as it was as %4 in the same folder, and the program "
                                    "started those papers afresh; your other results are as they were.")
                         .arg(sectionLabel(config, repaired.section), PathText(repaired.file),
                              paperNames(config, repaired.section, repaired.papers),
                              PathText(repaired.copy.filename()));
        }
        details << PathText(repaired.file) + QStringLiteral(": ") + ToQString(repaired.problem);
    }
    // Files that could not be made at all, a section at a time: on a full disk
    // or in a folder that may not be written, that is all of them.
    for (std::size_t first = 0; first < report.notCreated.size();) {
        const int section = report.notCreated[first].section;
        std::size_t end = first;
        while (end < report.notCreated.size() && report.notCreated[end].section == section) {
            const results::FileProblem& missing = report.notCreated[end++];
            details << PathText(missing.file) + QStringLiteral(": ") + ToQString(missing.problem);
        }
        lines << QStringLiteral("The files that keep your results for %1 could not be made in %2, so your "
                                "scores and answers cannot be kept until they can. Make room on the disk, "
                                "or make sure that folder may be written, then start the program again.")
                     .arg(sectionLabel(config, section),
                          PathText(report.notCreated[first].file.parent_path()));
        first = end;
    }
    for (const results::FileProblem& failed : report.failed) {
        lines << QStringLiteral("Your results for %1 in %2 could not be read or put right, so the file was "
                                "left as it is. Make sure that file may be read and changed (it may be "
                                "read-only), then start the program again.")
                     .arg(sectionLabel(config, failed.section), PathText(failed.file));
        details << PathText(failed.file) + QStringLiteral(": ") + ToQString(failed.problem);
    }
}

// Results the learner keeps beside the program, which this start could not
// use because it may not write there: without a word, every score would seem gone.
void tellAboutPassedOver(const files::FolderChoice& choice, const std::filesystem::path& programFolder,
                         const config::ProductConfig& config, QStringList& lines, QStringList& details) {
    if (choice.passedOver.empty()) {
        return;
    }
    std::error_code ec;
    for (int section = 1; section <= bank::kMaxSections; ++section) {
        if (config.Section(section).exists() &&
            std::filesystem::exists(
                results::FilePath(programFolder, results::ResultsFile::Marks, section, config.code), ec)) {
            lines << QStringLiteral("Orbisk may not write in %1, where your results are, so it keeps them in "
                                    "%2 this time. The results in %1 are not shown until that folder can be "
                                    "written again.")
                         .arg(PathText(programFolder), PathText(choice.folder));
            details << ToQString(choice.passedOver);
            return;
        }
    }
}

// A marking the program's end cut short that start-up could not complete.
void tellAboutMarking(const files::JournalRecovery& marking, QStringList& lines, QStringList& details) {
    switch (marking.outcome) {
    case files::JournalRecovery::Outcome::None:
    case files::JournalRecovery::Outcome::Completed:
        return;
    case files::JournalRecovery::Outcome::Failed:
        lines << QStringLiteral("A paper was being marked when the program last ended, and its marking "
                                "could not be finished, because %1 could not be written. The program will "
                                "try again the next time it starts.")
                     .arg(PathText(marking.file));
        break;
    case files::JournalRecovery::Outcome::Damaged:
        lines << QStringLiteral("A paper was being marked when the program last ended, but the record of "
                                "that marking could not be read, so the paper may show as not marked. The "
                                "record was kept as %1.")
                     .arg(PathText(marking.file));
        break;
    }
    details << PathText(marking.file) + QStringLiteral(": ") + ToQString(marking.problem);
}

} // namespace

Started::Started() = default;
Started::Started(Started&&) noexcept = default;
Started& Started::operator=(Started&&) noexcept = default;
Started::~Started() {
    // The practice windows go first; the home window must not reach for them after.
    if (home) {
        home->SetPracticeWindows(nullptr);
    }
}

std::string CurrentCopyStamp() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
}

Started StartUp(const StartupEnvironment& environment) {
    Started started;
    started.instance = std::make_unique<SingleInstance>();
    const files::FolderChoice choice = files::ChooseApplicationFolder(
        environment.programFolder, environment.perUserFolder, environment.installed,
        [&](const std::filesystem::path& folder) { return started.instance->Lock(folder); });
    if (choice.lock.outcome == files::LockOutcome::HeldByAnother) {
        environment.notifier->Warn(nullptr, kTitle,
                                   QStringLiteral("Orbisk is already running with its files in %1. "
                                                  "Use the copy that is open; this one will close.")
                                       .arg(PathText(choice.folder)));
        started.instance.reset();
        return started;
    }
    if (choice.lock.outcome == files::LockOutcome::CannotCreate) {
        environment.notifier->Warn(nullptr, kTitle,
                                   QStringLiteral("Orbisk cannot keep your results in %1, because it may not "
                                                  "write there. The program will close; nothing was changed.")
                                       .arg(PathText(choice.folder)),
                                   ToQString(choice.lock.problem));
        started.instance.reset();
        return started;
    }
    started.appFolder = choice.folder;
    const setup::StartupFiles files = setup::PrepareApplicationFolder(
        started.appFolder, *environment.resources, environment.copyStamp(), setup::PictureInstall::Later);
    // A page file of a paper open when the program last ended without closing it.
    practice::RemoveLeftoverPageFiles(started.appFolder);
    if (!files.config) {
        environment.notifier->Warn(
            nullptr, kTitle,
            QStringLiteral("The program's own settings could not be read, so it cannot "
                           "start. Your results in %1 were not touched; installing the "
                           "program again should put this right.")
                .arg(PathText(started.appFolder)),
            ToQString(files.configProblem));
        return started;
    }
    started.pictures =
        std::make_unique<SkinPictures>(setup::GraphicsFolder(started.appFolder), environment.resources);
    Asker* asker = environment.asker;
    if (asker == nullptr) {
        started.asker = std::make_unique<PopUpAsker>(*started.pictures, environment.cursor);
        asker = started.asker.get();
    }
    HomeWindow::Services services{started.appFolder, started.pictures.get(), environment.notifier,
                                  environment.cursor, asker};
    // Start-up tells of these below; the home window, built first, need not tell again.
    for (const auto* problems : {&files.results.notCreated, &files.results.failed}) {
        for (const results::FileProblem& problem : *problems) {
            services.toldAtStart.push_back(problem.file);
        }
    }
    started.printerAccess =
        std::make_unique<SystemPrinterAccess>(environment.printingModule, *environment.notifier);
    started.cardPrinter =
        std::make_unique<QtCardPrinter>(*started.printerAccess, *environment.notifier, started.appFolder);
    services.cardPrinter = started.cardPrinter.get();
    services.resources = environment.resources;
    services.browser = environment.browser;
    if (services.browser == nullptr) {
        started.browser = std::make_unique<DesktopBrowserLauncher>();
        services.browser = started.browser.get();
    }
    if (environment.beforeFirstText) {
        environment.beforeFirstText();
    }
    started.home = std::make_unique<HomeWindow>(services, *files.config);
    PagePrinter* printer = environment.printer;
    if (printer == nullptr) {
        started.printer =
            std::make_unique<QtPagePrinter>(*started.printerAccess, *environment.notifier, started.appFolder);
        printer = started.printer.get();
    }
    PracticeServices practice;
    practice.appFolder = started.appFolder;
    practice.resources = environment.resources;
    practice.pictures = started.pictures.get();
    practice.notifier = environment.notifier;
    practice.asker = asker;
    practice.printer = printer;
    practice.cursor = environment.cursor;
    practice.now = &SteadyNow;
    practice.today = &TodayShortDate;
    QPointer<HomeWindow> home = started.home.get();
    started.practice = std::make_unique<PracticeWindowSet>(practice, started.home.get(), [home] {
        if (home) {
            home->RefreshContents();
        }
    });
    started.home->SetPracticeWindows(started.practice.get());
    started.pictureInstaller =
        std::make_unique<PictureInstaller>(started.appFolder, *environment.resources, *environment.notifier,
                                           ToQString(files.config->name), started.home.get());
    started.endRequests = std::make_unique<EndRequests>([practice = started.practice.get()] {
        practice->CloseAll();
        // Queued: a request during start-up's message comes before the
        // program's event loop runs, which a quit now would not reach.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    QStringList lines, details;
    tellAboutPassedOver(choice, environment.programFolder, *files.config, lines, details);
    tellAboutMarking(files.marking, lines, details);
    tellAboutResults(*files.config, files.results, lines, details);
    if (!lines.isEmpty()) {
        environment.notifier->Warn(started.home.get(), ToQString(files.config->name),
                                   lines.join(QStringLiteral("\n\n")), details.join(QLatin1Char('\n')));
    }
    return started;
}

} // namespace orbisk::gui
