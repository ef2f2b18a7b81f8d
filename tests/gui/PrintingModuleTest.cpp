// The printers' module: loaded from the bytes the program carries, refused
// with the loader's reason when the bytes are no module, and, when it cannot
// be loaded, the learner told once while the program goes on without printers.
#include "gui/print/PrintingModule.h"

#include "FakeNotifier.h"
#include "gui/print/SystemPrinterAccess.h"

#include <QApplication>
#include <QFile>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace orbisk::gui {
namespace {

constexpr std::string_view kNotAModule = "these bytes are no module";

QByteArray builtModule() {
    QFile file(QStringLiteral(ORBISK_PRINTING_MODULE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PrintingModule, TheBuiltModuleLoadsAndAnswersWithTheSystemsPrinters) {
    const QByteArray bytes = builtModule();
    ASSERT_FALSE(bytes.isEmpty()) << ORBISK_PRINTING_MODULE;
    const LoadedPrinting loaded =
        LoadPrintingModule({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    ASSERT_NE(loaded.printers, nullptr) << loaded.problem.toStdString();
    EXPECT_EQ(loaded.printers->Printers(), QPrinterInfo::availablePrinterNames());
    EXPECT_EQ(loaded.printers->DefaultPrinter(), QPrinterInfo::defaultPrinterName());
}

TEST(PrintingModule, PrinterSetUpsButtonDoesNotSayPrint) {
    const QByteArray bytes = builtModule();
    const LoadedPrinting loaded =
        LoadPrintingModule({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    ASSERT_NE(loaded.printers, nullptr) << loaded.problem.toStdString();
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->isVisible()) {
                buttons << button->text().remove(QLatin1Char('&'));
            }
        }
        dialog->close();
    });
    EXPECT_FALSE(loaded.printers->ChoosePrinter(nullptr, {}).has_value());
    EXPECT_TRUE(buttons.contains(QStringLiteral("OK"))) << buttons.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(buttons.contains(QStringLiteral("Print")));
}

TEST(PrintingModule, BytesThatAreNoModuleAreRefusedWithTheLoadersReason) {
    const LoadedPrinting loaded = LoadPrintingModule(kNotAModule);
    EXPECT_EQ(loaded.printers, nullptr);
    EXPECT_FALSE(loaded.problem.isEmpty());
}

TEST(PrintingModule, WhenItCannotLoadTheLearnerIsToldOnceAndThereAreNoPrinters) {
    testing::FakeNotifier notifier;
    SystemPrinterAccess access(kNotAModule, notifier);
    EXPECT_TRUE(access.Printers().isEmpty());
    EXPECT_TRUE(access.DefaultPrinter().isEmpty());
    const PrintRun run = access.PrintWithDialog(nullptr, QStringLiteral("Question 1"), {});
    EXPECT_EQ(run.outcome, PrintRun::Outcome::Failed);
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains(QStringLiteral("PDF"))) << notifier.messages[0].toStdString();
    EXPECT_FALSE(notifier.details[0].isEmpty());
}

} // namespace
} // namespace orbisk::gui
