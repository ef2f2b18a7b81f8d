#pragma once

#include <string>
#include <string_view>
#include <vector>

/// The answer kinds: one letter per answer slot that decides how the answer
/// box behaves and how the learner's answer is compared with the key.
///
/// | Kind    | Answer                              | Compared                                 |
/// |---------|-------------------------------------|------------------------------------------|
/// | Q       | an option number, one character     | trimmed, any letter case                 |
/// | T       | a word typed into a gap             | trimmed, any letter case                 |
/// | L       | a whole sentence (enlarged box)     | trimmed, any letter case                 |
/// | N       | a number                            | as numbers                               |
/// | R, F, X | text whose spacing is tidied        | spacing rule, then exactly (F, X show    |
/// |         |                                     | the instruction picture)                 |
/// | G, M    | one of several acceptable answers   | alternatives shared by a group of slots  |
namespace orbisk::kinds {

/// The kinds of the shipped bank's three question shapes.
inline constexpr std::string_view kChoice = "Q";
inline constexpr std::string_view kTyped = "T";
inline constexpr std::string_view kSentence = "L";

/// Every kind letter the program understands, in the order above.
inline constexpr std::string_view kKnownKinds = "QTLNRFXGM";

/// True when @p kind is one of the known kind letters.
bool IsKnown(std::string_view kind);
/// Q, T, L: compared as texts, trimmed, in any letter case.
bool ComparedAsText(std::string_view kind);
/// Q: the answer box takes a single character.
bool TakesOneCharacter(std::string_view kind);
/// L: the answer frame and box are enlarged to hold several lines.
bool IsSentence(std::string_view kind);
/// N: compared as numbers.
bool IsNumeric(std::string_view kind);
/// R, F, X: compared by the spacing rule.
bool UsesSpacingRule(std::string_view kind);
/// F, X: the answer sheet shows the instruction picture.
bool ShowsInstructionPicture(std::string_view kind);
/// G, M: one of several acceptable answers, shared by a group of slots.
bool IsGrouped(std::string_view kind);
/// M: the key box of a group's key slot shows its first alternative (G, and
/// the later slots of an M group, show an alternative nobody gave).
bool ShowsFirstAlternative(std::string_view kind);

/// The key of a later slot of a G or M group: one space.
inline constexpr std::string_view kGroupContinuation = " ";
/// What introduces each acceptable answer in a group's key (";red;blue").
inline constexpr char kAlternativeMark = ';';

/// The alternatives of a group key, in order: ";red;blue" gives red and blue.
/// The text before the first ";" is not an alternative; a key without ";" has none.
std::vector<std::string> SplitAlternatives(std::string_view key);

} // namespace orbisk::kinds
