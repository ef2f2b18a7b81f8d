#pragma once

#include "core/layout/PopUp.h"
#include "gui/chrome/HoverPoller.h"
#include "gui/popup/Asker.h"

#include <QDialog>
#include <QLabel>
#include <optional>

namespace orbisk::gui {

class ImageButton;
class SkinnedFrame;
class SkinPictures;

/// The program's own message box (frmPopUp): a small skinned box with a title,
/// an information icon, a message of up to two lines and one button ("OK") or
/// two ("Yes", "No"). It is answered only by pressing a button: by mouse, or
/// by Tab and Space; Enter and Escape do nothing, and it has no close button.
class PopUpBox final : public QDialog {
    Q_OBJECT
public:
    /// Loads the box: its skin, frame, icon, buttons and outline, not yet shown.
    PopUpBox(SkinPictures& pictures, CursorSource cursor, QWidget* parent = nullptr);
    ~PopUpBox() override;

    /// Fills the box with @p title and @p message, sets out 1 or 2 buttons (any
    /// other count leaves them as they are), gives the keyboard to the button
    /// @p focus names (the first when the second is not shown) and centres it
    /// on @p owner (on the screen when there is none).
    void CallPop(const QString& title, const QString& message, int buttons, QWidget* owner,
                 FirstFocus focus = FirstFocus::First);

    /// True once the first button was pressed, false for the second; empty while unanswered.
    std::optional<bool> answer() const { return m_answer; }

    QLabel* titleLabel() const;
    QLabel* info() const { return m_info; }
    QLabel* message() const { return m_message; }
    ImageButton* button(int n) const { return n == 1 ? m_button1 : m_button2; }
    HoverPoller& poller() { return *m_poller; }
    SkinnedFrame& frame() { return *m_frame; }

public slots:
    /// Does nothing: the box is left only by one of its buttons.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void answerWith(bool answer);

    layout::PopUpLayout m_layout;
    HoverPoller* m_poller;
    SkinnedFrame* m_frame;
    QLabel* m_info;
    QLabel* m_message;
    ImageButton* m_button1;
    ImageButton* m_button2;
    std::optional<bool> m_answer;
};

} // namespace orbisk::gui
