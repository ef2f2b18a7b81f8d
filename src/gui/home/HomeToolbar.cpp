#include "gui/home/HomeToolbar.h"

#include "core/home/HomeNavigation.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/HoverPoller.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/SkinPictures.h"

namespace orbisk::gui {

namespace {

// The pictures leave their bottom band plain for the caption.
constexpr int kCaptionBand = 14;

} // namespace

HomeToolbar::HomeToolbar(SkinPictures& pictures, HoverPoller& poller,
                         const std::array<layout::Rect, home::kToolbarSlots>& places, QWidget* window)
    : QObject(window), m_pictures(pictures) {
    for (int slot = 1; slot <= home::kToolbarSlots; ++slot) {
        auto* button = new ImageButton(window);
        button->setObjectName(QStringLiteral("ToolBar0%1").arg(slot));
        button->setFont(BodyFont(8.25));
        button->SetCaptionBand(kCaptionBand);
        Place(button, places[static_cast<std::size_t>(slot - 1)]);
        connect(button, &ImageButton::clicked, this, [this, slot] { emit slotClicked(slot); });
        poller.Add(button, HoverPoller::Rule::Pressable);
        m_buttons[static_cast<std::size_t>(slot - 1)] = button;
    }
}

void HomeToolbar::Show(int tab) {
    if (tab == m_tab) {
        return;
    }
    m_tab = tab;
    for (int slot = 1; slot <= home::kToolbarSlots; ++slot) {
        ImageButton* button = m_buttons[static_cast<std::size_t>(slot - 1)];
        const home::ToolbarFunction function = home::ToolbarFunctionOf(tab, slot);
        button->setVisible(function.visible);
        if (!function.visible) {
            continue;
        }
        auto picture = [&](const char* ending) {
            return QString::fromStdString(home::Picture(function.family, ending));
        };
        button->SetPictures(m_pictures, {picture("_off"), picture("_on"), picture("_pressed"), {}});
        button->SetCaption(QString::fromStdString(function.caption));
        button->setToolTip(QString::fromStdString(function.tooltip));
        button->setAccessibleDescription(button->toolTip());
    }
}

} // namespace orbisk::gui
