#pragma once

#include "core/formats/mht/Mht.h"

#include <QTextBrowser>
#include <filesystem>
#include <map>
#include <optional>

namespace orbisk::gui {

class Notifier;
class PagePrinter;

/// The question page on show (brwWebBrowser): a page archive's HTML with the
/// pictures the archive carries. It follows no link, runs no script and loads
/// nothing from outside the archive: no network, no other file.
///
/// It guards the page against copying: Ctrl+C, Ctrl+X (with any other
/// modifier) and a right-click answer "Invalid operation" and are cancelled;
/// the text cannot be selected, so it cannot be dragged out or pasted
/// elsewhere with the middle button either. The keys that scroll (arrows,
/// Page Up, Page Down, Space, Home, End) scroll the page.
///
/// The one link it takes is a click on an option, "answer:K:N" (option N of
/// the page's answer K), which it hands on as optionClicked. A click leaves
/// the keyboard where it was, in the answer boxes, from which Page Up and Page
/// Down scroll the page; Tab reaches the page (with a focus mark), and a
/// screen reader then reads the page's text as its description; a click on the
/// page then hands the keyboard back (answersWanted). Ctrl with the wheel asks
/// for the program's text size (textSizeStepped), a step a notch, as its keys do.
class QuestionView final : public QTextBrowser {
    Q_OBJECT
public:
    QuestionView(Notifier& notifier, PagePrinter& printer, QWidget* parent = nullptr);

    /// Shows the archive in @p file, the page of question @p question. When it
    /// cannot be read, shows the error page naming the question instead.
    /// Emits pageReady either way. @returns true when the page itself shows.
    bool Navigate(const std::filesystem::path& file, int question);
    /// Shows the page that says question @p question cannot be shown, with
    /// @p reason in plain words; never the previous question's page.
    void ShowErrorPage(int question, const QString& reason);
    /// PrintQuestion: offers the page on show, of the paper captioned @p paper, to the printer.
    void PrintPage(const QString& paper);
    /// Leaves @p pixels free above the page, where the question's title lies over the view.
    void SetTopMargin(int pixels) { setViewportMargins(0, pixels, 0, 0); }
    /// Shows the page's text at @p percent of the size it is written at
    /// (practice::kTextSizes), this page and the next; the pictures keep their size.
    void SetTextSize(int percent);
    int textSize() const { return m_textSize; }
    /// What a screen reader says after the page's text: how to change its size, say.
    void SetSpokenHint(const QString& hint);
    /// The part of the page that answer @p answer (from 1) answers, in words
    /// for a screen reader: the line before its options, then the options by
    /// number ("(b) What time does the party end? Options: 1 10 a.m.; 2 noon").
    /// Empty when the page shows no options for it.
    QString SpokenPart(int answer) const;

    /// The question whose page (or error page) is on show; 0 before the first.
    int question() const { return m_question; }
    bool showsErrorPage() const { return m_errorPage; }

signals:
    /// A new page (or error page) is on show and guarded.
    void pageReady(int question);
    /// Option @p option of the page's answer @p answer (both from 1) was clicked.
    void optionClicked(int answer, int option);
    /// Ctrl with the wheel turned a notch: one step of the text size, @p larger or smaller.
    void textSizeStepped(bool larger);
    /// A click on the page while it holds the keyboard: the keys belong in the answer boxes.
    void answersWanted();

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    void refuse();
    void speakPage();
    void findParts();
    /// Shows @p html at the text size.
    void showHtml(const QString& html);

    Notifier& m_notifier;
    PagePrinter& m_printer;
    std::optional<mht::Archive> m_archive;
    int m_question = 0;
    bool m_errorPage = false;
    QString m_html;
    QString m_spokenHint;
    std::map<int, QString> m_parts; ///< SpokenPart of each answer the page shows options for
    int m_wheelTurned = 0;          ///< Ctrl+wheel turned short of a whole notch (a touchpad's)
    int m_textSize = 100;
};

} // namespace orbisk::gui
