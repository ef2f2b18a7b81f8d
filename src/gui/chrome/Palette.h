#pragma once

#include "core/layout/Colour.h"

#include <QColor>
#include <QPen>
#include <QString>

/// The colours the windows are painted with, beside their skin pictures.
namespace orbisk::gui::palette {

/// The pale ground of every window: the home window's tab strip, the practice
/// window's toolbar, status bar and frame, the pop-up box.
inline constexpr QColor kWindow(244, 245, 235);

/// The dark blue words: the practice window's question title and score, the
/// home page's and the report's headings and figures.
inline constexpr QColor kPracticeHeading(28, 79, 140);
/// The strip the question's title stands on, over the top of the page.
inline constexpr QColor kQuestionTitleStrip(232, 240, 250);
/// The verdict letters of the answer sheet, and the correct answer a key box shows.
inline constexpr QColor kRightVerdict(0, 128, 0);
inline constexpr QColor kWrongVerdict(192, 0, 0);
/// The ground of a key box.
inline constexpr QColor kKeyBox(255, 250, 220);
/// The mark round the control that has the keyboard focus.
inline constexpr QColor kFocusMark(47, 111, 181);
/// The dotted line of a focus mark, in @p colour.
inline QPen FocusDots(const QColor& colour = kFocusMark) {
    QPen dots(colour);
    dots.setStyle(Qt::DotLine);
    return dots;
}
/// The ground of the message an answer box gives when it refuses something.
inline constexpr QColor kBoxMessage(255, 255, 225);

/// A style sheet rule that colours a label's text.
inline QString TextColourStyle(const QColor& colour) {
    return QStringLiteral("color: %1;").arg(colour.name());
}

/// A colour the core's rules give.
inline QColor ToQColor(layout::Colour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace orbisk::gui::palette
