#pragma once

#include "core/formats/ResourceSource.h"

#include <string>
#include <string_view>
#include <vector>

/// Why each answer of a question is right: one explanation per answer slot,
/// shown after marking, never on the question page (the page is shown while
/// the learner answers). This is the format's one home: the bank compiler
/// writes it with ComposeExplanations and the practice window reads it with
/// ReadExplanations.
///
/// A question with at least one explanation carries them as the resource
/// ids::ExplanationId(questionId): UTF-8 text with one line per answer slot, in
/// slot order, lines separated by "\n" and an empty line for a slot without an
/// explanation. A question without any has no such resource.
///
///     Both sentences are in the past, so "went" is right.
///
///     "Swam" is the past of "swim".
namespace orbisk::explain {

/// The resource text of a question's explanations, @p perSlot holding one text
/// per answer slot ("" for a slot without one).
/// @throws DataError when a text holds a line break ("\n" or "\r"): it would
/// move the explanations of the later slots.
std::string ComposeExplanations(const std::vector<std::string>& perSlot);

/// The explanations of a resource text, one per slot for @p slotCount slots:
/// "" for a slot past the text's lines, lines past the last slot ignored, a
/// "\r" at the end of a line dropped. Never throws on odd content.
std::vector<std::string> ParseExplanations(std::string_view text, int slotCount);

/// The explanations of question @p questionId, which has @p slotCount answer
/// slots, from @p source: one text per slot, "" for a slot without one, all ""
/// when the question has no explanation resource.
std::vector<std::string> ReadExplanations(const ResourceSource& source, int questionId, int slotCount);

} // namespace orbisk::explain
