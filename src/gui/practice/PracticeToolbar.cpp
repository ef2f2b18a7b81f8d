#include "gui/practice/PracticeToolbar.h"

#include "core/practice/PracticeTexts.h"
#include "gui/chrome/CaptionLabel.h"
#include "gui/chrome/Fonts.h"
#include "gui/chrome/HoverPoller.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Palette.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"

#include <QShortcut>

namespace orbisk::gui {

namespace {

using practice::ToolbarButton;

std::size_t index(ToolbarButton which) {
    return static_cast<std::size_t>(which);
}

} // namespace

QList<QKeySequence> PracticeToolbar::Shortcuts(ToolbarButton which) {
    switch (which) {
    case ToolbarButton::Save:
        return {QKeySequence(Qt::CTRL | Qt::Key_S)};
    case ToolbarButton::Mark:
        return {QKeySequence(Qt::CTRL | Qt::Key_M)};
    case ToolbarButton::Print:
        return {QKeySequence(Qt::CTRL | Qt::Key_P)};
    case ToolbarButton::Back:
        return {QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::CTRL | Qt::Key_PageUp)};
    case ToolbarButton::Next:
        return {QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::CTRL | Qt::Key_PageDown)};
    case ToolbarButton::Close:
        break;
    }
    return {};
}

PracticeToolbar::PracticeToolbar(SkinPictures& pictures, HoverPoller& poller, QWidget* window)
    : QWidget(window) {
    setObjectName(QStringLiteral("ScnTabBG"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, palette::kWindow);
    setPalette(colours);

    const QFont font = BodyFont(8.25);
    for (const practice::ToolbarEntry& entry : practice::kToolbar) {
        const std::size_t i = index(entry.button);
        auto* button = new ImageButton(this);
        button->setObjectName(QStringLiteral("ToolBar0%1").arg(i + 1));
        auto picture = [&](const char* ending) { return ToQString(entry.family) + QLatin1String(ending); };
        button->SetPictures(pictures, {picture("_off.bmp"), picture("_on.bmp"), picture("_pressed.bmp"),
                                       entry.canBeDisabled ? picture("_disabled.bmp") : QString()});
        const QString caption = ToQString(entry.caption);
        button->setAccessibleName(caption);
        QString tip = ToQString(entry.tooltip);
        const QList<QKeySequence> keys = Shortcuts(entry.button);
        if (!keys.isEmpty()) {
            QStringList names;
            for (const QKeySequence& key : keys) {
                names << key.toString(QKeySequence::NativeText);
            }
            tip += QStringLiteral(" (") + names.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        button->setToolTip(tip);
        button->setAccessibleDescription(tip);
        poller.Add(button, HoverPoller::Rule::Pressable);
        connect(button, &ImageButton::clicked, this, [this, which = entry.button] { trigger(which); });

        auto* label = new CaptionLabel(caption, button);
        label->setObjectName(QStringLiteral("lblTB0%1").arg(i + 1));
        label->setFont(font);
        gui::Place(label, layout::PracticeSizes{}.toolCaption);
        connect(label, &CaptionLabel::clicked, this, [this, which = entry.button] { trigger(which); });

        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, window);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, [this, which = entry.button] { trigger(which); });
        }
        m_buttons[i] = button;
        m_captions[i] = label;
    }

    m_paperSum = new QLabel(this);
    m_paperSum->setObjectName(QStringLiteral("PaperSum"));
    m_paperSum->setPixmap(pictures.Get(QStringLiteral("pen.bmp")));
    QFont scoreFont = TitleFont();
    scoreFont.setPointSizeF(13);
    scoreFont.setBold(true);
    m_score = new QLabel(m_paperSum);
    m_score->setObjectName(QStringLiteral("PScoring"));
    m_score->setFont(scoreFont);
    m_score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_score->setToolTip(ToQString(practice::texts::kScoreTooltip));
    m_score->setAccessibleName(ToQString(practice::texts::kScoreTooltip));
    m_percent = new SpokenElsewhereLabel(QStringLiteral("%"), m_paperSum); // the score's name ends in it
    m_percent->setObjectName(QStringLiteral("PScoringL"));
    m_percent->setFont(scoreFont);
    m_percent->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel* label : {m_score, m_percent}) {
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, palette::kPracticeHeading);
        label->setPalette(text);
    }
    gui::Place(m_score, layout::PracticeSizes{}.score);
    gui::Place(m_percent, layout::PracticeSizes{}.scorePercent);

    m_rightCount = new QLabel(this);
    m_rightCount->setObjectName(QStringLiteral("RightCount"));
    QFont countFont = TitleFont();
    countFont.setPointSizeF(11);
    m_rightCount->setFont(countFont);
    m_rightCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_rightCount->setToolTip(ToQString(practice::texts::kRightCountTooltip));
    QPalette countColour = m_rightCount->palette();
    countColour.setColor(QPalette::WindowText, palette::kPracticeHeading);
    m_rightCount->setPalette(countColour);
    ShowScore({}, {});
}

ImageButton* PracticeToolbar::button(ToolbarButton which) const {
    return m_buttons[index(which)];
}

CaptionLabel* PracticeToolbar::caption(ToolbarButton which) const {
    return m_captions[index(which)];
}

void PracticeToolbar::Place(const layout::PracticeLayout& layout) {
    gui::Place(this, layout.toolStrip);
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        gui::Place(m_buttons[i], layout.toolButtons[i]);
    }
    gui::Place(m_paperSum, layout.paperSum);
    gui::Place(m_rightCount, layout.rightCount);
    showRightCountIfItFits();
}

void PracticeToolbar::showRightCountIfItFits() {
    // A window too narrow for the whole count would show its end alone ("/ 30").
    const QString text = m_rightCount->text();
    m_rightCount->setVisible(!text.isEmpty() &&
                             m_rightCount->fontMetrics().horizontalAdvance(text) <= m_rightCount->width());
}

void PracticeToolbar::ApplyStates(const practice::ToolbarEnabled& enabled) {
    for (const practice::ToolbarEntry& entry : practice::kToolbar) {
        ImageButton* button = m_buttons[index(entry.button)];
        const bool on = enabled.Of(entry.button);
        button->setEnabled(on);
        if (!on) {
            button->SetState(ImageButton::State::Disabled);
        } else if (button->state() == ImageButton::State::Disabled) {
            button->SetState(ImageButton::State::Off);
        }
    }
}

void PracticeToolbar::ShowScore(const QString& percentage, const QString& rightOutOf) {
    m_score->setText(percentage);
    m_percent->setVisible(!percentage.isEmpty());
    m_score->setAccessibleName(percentage.isEmpty()
                                   ? ToQString(practice::texts::kScoreTooltip)
                                   : ToQString(practice::texts::kScoreTooltip) + QStringLiteral(": ") +
                                         percentage + QLatin1Char('%'));
    m_rightCount->setText(rightOutOf);
    showRightCountIfItFits();
    m_rightCount->setAccessibleName(ToQString(practice::texts::kRightCountName) + QStringLiteral(": ") +
                                    rightOutOf);
}

void PracticeToolbar::trigger(ToolbarButton which) {
    if (button(which)->isEnabled()) {
        emit triggered(which);
    }
}

} // namespace orbisk::gui
