#pragma once

#include <QPlainTextEdit>

namespace orbisk::gui {

/// An answer box (FA1 .. FA20): one line of text, or for a sentence (kind L)
/// a larger box that wraps its line. It refuses what the answer file cannot
/// hold, as it is pasted, dropped or typed: ">", "#" and line breaks, and says
/// why (refused). Enter asks to go on to the next box, Up and Down (from the
/// top or bottom line of a wrapped sentence) to the box above or below. A box
/// may be limited to one character (a multiple-choice answer) and may be
/// locked; while empty it shows what it takes.
class AnswerBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget* parent = nullptr);

    /// How a sentence box wraps: between words, and inside a word only when
    /// the word is wider than the box.
    static constexpr QTextOption::WrapMode kSentenceWrap = QTextOption::WrapAtWordBoundaryOrAnywhere;

    /// A sentence box wraps its one line over several; a one-line box scrolls.
    void SetSentence(bool sentence);
    /// The most characters the box takes; 0 for no limit.
    void SetMaxLength(int length);
    int maxLength() const { return m_maxLength; }
    /// Read-only boxes show @p tinted in the carried-over colour, others white.
    void SetLocked(bool locked, bool tinted);

    QString text() const { return toPlainText(); }
    void SetText(const QString& text);
    /// Puts @p text in place of the box's text, as if typed (it can be undone).
    void TypeOver(const QString& text);
    /// What the box takes, shown while it is empty and told to a screen reader.
    void SetHint(const QString& hint);

    /// The hint the box last gave (empty before any).
    const QString& lastHint() const { return m_lastHint; }

signals:
    /// What was typed or pasted was refused, in part or whole, for @p hint.
    void refused(const QString& hint);
    /// Page Up or Page Down: the learner wants the question page to scroll.
    void pageScrollRequested(bool down);
    /// Enter: the learner is done with this box.
    void enterPressed();
    /// Up or Down past the box's top or bottom line.
    void arrowPressed(bool down);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    /// @p text without what the box refuses, cut to the room the limit leaves;
    /// @p hint says why something went.
    QString admissible(const QString& text, QString& hint) const;
    int room() const;
    void refuse(const QString& hint);

    int m_maxLength = 0;
    QString m_lockedHint; // why a locked box does not take what is typed
    QString m_lastHint;
};

} // namespace orbisk::gui
