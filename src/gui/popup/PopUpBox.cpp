#include "gui/popup/PopUpBox.h"

#include "gui/chrome/Fonts.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/chrome/SkinnedFrame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace orbisk::gui {

PopUpBox::PopUpBox(SkinPictures& pictures, CursorSource cursor, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmPopUp"));
    setModal(true);
    const layout::PixelRect size = layout::ToPixels({0, 0, layout::kPopUpWidth, layout::kPopUpHeight});
    setFixedSize(size.width, size.height);

    m_poller = new HoverPoller(std::move(cursor), this);
    m_frame = new SkinnedFrame(this, pictures, *m_poller, SkinnedFrame::Kind::PopUp);
    m_frame->title()->setObjectName(QStringLiteral("lblTitle"));
    m_frame->ApplySkin();
    m_layout = layout::LayOutPopUp(layout::Twips(QFontMetrics(m_frame->title()->font()).height()));
    m_frame->Arrange(m_layout.frame);
    m_frame->PlaceTitle(m_layout.title);

    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("ImgInfo"));
    m_info->setPixmap(pictures.Get(QStringLiteral("info_mark.gif")));
    Place(m_info, m_layout.info);

    // Wraps at spaces within its width.
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setFont(BodyFont(8.25));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(m_message, m_layout.message);

    const ImageButton::PictureNames buttonPictures{QStringLiteral("button_off.bmp"),
                                                   QStringLiteral("button_on.bmp")};
    auto makeButton = [&](const char* name, const QString& caption, const layout::Rect& at, bool answer) {
        auto* button = new ImageButton(this);
        button->SetEnterPresses(false); // the box is answered deliberately, by Space or a click
        button->setObjectName(QString::fromLatin1(name));
        button->setFont(BodyFont(8.25));
        button->SetPictures(pictures, buttonPictures);
        button->SetCaption(caption);
        Place(button, at);
        connect(button, &ImageButton::clicked, this, [this, answer] { answerWith(answer); });
        m_poller->Add(button, HoverPoller::Rule::TwoState);
        return button;
    };
    m_button1 = makeButton("But1", QStringLiteral("OK"), m_layout.button1, true);
    m_button2 = makeButton("But2", QStringLiteral("Cancel"), m_layout.button2, false);
    setTabOrder(m_button1, m_button2);

    m_poller->Start();
    m_frame->pRoundCorners();
}

PopUpBox::~PopUpBox() = default;

QLabel* PopUpBox::titleLabel() const {
    return m_frame->title();
}

void PopUpBox::CallPop(const QString& title, const QString& message, int buttons, QWidget* owner,
                       FirstFocus focus) {
    m_frame->title()->setText(title);
    setWindowTitle(title);
    m_message->setText(message);
    setAccessibleDescription(message);

    const layout::PopUpButtons row = layout::PlacePopUpButtons(buttons, m_layout);
    if (row.valid) {
        layout::Rect first = m_layout.button1;
        first.left = row.firstLeft;
        Place(m_button1, first);
        m_button1->SetCaption(QString::fromStdString(row.firstCaption));
        m_button2->setVisible(row.secondVisible);
        if (row.secondVisible) {
            layout::Rect second = m_layout.button2;
            second.left = row.secondLeft;
            Place(m_button2, second);
            m_button2->SetCaption(QString::fromStdString(row.secondCaption));
        }
    }

    Place(m_message, layout::PopUpMessageArea(message.toStdString(), m_layout));
    // Given before the box shows, the focus is there when it opens.
    (focus == FirstFocus::Second && !m_button2->isHidden() ? m_button2 : m_button1)
        ->setFocus(Qt::OtherFocusReason);

    QRect area;
    if (owner != nullptr) {
        area = owner->window()->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->geometry();
    }
    const layout::Point at =
        layout::CentreOn({area.x(), area.y(), area.width(), area.height()}, width(), height());
    move(at.x, at.y);
}

void PopUpBox::answerWith(bool answer) {
    m_answer = answer;
    done(answer ? QDialog::Accepted : QDialog::Rejected);
}

void PopUpBox::reject() {
    if (m_answer) {
        QDialog::reject();
    }
}

void PopUpBox::keyPressEvent(QKeyEvent* event) {
    // The box wants a deliberate answer: Enter and Escape (which a dialog
    // would take as yes or no) do nothing. Tab and Space work on the buttons.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void PopUpBox::closeEvent(QCloseEvent* event) {
    // Only a button closes the box.
    if (m_answer) {
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}

void PopUpBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette::kWindow);
}

} // namespace orbisk::gui
