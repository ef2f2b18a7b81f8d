// The results card from the home window: the card handed to the printer, the
// PDF file offered when there is no printer or printing fails, the printer
// set-up, and the card painted on a real PDF printer.
#include "FakeCardPrinter.h"
#include "FakePrinterAccess.h"
#include "HomeFixture.h"
#include "TempFolder.h"
#include "core/results/ResultsStore.h"
#include "gui/home/CardPainter.h"
#include "gui/home/HomePage.h"
#include "gui/home/QtCardPrinter.h"

#include <QPdfWriter>
#include <QPrinter>
#include <optional>

namespace orbisk::gui {
namespace {

using orbisk::testing::ReadBytes;
using Outcome = PrintRun::Outcome;

QString path(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

/// The number of pages of a PDF file as its page objects tell.
int PdfPages(const std::string& pdf) {
    int pages = 0;
    const std::string page = "/Type /Page";
    for (std::size_t at = pdf.find(page); at != std::string::npos; at = pdf.find(page, at + 1)) {
        if (at + page.size() < pdf.size() && pdf[at + page.size()] != 's') {
            ++pages;
        }
    }
    return pages;
}

class HomeCard : public orbisk::testing::HomeFixture {
protected:
    /// Stores a marked first attempt of @p slot with its score, time and date.
    void StoreTaken(int slot, const std::string& score, const std::string& time, const std::string& date,
                    int section = 2) {
        const int papers = m_config.Section(section).paperCount;
        results::Marks marks = results::ReadMarks(MarksFile(section), papers);
        const auto i = static_cast<std::size_t>(slot - 1);
        marks.FSE.at(i) = score;
        marks.LTM.at(i) = time;
        marks.CDD.at(i) = date;
        marks.FST.at(i) = "1";
        results::WriteMarks(MarksFile(section), marks, papers);
    }

    std::unique_ptr<HomeWindow> OpenWith(CardPrinter& printer) {
        m_cardPrinter = &printer;
        return Open();
    }
};

// ------------------------------------------------------- the card handed over

struct SectionCase {
    const char* name;
    int section;
    std::vector<std::string> topics;
};

class CardOfSection : public HomeCard, public ::testing::WithParamInterface<SectionCase> {};

TEST_P(CardOfSection, PrintOnTheReportPageHandsOverTheSectionsCardAndKeepsThePage) {
    const SectionCase& c = GetParam();
    StoreTaken(2, "86.7", "0:12:5", "08/12/2026", c.section);
    orbisk::testing::FakeCardPrinter printer;
    const auto home = OpenWith(printer);
    home->TabClick(c.section);
    home->ToolBarClick(2);
    ASSERT_EQ(home->currentPage(), home->reportPage());
    home->ToolBarClick(3);

    EXPECT_EQ(home->currentPage(), home->reportPage());
    ASSERT_EQ(printer.printed.size(), 1u);
    const std::vector<report::CardLine>& card = printer.printed[0];
    ASSERT_GT(card.size(), 2u);
    EXPECT_EQ(card[2], (report::CardLine{" ", "Orbisk Test Practice"}));
    EXPECT_EQ(home->windowTitle(), QStringLiteral("Orbisk Test Practice"));
    std::vector<std::string> topics;
    std::vector<report::CardLine> firstPapers;
    for (std::size_t i = 2; i + 6 < card.size(); ++i) {
        if (card[i].size() > 1 && card[i][1] == "Papers") {
            topics.push_back(card[i - 2].at(1));
            for (std::size_t p = 0; p < 5; ++p) {
                EXPECT_EQ(card[i + 3 + p].at(1), "Paper " + std::to_string(p + 1));
            }
            firstPapers.push_back(card[i + 4]);
        }
    }
    EXPECT_EQ(topics, c.topics);
    ASSERT_FALSE(firstPapers.empty());
    EXPECT_EQ(firstPapers[0],
              (report::CardLine{" ", "Paper 2", " ", "86.7%", "0:12:5", "08/12/2026", " ", "%"}));
}

INSTANTIATE_TEST_SUITE_P(
    ResultsCard, CardOfSection,
    ::testing::Values(SectionCase{"ten_topics",
                                  2,
                                  {"Grammar (1)", "Grammar (2)", "Vocabulary (1)", "Vocabulary (2)",
                                   "Grammar Cloze (1)", "Grammar Cloze (2)", "Vocabulary Cloze (1)",
                                   "Vocabulary Cloze (2)", "Word Order", "Comprehension MCQ"}},
                      SectionCase{"the_other_section", 3, {"Rare Kinds"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeCard, SetupOnTheHelpTabAsksTheCardPrinterAndKeepsThePage) {
    orbisk::testing::FakeCardPrinter printer;
    const auto home = OpenWith(printer);
    home->TabClick(4);
    home->ToolBarClick(4);
    EXPECT_EQ(printer.setups, 1);
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(home->currentPage(), home->aboutPage());
}

// ------------------------------------------------ where the card goes, for real

class CardOutput : public HomeCard {
protected:
    std::filesystem::path Proposed() const { return m_folder.path() / "results-card.pdf"; }

    orbisk::testing::FakePrinterAccess m_access;
    QtCardPrinter m_printer{m_access, m_notifier, m_folder.path()};
};

TEST_F(CardOutput, WithNoPrinterTheCardIsSavedAsAPdfWhereTheLearnerAccepts) {
    StoreTaken(1, "86.7", "0:12:5", "08/12/2026");
    m_access.saveAnswer = path(Proposed());
    const auto home = OpenWith(m_printer);
    home->ToolBarClick(3);

    EXPECT_EQ(m_access.proposedFiles, QStringList{path(Proposed())});
    EXPECT_TRUE(m_access.previewed.empty());
    ASSERT_TRUE(std::filesystem::exists(Proposed()));
    const std::string pdf = ReadBytes(Proposed());
    EXPECT_EQ(pdf.substr(0, 4), "%PDF");
    EXPECT_GE(PdfPages(pdf), 2);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(path(Proposed()))) << m_notifier.messages[0].toStdString();
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("no printer")));
    EXPECT_EQ(home->currentPage(), home->homePage());
}

TEST_F(CardOutput, WithNoPrinterCancellingTheSaveWritesNothingAndSaysNothing) {
    const auto home = OpenWith(m_printer);
    home->ToolBarClick(3);
    EXPECT_EQ(m_access.proposedFiles.size(), 1);
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path())) {
        EXPECT_NE(entry.path().extension(), ".pdf") << entry.path();
    }
    EXPECT_TRUE(m_notifier.messages.empty());
}

struct UnwritableCase {
    const char* name;
    bool readOnlyFolder; // else a file stands where the folder should be
};

class UnwritablePdf : public CardOutput, public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritablePdf, ACardThatCannotBeSavedIsReportedByItsFileName) {
    const std::filesystem::path folder = m_folder.path() / "cards";
    std::optional<orbisk::testing::ReadOnlyFolder> readOnly;
    if (GetParam().readOnlyFolder) {
        std::filesystem::create_directory(folder);
        readOnly.emplace(folder);
        if (!readOnly->KeepsOut()) {
            GTEST_SKIP() << "this user may write into read-only folders";
        }
    } else {
        orbisk::testing::WriteBytes(folder, "not a folder");
    }
    const std::filesystem::path target = folder / "results-card.pdf";
    m_access.saveAnswer = path(target);
    const auto home = OpenWith(m_printer);
    home->ToolBarClick(3);
    readOnly.reset();

