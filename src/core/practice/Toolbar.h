#pragma once

#include "core/practice/PracticeTexts.h"
#include "core/practice/WindowLife.h"

#include <array>
#include <string_view>

/// The practice window's toolbar: six picture buttons, what they are called,
/// which picture family they draw from and when they take clicks.
namespace orbisk::practice {

enum class ToolbarButton { Save, Mark, Print, Close, Back, Next };

/// One button of the toolbar, in the order they are numbered (ToolBar01 .. ToolBar06).
struct ToolbarEntry {
    ToolbarButton button;
    std::string_view caption; ///< lblTB0n, also the button's accessible name
    std::string_view tooltip;
    std::string_view family; ///< pictures "\Graphics\" + family + "_off.bmp", "_on", "_pressed", "_disabled"
    bool canBeDisabled;      ///< Print and Close have no disabled picture: they are never disabled
};

inline constexpr std::array<ToolbarEntry, 6> kToolbar{{
    {ToolbarButton::Save, texts::kSaveCaption, texts::kSaveTooltip, "save", true},
    {ToolbarButton::Mark, texts::kMarkCaption, texts::kMarkTooltip, "mark", true},
    {ToolbarButton::Print, texts::kPrintCaption, texts::kPrintTooltip, "print", false},
    {ToolbarButton::Close, texts::kCloseCaption, texts::kCloseTooltip, "close", false},
    {ToolbarButton::Back, texts::kBackCaption, texts::kBackTooltip, "back", true},
    {ToolbarButton::Next, texts::kNextCaption, texts::kNextTooltip, "forward", true},
}};

/// Which buttons take clicks.
struct ToolbarEnabled {
    bool save = true, mark = true, print = true, close = true, back = true, next = true;

    bool operator==(const ToolbarEnabled&) const = default;
    bool Of(ToolbarButton button) const;
};

/// The enabling rules: Save and Mark while the window is answering (or its
/// marking plays, when no input reaches it anyway), not in review; Print and
/// Close always; Back unless the question on show is 1; Next unless it is the
/// last (Q). Apply them after every move as well as on every tick, so a second
/// click cannot slip past the first or last question.
ToolbarEnabled ToolbarStates(WindowLife life, int question, int questionCount);

} // namespace orbisk::practice
