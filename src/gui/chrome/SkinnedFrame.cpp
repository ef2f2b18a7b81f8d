#include "gui/chrome/SkinnedFrame.h"

#include "core/layout/Geometry.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/FrameActivation.h"
#include "gui/chrome/HoverPoller.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/chrome/StretchedPicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPolygon>
#include <QRegion>
#include <QWindow>

namespace orbisk::gui {

namespace {

constexpr const char* kMainWindowProperty = "orbiskMainWindow";
// The maximise button's tooltip, whatever the window's state, and its spoken
// name while the window is maximised.
constexpr QStringView kRestore = u"Restore";

// The home and practice windows are plain widgets, which a screen reader
// would take for a filler in a window: they are windows, named by their title.
QAccessibleInterface* accessibleMainWindow(const QString&, QObject* object) {
    if (object && object->isWidgetType() && object->property(kMainWindowProperty).toBool()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

SkinnedFrame::SkinnedFrame(QWidget* window, SkinPictures& pictures, HoverPoller& poller, Kind kind)
    : QObject(window), m_window(window), m_pictures(pictures), m_kind(kind) {
    if (kind != Kind::PopUp) {
        static const bool installed = [] {
            QAccessible::installFactory(&accessibleMainWindow);
            return true;
        }();
        Q_UNUSED(installed);
        window->setProperty(kMainWindowProperty, true);
    }
    m_topLeft = makePiece("BTopLeft", false);
    m_topCentre = makePiece("BTopCentre", true);
    m_topRight = makePiece("BTopRight", false);
    m_left = makePiece("BLeft", true);
    m_right = makePiece("BRight", true);
    m_bottom = makePiece("BBot", true);
    m_bottomLeft = makePiece("BBotLeft", false);
    m_bottomRight = makePiece("BBotRight", false);
    m_title = new QLabel(window);
    m_title->setObjectName(QStringLiteral("Title"));
    m_title->setFont(TitleFont());
    m_title->installEventFilter(this);
    for (QLabel* piece : {m_topLeft, m_topCentre, m_topRight}) {
        piece->installEventFilter(this);
    }
    if (kind != Kind::PopUp) {
        m_icon = new StretchedPicture(window);
        m_icon->setObjectName(QStringLiteral("ImgIco"));
        auto addButton = [&](const char* name, const QString& tip, void (SkinnedFrame::*signal)()) {
            auto* button = new ImageButton(window);
            button->setObjectName(QString::fromLatin1(name));
            button->setToolTip(tip);
            button->setAccessibleName(tip);
            connect(button, &ImageButton::clicked, this, signal);
            poller.Add(button, HoverPoller::Rule::TwoState, [this] { return m_active; });
            return button;
        };
        m_minimise = addButton("imgProgMin", QStringLiteral("Minimize"), &SkinnedFrame::minimiseClicked);
        if (kind == Kind::Practice) {
            m_maximise = addButton("imgProgMax", kRestore.toString(), &SkinnedFrame::maximiseClicked);
            nameMaximiseButton();
            window->installEventFilter(this);
        }
        m_close = addButton("imgProgClose", QStringLiteral("Close"), &SkinnedFrame::closeClicked);
        FrameActivation::Register(this);
    }
}

SkinnedFrame::~SkinnedFrame() {
    FrameActivation::Unregister(this);
}

QLabel* SkinnedFrame::makePiece(const char* name, bool stretched) {
    QLabel* label = stretched ? new StretchedPicture(m_window) : new QLabel(m_window);
    label->setObjectName(QString::fromLatin1(name));
    label->lower();
    return label;
}

void SkinnedFrame::setPicture(QLabel* label, const char* file) {
    label->setPixmap(m_pictures.Get(QString::fromLatin1(file)));
}

void SkinnedFrame::ApplySkin() {
    if (m_kind == Kind::PopUp) {
        setPicture(m_topLeft, "border_top_left.bmp");
        setPicture(m_topCentre, "border_top_center.bmp");
        setPicture(m_topRight, "border_top_right.bmp");
        setPicture(m_left, "border_left.bmp");
        setPicture(m_bottomLeft, "Border_bot_left.gif");
        setPicture(m_right, "border_right.bmp");
        setPicture(m_bottomRight, "Border_bot_right.gif");
        setPicture(m_bottom, "border_bot.bmp");
        QPalette palette = m_title->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        m_title->setPalette(palette);
        return;
    }
    setPicture(m_icon, m_kind == Kind::Home ? "QZicon.ico" : "Pencil.ico");
    setPicture(m_left, "border_left.bmp");
    setPicture(m_bottomLeft, "border_left_corners.bmp");
    setPicture(m_right, "border_right.bmp");
    setPicture(m_bottomRight, "border_right_corners.bmp");
    setPicture(m_bottom, "border_bot.bmp");
    SetActive(true);
}

void SkinnedFrame::SetActive(bool active) {
    if (m_kind == Kind::PopUp) {
        return; // the message box always shows the active title bar
    }
    m_active = active;
    QPalette palette = m_title->palette();
    palette.setColor(QPalette::WindowText, active ? QColor(255, 255, 255) : QColor(128, 128, 128));
    m_title->setPalette(palette);
    setPicture(m_topLeft, active ? "border_top_left.bmp" : "border_white_top_left.bmp");
    setPicture(m_topRight, active ? "border_top_right.bmp" : "border_white_top_right.bmp");
    setPicture(m_topCentre, active ? "border_top_center.bmp" : "border_white_top_center.bmp");
    setButtonPictures();
}

void SkinnedFrame::FollowWindowState() {
    if (m_maximise && m_window->isMaximized() != m_shownMaximised) {
        setButtonPictures();
        nameMaximiseButton();
    }
}

void SkinnedFrame::setButtonPictures() {
    const bool maximised = m_window->isMaximized();
    m_shownMaximised = maximised;
    auto pictures = [](const char* off, const char* on) {
        return ImageButton::PictureNames{QString::fromLatin1(off), QString::fromLatin1(on)};
    };
    if (m_active) {
        m_close->SetPictures(m_pictures, pictures("prog_blueoff_close.bmp", "prog_blue_close.bmp"));
        m_minimise->SetPictures(m_pictures, pictures("prog_blueoff_min.bmp", "prog_blue_min.bmp"));
        if (m_maximise) {
            m_maximise->SetPictures(m_pictures, maximised
                                                    ? pictures("prog_blueoff_norm.bmp", "prog_blue_norm.bmp")
                                                    : pictures("prog_blueoff_max.bmp", "prog_blue_max.bmp"));
        }
    } else {
        m_close->SetPictures(m_pictures, pictures("prog_white_close.bmp", "prog_white_close.bmp"));
        m_minimise->SetPictures(m_pictures, pictures("prog_white_min.bmp", "prog_white_min.bmp"));
        if (m_maximise) {
            m_maximise->SetPictures(m_pictures, pictures("prog_white_max.bmp", "prog_white_max.bmp"));
        }
    }
    for (ImageButton* button : {m_close, m_minimise, m_maximise}) {
        if (button) {
            button->SetState(ImageButton::State::Off);
        }
    }
}

void SkinnedFrame::Arrange(const layout::FrameRects& frame) {
    Place(m_topLeft, frame.topLeft);
    Place(m_topCentre, frame.topCentre);
    Place(m_topRight, frame.topRight);
    Place(m_left, frame.left);
    Place(m_right, frame.right);
    Place(m_bottom, frame.bottom);
    Place(m_bottomLeft, frame.bottomLeft);
    Place(m_bottomRight, frame.bottomRight);
    m_topRight->raise();
}

void SkinnedFrame::PlaceTitle(const layout::Rect& title) {
    Place(m_title, title);
    m_title->raise();
}

void SkinnedFrame::PlaceIcon(const layout::Rect& icon) {
    if (m_icon) {
        Place(m_icon, icon);
        m_icon->raise();
    }
}

void SkinnedFrame::PlaceButtons(const layout::Rect& minimise, const layout::Rect* maximise,
                                const layout::Rect& close) {
    if (!m_close) {
        return;
    }
    Place(m_minimise, minimise);
    Place(m_close, close);
    if (m_maximise && maximise) {
        Place(m_maximise, *maximise);
    }
    for (ImageButton* button : {m_minimise, m_maximise, m_close}) {
        if (button) {
            button->raise();
        }
    }
}

void SkinnedFrame::pRoundCorners() {
    const auto points = layout::WindowOutline(m_window->width(), m_window->height(),
                                              m_kind == Kind::PopUp ? layout::OutlineKind::PopUp
                                                                    : layout::OutlineKind::MainWindow);
    QPolygon polygon;
    for (const layout::Point& p : points) {
        polygon << QPoint(p.x, p.y);
    }
    m_window->setMask(QRegion(polygon, Qt::WindingFill));
}

void SkinnedFrame::MoveForm(const QMouseEvent& press) {
    // The left button hands the move to the window system; any other button,
    // or a system that refuses, moves the window by the mouse.
    QWindow* handle = m_window->windowHandle();
    if (press.button() == Qt::LeftButton && handle && handle->startSystemMove()) {
        return;
    }
    m_dragging = true;
    m_dragOffset = press.globalPosition().toPoint() - m_window->frameGeometry().topLeft();
}

// Its tooltip says "Restore" whatever the window's state; a screen reader
// hears what a press would do, described in words of its own (without one,
// the tooltip would be read as the description).
void SkinnedFrame::nameMaximiseButton() {
    const bool maximised = m_window->isMaximized();
    m_maximise->setAccessibleName(maximised ? kRestore.toString() : QStringLiteral("Maximize"));
    m_maximise->setAccessibleDescription(maximised ? QStringLiteral("Gives the window its earlier size")
                                                   : QStringLiteral("Makes the window fill the screen"));
}

bool SkinnedFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        if (event->type() == QEvent::WindowStateChange) {
            nameMaximiseButton();
        } else if (event->type() == QEvent::Resize) {
            FollowWindowState();
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        MoveForm(*static_cast<QMouseEvent*>(event));
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragging) {
            m_window->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_dragOffset);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_dragging) {
            m_dragging = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orbisk::gui