    EXPECT_FALSE(std::filesystem::exists(target));
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(path(target))) << m_notifier.messages[0].toStdString();
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("could not be saved")));
    EXPECT_TRUE(m_notifier.details[0].startsWith(path(target) + QStringLiteral(": ")));
    EXPECT_GT(m_notifier.details[0].size(), path(target).size() + 2);
}

INSTANTIATE_TEST_SUITE_P(ResultsCard, UnwritablePdf,
                         ::testing::Values(UnwritableCase{"read_only_folder", true},
                                           UnwritableCase{"file_in_place_of_the_folder", false}),
                         [](const auto& test) { return std::string(test.param.name); });

struct FailedPrintCase {
    const char* name;
    bool saved;
};

class FailedPrint : public CardOutput, public ::testing::WithParamInterface<FailedPrintCase> {};

TEST_P(FailedPrint, AFailedPrintSaysSoAndOffersThePdf) {
    m_access.printers = {QStringLiteral("Hall")};
    m_access.previewOutcome = Outcome::Failed;
    m_access.previewProblem = QStringLiteral("out of paper");
    if (GetParam().saved) {
        m_access.saveAnswer = path(Proposed());
    }
    const auto home = OpenWith(m_printer);
    home->ToolBarClick(3);

    ASSERT_EQ(m_access.previewed.size(), 1u);
    EXPECT_EQ(m_access.proposedFiles, QStringList{path(Proposed())});
    EXPECT_EQ(std::filesystem::exists(Proposed()), GetParam().saved);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    const QString& message = m_notifier.messages[0];
    EXPECT_TRUE(message.contains(QStringLiteral("could not be printed on the printer \u201cHall\u201d")))
        << message.toStdString();
    EXPECT_EQ(message.contains(path(Proposed())), GetParam().saved);
    EXPECT_EQ(message.contains(QStringLiteral("not saved")), !GetParam().saved);
    EXPECT_TRUE(m_notifier.details[0].contains(QStringLiteral("out of paper")));
}

