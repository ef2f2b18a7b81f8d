#include "gui/home/TrashPage.h"

#include "core/home/HomeTexts.h"
#include "gui/app/Notifier.h"
#include "gui/chrome/CaptionLabel.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/HoverPoller.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/PageSurface.h"

#include <QApplication>
#include <QPainter>
#include <utility>

namespace orbisk::gui {

namespace {

// The page's own arrangement, in pixels of the page: the message across the
// top, the buttons in one row under it.
constexpr int kMargin = 24;
constexpr int kTextTop = 40;
constexpr int kTextHeight = 64;
constexpr int kButtonTop = kTextTop + kTextHeight + 16;
constexpr int kButtonGap = 24;

} // namespace

TrashPage::TrashPage(SkinPictures& pictures, HoverPoller& poller, const layout::Rect& at, EraseResults erase,
                     OpenPaperName openPaper, Notifier& notifier, QWidget* parent)
    : QWidget(parent), m_erase(std::move(erase)), m_openPaper(std::move(openPaper)), m_notifier(notifier) {
    SetUpHomePage(*this, QStringLiteral("Body_Trash"), at);
    setFont(BodyFont(10));

    m_offer = makeText("Trashlbl1", ToQString(home::texts::kTrashOffer));
    m_confirm = makeText("Trashlbl2", ToQString(home::texts::kTrashConfirm));
    m_done = makeText("Trashlbl3", ToQString(home::texts::kTrashDone));

    // Made in the order Tab takes them: No before Yes, as they stand.
    m_trash = makeButton(pictures, poller, "ButTrash", ToQString(home::texts::kTrashCaption),
                         ToQString(home::texts::kTrashSpoken), m_trashCaption);
    m_no = makeButton(pictures, poller, "ButTrash_No", ToQString(home::texts::kNoCaption),
                      ToQString(home::texts::kNoSpoken), m_noCaption);
    m_yes = makeButton(pictures, poller, "ButTrash_Yes", ToQString(home::texts::kYesCaption),
                       ToQString(home::texts::kYesSpoken), m_yesCaption);
    connect(m_trash, &ImageButton::clicked, this, &TrashPage::ButTrash_Click);
    connect(m_yes, &ImageButton::clicked, this, &TrashPage::ButTrash_Yes_Click);
    connect(m_no, &ImageButton::clicked, this, &TrashPage::ButTrash_No_Click);

    // One row: Trash in the middle, No left of the middle and Yes right of it.
    const QPixmap off = m_trash->shownPicture();
    const QSize button = off.isNull() ? QSize(80, 25) : PictureSize(off);
    const int middle = width() / 2;
    auto place = [&](ImageButton* target, CaptionLabel* caption, int left) {
        target->setGeometry(left, kButtonTop, button.width(), button.height());
        caption->setGeometry(target->geometry());
    };
    place(m_trash, m_trashCaption, middle - button.width() / 2);
    place(m_no, m_noCaption, middle - kButtonGap / 2 - button.width());
    place(m_yes, m_yesCaption, middle + kButtonGap / 2);
    m_trash->setAccessibleDescription(m_offer->text());
    showStage(Stage::Offer);
}

QLabel* TrashPage::makeText(const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setGeometry(kMargin, kTextTop, width() - 2 * kMargin, kTextHeight);
    return label;
}

ImageButton* TrashPage::makeButton(SkinPictures& pictures, HoverPoller& poller, const char* name,
                                   const QString& caption, const QString& spoken, CaptionLabel*& label) {
    auto* button = new ImageButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->SetPictures(pictures, {QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp")});
    // Its own name for screen readers and automation, holding the caption: the
    // toolbar has a "Trash" button too.
    button->setAccessibleName(spoken);
    button->setToolTip(spoken);
    poller.Add(button, HoverPoller::Rule::TwoState);
    label = new CaptionLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name) + QStringLiteral("lbl"));
    QFont font = BodyFont(9);
    font.setBold(true);
    label->setFont(font);
    label->setToolTip(spoken);
    connect(label, &CaptionLabel::clicked, button, &ImageButton::click);
    return button;
}

void TrashPage::ShowOffer() {
    showStage(Stage::Offer);
}

void TrashPage::ButTrash_Click() {
    const QString open = m_openPaper ? m_openPaper() : QString();
    m_confirm->setText(open.isEmpty() ? ToQString(home::texts::kTrashConfirm)
                                      : ToQString(home::texts::TrashConfirmWithOpenPaper(ToUtf8(open))));
    // The keyboard lands on an answer: a screen reader hears the question with it.
    m_no->setAccessibleDescription(m_confirm->text());
    m_yes->setAccessibleDescription(m_confirm->text());
    showStage(Stage::Confirm);
}

void TrashPage::ButTrash_No_Click() {
    showStage(Stage::Offer);
}

void TrashPage::ButTrash_Yes_Click() {
    const results::ResetReport report = m_erase();
    if (report.notErased.empty()) {
        showStage(Stage::Done);
        return;
    }
    // Not done: the learner is told which files still hold results, and the
    // offer stands for another try once they are put right.
    showStage(Stage::Offer);
    tellWhatWasNotErased(report);
}

void TrashPage::showStage(Stage stage) {
    const bool focused = isAncestorOf(QApplication::focusWidget());
    m_stage = stage;
    const bool offer = stage == Stage::Offer;
    const bool confirm = stage == Stage::Confirm;
    const std::pair<QWidget*, bool> shown[] = {
        {m_offer, offer},     {m_trash, offer},       {m_trashCaption, offer},
        {m_confirm, confirm}, {m_yes, confirm},       {m_yesCaption, confirm},
        {m_no, confirm},      {m_noCaption, confirm}, {m_done, !offer && !confirm}};
    // The new stage shows and takes the keyboard before the old one goes: a
    // focused button hidden first would pass the keyboard on along the Tab
    // chain (to the title bar), and a screen reader would say so.
    for (const auto& [widget, show] : shown) {
        if (show) {
            widget->setVisible(true);
        }
    }
    // Once done the keyboard stays on the page, which then speaks the message.
    setAccessibleName(stage == Stage::Done ? m_done->text() : QString());
    // Keyboard users stay on the page: "No" is the safe answer to offer first.
    if (focused) {
        if (confirm) {
            m_no->setFocus(Qt::OtherFocusReason);
        } else if (offer) {
            m_trash->setFocus(Qt::OtherFocusReason);
        } else {
            setFocus(Qt::OtherFocusReason);
        }
    }
    for (const auto& [widget, show] : shown) {
        if (!show) {
            widget->setVisible(false);
        }
    }
}

void TrashPage::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Once done, the keyboard rests on the page: the message it speaks is marked.
    if (m_stage == Stage::Done && hasFocus()) {
        QPainter painter(this);
        painter.setPen(palette::FocusDots());
        // Around the words, where the label's box puts them, not the whole box.
        const QRect words = m_done->fontMetrics().boundingRect(
            m_done->contentsRect(), static_cast<int>(m_done->alignment()) | Qt::TextWordWrap, m_done->text());
        painter.drawRect(words.translated(m_done->pos()).adjusted(-4, -2, 3, 1));
    }
}

void TrashPage::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TrashPage::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TrashPage::tellWhatWasNotErased(const results::ResetReport& report) {
    const home::texts::Message message = home::texts::NotErased(report);
    m_notifier.Warn(window(), window()->windowTitle(), ToQString(message.text), ToQString(message.details));
}

} // namespace orbisk::gui
