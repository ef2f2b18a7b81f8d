#include "gui/practice/AnswerBox.h"

#include "core/formats/Records.h"
#include "core/practice/AnswerSheet.h"
#include "core/practice/PracticeTexts.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/QtText.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace orbisk::gui {

namespace {

bool isLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
           c == QChar::LineSeparator;
}

} // namespace

AnswerBox::AnswerBox(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(1);
    setUndoRedoEnabled(true);
    SetSentence(false);
}

void AnswerBox::SetSentence(bool sentence) {
    setLineWrapMode(sentence ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setWordWrapMode(sentence ? kSentenceWrap : QTextOption::NoWrap);
}

void AnswerBox::SetMaxLength(int length) {
    m_maxLength = length;
}

void AnswerBox::SetLocked(bool locked, bool tinted) {
    setReadOnly(locked);
    m_lockedHint = ToQString(tinted ? practice::texts::kKeptAnswerHint : practice::texts::kMarkedAnswerHint);
    QPalette colours = palette();
    colours.setColor(QPalette::Base,
                     tinted ? palette::ToQColor(practice::kCarriedOverTint) : QColor(Qt::white));
    setPalette(colours);
    if (locked) {
        moveCursor(QTextCursor::Start); // an answer too long for the box shows how it begins
    }
}

void AnswerBox::SetText(const QString& text) {
    setPlainText(text);
    moveCursor(QTextCursor::End);
}

void AnswerBox::TypeOver(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    setTextCursor(cursor);
}

void AnswerBox::SetHint(const QString& hint) {
    setPlaceholderText(hint);
    const QString tooltip = ToQString(practice::texts::kAnswerBoxTooltip);
    setAccessibleDescription(hint.isEmpty() ? tooltip : tooltip + QStringLiteral(": ") + hint);
}

int AnswerBox::room() const {
    if (m_maxLength <= 0) {
        return std::numeric_limits<int>::max();
    }
    const QTextCursor cursor = textCursor();
    const int selected = static_cast<int>(cursor.selectionEnd() - cursor.selectionStart());
    return std::max(0, m_maxLength - (static_cast<int>(toPlainText().size()) - selected));
}

QString AnswerBox::admissible(const QString& text, QString& hint) const {
    QString kept;
    kept.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isLineBreak(c)) {
            // A pasted line break joins its lines with a space.
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
                continue;
            }
            hint = ToQString(practice::texts::kLineBreakHint);
            if (!kept.isEmpty() && !kept.endsWith(QLatin1Char(' '))) {
                kept += QLatin1Char(' ');
            }
        } else if (const char ascii = static_cast<char>(c.unicode());
                   c.unicode() < 0x80 && !records::IsStorableValue(std::string_view(&ascii, 1))) {
            hint = ToQString(practice::texts::kRefusedCharacterHint);
        } else {
            kept += c;
        }
    }
    return kept.left(room());
}

void AnswerBox::refuse(const QString& hint) {
    m_lastHint = hint;
    emit refused(hint);
}

void AnswerBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    parentWidget()->update(); // the frame marks the box that has the keyboard
}

void AnswerBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (lineWrapMode() == QPlainTextEdit::NoWrap) {
        horizontalScrollBar()->setValue(0); // a word longer than the box shows how it begins
    }
    parentWidget()->update();
}

void AnswerBox::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        event->accept();
        emit enterPressed();
        return;
    }
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && plain) {
        // A wrapped sentence moves between its own lines first.
        const bool down = event->key() == Qt::Key_Down;
        QTextCursor probe = textCursor();
        if (!probe.movePosition(down ? QTextCursor::Down : QTextCursor::Up)) {
            event->accept();
            emit arrowPressed(down);
            return;
        }
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept(); // Shift+Enter and the like: still no line break
        return;
    }
    if ((event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit pageScrollRequested(event->key() == Qt::Key_PageDown);
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    const bool shortcut =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (printable && !shortcut && isReadOnly()) {
        // Not a key lost without a word: the box says why it stays as it is.
        event->accept();
        refuse(m_lockedHint);
        return;
    }
    if (printable) {
        QString hint;
        const QString kept = admissible(typed, hint);
        if (!hint.isEmpty()) {
            event->accept();
            refuse(hint);
            return;
        }
        if (kept.size() < typed.size()) {
            event->accept(); // the box is full
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void AnswerBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && !isReadOnly()) {
        QString hint;
        const QString kept = admissible(event->commitString(), hint);
        if (kept != event->commitString()) {
            QInputMethodEvent filtered(event->preeditString(), event->attributes());
            filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
            QPlainTextEdit::inputMethodEvent(&filtered);
            if (!hint.isEmpty()) {
                refuse(hint);
            }
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void AnswerBox::mousePressEvent(QMouseEvent* event) {
    // An answer has nowhere to be dragged to, and a drag the system fails to end
    // would hold the whole window: a press on the selected text places the
    // cursor there at once, as a press elsewhere does, so no drag begins.
    if (event->button() == Qt::LeftButton && textCursor().hasSelection()) {
        const int at = cursorForPosition(event->position().toPoint()).position();
        QTextCursor cursor = textCursor();
        if (at >= cursor.selectionStart() && at <= cursor.selectionEnd()) {
            cursor.clearSelection();
            setTextCursor(cursor);
        }
    }
    QPlainTextEdit::mousePressEvent(event);
}

bool AnswerBox::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void AnswerBox::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source->hasText()) {
        return;
    }
    QString hint;
    const QString kept = admissible(source->text(), hint);
    insertPlainText(kept);
    if (!hint.isEmpty()) {
        refuse(hint);
    }
}

} // namespace orbisk::gui