INSTANTIATE_TEST_SUITE_P(ResultsCard, FailedPrint,
                         ::testing::Values(FailedPrintCase{"saved_instead", true},
                                           FailedPrintCase{"not_saved", false}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(CardOutput, APrintedOrCancelledCardSaysNothingAndWritesNothing) {
    m_access.printers = {QStringLiteral("Hall")};
    const auto home = OpenWith(m_printer);
    for (const Outcome outcome : {Outcome::Printed, Outcome::Cancelled}) {
        m_access.previewOutcome = outcome;
        home->ToolBarClick(3);
    }
    EXPECT_EQ(m_access.previewed.size(), 2u);
    EXPECT_TRUE(m_access.proposedFiles.isEmpty());
    EXPECT_TRUE(m_notifier.messages.empty());
}

TEST_F(CardOutput, TheSetupChoiceIsThePrinterOfTheNextCardAndCancelKeepsIt) {
    m_access.printers = {QStringLiteral("Hall"), QStringLiteral("Office")};
    m_access.defaultPrinter = QStringLiteral("Hall");
    const auto home = OpenWith(m_printer);
    const auto print = [&] {
        home->TabClick(2);
        home->ToolBarClick(3);
        return m_access.previewed.back();
    };
    const auto setup = [&] {
        home->TabClick(4);
        home->ToolBarClick(4);
        EXPECT_EQ(home->currentPage(), home->aboutPage());
    };

    EXPECT_EQ(print().printerName, QStringLiteral("Hall"));
    const QPageLayout landscape(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));
    m_access.setupAnswer = PrinterChoice{QStringLiteral("Office"), landscape};
    setup();
    const PrinterChoice chosen = print();
    EXPECT_EQ(chosen.printerName, QStringLiteral("Office"));
    ASSERT_TRUE(chosen.page.has_value());
    EXPECT_EQ(chosen.page->orientation(), QPageLayout::Landscape);

    m_access.setupAnswer.reset();
    setup();
    ASSERT_EQ(m_access.setupShownWith.size(), 2u);
    EXPECT_EQ(m_access.setupShownWith[1].printerName, QStringLiteral("Office")); // opens on the last choice
    EXPECT_EQ(print().printerName, QStringLiteral("Office"));

    // The chosen printer is gone: the system's default takes its place.
    m_access.printers = {QStringLiteral("Hall")};
    const PrinterChoice fallback = print();
    EXPECT_EQ(fallback.printerName, QStringLiteral("Hall"));
    EXPECT_FALSE(fallback.page.has_value());
    EXPECT_TRUE(m_notifier.messages.empty());
}

TEST_F(CardOutput, SetupWithNoPrinterSaysCardsWillBeSavedAsPdfAndOpensNoDialog) {
    const auto home = OpenWith(m_printer);
    home->TabClick(4);
    home->ToolBarClick(4);
    EXPECT_TRUE(m_access.setupShownWith.empty());
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("no printer")));
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("PDF")));
    EXPECT_EQ(home->currentPage(), home->aboutPage());
}

// ------------------------------------------------------------- the painting

class CardOnPaper : public HomeCard {
protected:
    std::vector<report::CardLine> TenTopicCard() const {
        const std::vector<std::string> none(50);
        return report::ComposeResultsCard("Orbisk Test Practice", {none, none, none, none, none, none, {}},
                                          m_config.Section(2));
    }
};

TEST_F(CardOnPaper, TenTopicsPrintOverSeveralPagesOnAPdfPrinter) {
    const std::filesystem::path file = m_folder.path() / "printed.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path(file));
    printer.setPageSize(QPageSize(QPageSize::A4));
    const gui::Painting painting = PaintResultsCard(printer, TenTopicCard());
    EXPECT_TRUE(painting.painted) << painting.problem.toStdString();
    EXPECT_GE(painting.pages, 2);
    EXPECT_EQ(PdfPages(ReadBytes(file)), painting.pages);
}

struct WidthCase {
    const char* name;
    double pageInches;
    double smallest; // the font's size is at most this (12: unchanged)
    double largest;  // and at least this
    bool fits;
};

class CardWidth : public CardOnPaper, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(CardWidth, TheFontShrinksOnlyAsFarAsTheLinesNeedToFitThePage) {
    const WidthCase& c = GetParam();
    QPdfWriter device(path(m_folder.path() / "measure.pdf"));
    const double width = c.pageInches * device.logicalDpiX();
    QFont font = QFont();
    font.setPointSizeF(12);
    const CardLayout layout = LayOutCard(TenTopicCard(), font, &device, width);
    EXPECT_EQ(layout.widest <= width, c.fits) << layout.widest << " / " << width;
    EXPECT_LE(layout.font.pointSizeF(), c.largest);
    EXPECT_GE(layout.font.pointSizeF(), c.smallest);
    // The headings keep their zones whatever the size.
    const auto& headings = layout.lines.at(9);
    ASSERT_EQ(headings.size(), 8u);
    EXPECT_EQ(headings[1].text, "Papers");
    EXPECT_EQ(headings[7].zone, 8);
}

INSTANTIATE_TEST_SUITE_P(ResultsCard, CardWidth,
                         ::testing::Values(WidthCase{"wide_page_keeps_the_font", 16.0, 12, 12, true},
                                           // Not much smaller than it must be: 12 pt needs about 9 inches.
                                           WidthCase{"narrow_page_shrinks_it", 6.0, 6.5, 9, true},
                                           WidthCase{"too_narrow_stops_at_six_points", 2.0, 6, 6, false}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::gui
