// Printing the question page from the practice window: through the print
// dialog when there is a printer, as a PDF file in the application folder
// when there is none.
#include "FakePrinterAccess.h"
#include "PracticeFixture.h"
#include "gui/chrome/ImageButton.h"
#include "gui/practice/PracticeToolbar.h"
#include "gui/practice/QtPagePrinter.h"
#include "gui/print/PdfFile.h"

#include <QTest>

namespace orbisk::gui {
namespace {

using orbisk::testing::PracticeFixture;
using practice::ToolbarButton;

QString path(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

class PagePrint : public PracticeFixture {
protected:
    PagePrint() {
        m_pagePrinter = &m_pages;
        // A topic whose name holds characters a file name cannot.
        m_config.Section(2).topicNames[0] = "Reading/Writing: Unit 1?";
    }

    /// Opens paper 101 on its second question and presses Print.
    PracticeWindow* PrintSecondQuestion() {
        PracticeWindow* window = OpenPaper(101);
        if (window != nullptr) {
            window->NextQuestion();
            QTest::mouseClick(window->toolbar()->button(ToolbarButton::Print), Qt::LeftButton);
        }
        return window;
    }

    std::filesystem::path Proposed() const {
        return m_folder.path() / "Reading_Writing_ Unit 1_ - Paper 1 - Question 2.pdf";
    }

    orbisk::testing::FakePrinterAccess m_access;
    QtPagePrinter m_pages{m_access, m_notifier, m_folder.path()};
};

TEST_F(PagePrint, WithNoPrinterThePageIsSavedAsAPdfInTheApplicationFolderAndTheLearnerIsToldWhere) {
    m_access.saveAnswer = path(Proposed());
    ASSERT_NE(PrintSecondQuestion(), nullptr);
    EXPECT_TRUE(m_access.printDialogs.isEmpty()) << "no print dialog, whose file would land elsewhere";
    EXPECT_EQ(m_access.proposedFiles, QStringList{path(Proposed())});
    ASSERT_TRUE(std::filesystem::exists(Proposed()));
    EXPECT_EQ(orbisk::testing::ReadBytes(Proposed()).substr(0, 4), "%PDF");
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(path(Proposed()))) << m_notifier.messages[0].toStdString();
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("no printer")));
}

TEST_F(PagePrint, WithNoPrinterCancellingTheSaveWritesNothingAndSaysNothing) {
    ASSERT_NE(PrintSecondQuestion(), nullptr);
    EXPECT_EQ(m_access.proposedFiles.size(), 1);
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path())) {
        EXPECT_NE(entry.path().extension(), ".pdf") << entry.path();
    }
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

TEST_F(PagePrint, APageThatCannotBeSavedIsReportedByItsFileNameWithTheSystemsReasonApart) {
    const std::filesystem::path folder = m_folder.path() / "pages";
    orbisk::testing::WriteBytes(folder, "a file where the folder should be");
    const std::filesystem::path target = folder / "page.pdf";
    m_access.saveAnswer = path(target);
    ASSERT_NE(PrintSecondQuestion(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(target));
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(path(target))) << m_notifier.messages[0].toStdString();
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("could not be saved")));
    EXPECT_TRUE(m_notifier.details[0].startsWith(path(target) + QStringLiteral(": ")));
    EXPECT_GT(m_notifier.details[0].size(), path(target).size() + 2);
}

TEST_F(PagePrint, WithAPrinterThePageGoesThroughThePrintDialogAndNoFileIsOffered) {
    m_access.printers = {QStringLiteral("Hall")};
    PracticeWindow* window = PrintSecondQuestion();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(m_access.printDialogs, QStringList{window->windowTitle() + QStringLiteral(" - Question 2")});
    EXPECT_TRUE(m_access.proposedFiles.isEmpty());
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

struct NameCase {
    const char* name;
    const char* given;
    const char* fileName;
};

class PdfFileName : public ::testing::TestWithParam<NameCase> {};

TEST_P(PdfFileName, ReplacesWhatAFileNameCannotHold) {
    EXPECT_EQ(FileNameFrom(QString::fromUtf8(GetParam().given)), QString::fromUtf8(GetParam().fileName));
}

INSTANTIATE_TEST_SUITE_P(
    PagePrint, PdfFileName,
    ::testing::Values(NameCase{"plain", "Grammar (1) - Paper 2", "Grammar (1) - Paper 2"},
                      NameCase{"every_forbidden_character", "a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
                      NameCase{"control_characters", "tab\there\nnew", "tab_here_new"},
                      NameCase{"dots_and_spaces_at_the_ends", " ..Notes.. ", "Notes"},
                      NameCase{"letters_beyond_ascii", "Caf\u00e9 \u2013 \u00fcben",
                               "Caf\u00e9 \u2013 \u00fcben"}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::gui
