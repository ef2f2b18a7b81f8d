#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace orbisk::gui {

class SkinPictures;

/// A button drawn from pictures: off, on (the cursor over it), pressed and
/// disabled. Which picture shows is decided by the window's hover poll, so it
/// has the button role, focus and an accessible name like any other button.
class ImageButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);

    struct Pictures {
        QPixmap off, on, pressed, disabled;
    };
    void SetPictures(Pictures pictures);

    /// Names of skin pictures. The off picture is decoded at once (it gives
    /// the button its size); the others when the button first shows them, so
    /// a button never pointed at or pressed decodes only one.
    struct PictureNames {
        QString off;
        QString on;
        QString pressed = {};
        QString disabled = {};
    };
    void SetPictures(SkinPictures& skin, PictureNames names);

    enum class State { Off, On, Pressed, Disabled };
    /// Shows the picture of @p state (a state without a picture shows the off picture).
    void SetState(State state);
    State state() const { return m_state; }
    /// The picture the button shows now (its state's, or the off picture when the state has none).
    const QPixmap& shownPicture() const;

    /// A caption drawn over the picture (tabs and toolbar buttons).
    void SetCaption(const QString& caption);
    QString caption() const { return text(); }
    /// Draws the caption in the bottom @p height pixels (toolbar buttons, whose
    /// pictures leave that band plain) instead of the middle of the button.
    void SetCaptionBand(int height);

    QSize sizeHint() const override;

    /// Whether Enter presses the button as Space does (the usual); a button
    /// that must be pressed deliberately (the pop-up box's) takes Space only.
    void SetEnterPresses(bool presses) { m_enterPresses = presses; }

    /// What a screen reader calls the button: a button, one of a row of page
    /// tabs (one of them selected), or a bar that opens a panel below it.
    enum class Kind { Button, Tab, PanelBar };
    void SetKind(Kind kind) { m_kind = kind; }
    Kind kind() const { return m_kind; }
    /// The selected tab, or the bar whose panel is open; a screen reader is told of a change.
    void SetCurrent(bool current);
    bool current() const { return m_current; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// Decodes the picture of @p state if it is named and not decoded yet.
    void fetch(State state);

    Pictures m_pictures;
    SkinPictures* m_skin = nullptr;
    PictureNames m_names;
    State m_state = State::Off;
    int m_captionBand = 0;
    bool m_enterPresses = true;
    Kind m_kind = Kind::Button;
    bool m_current = false;
};

} // namespace orbisk::gui
