#include "core/practice/WindowLife.h"

#include <gtest/gtest.h>
#include <map>
#include <utility>

namespace orbisk::practice {
namespace {

using Life = WindowLife;
using Event = LifeEvent;

// Every transition a window takes; every pair not listed is refused.
const std::map<std::pair<Life, Event>, Life> kTaken{
    {{Life::Answering, Event::FoundMarked}, Life::Review},
    {{Life::Answering, Event::MarkConfirmed}, Life::Marking},
    {{Life::Answering, Event::CloseStored}, Life::Closed},
    {{Life::Answering, Event::CloseNotStored}, Life::Answering},
    {{Life::Answering, Event::ForcedCloseNotStored}, Life::Closed},
    {{Life::Marking, Event::MarkingWritten}, Life::Review},
    {{Life::Marking, Event::MarkingNotWritten}, Life::Answering},
    {{Life::Review, Event::CloseStored}, Life::Closed},
    {{Life::Review, Event::CloseNotStored}, Life::Review},
    {{Life::Review, Event::ForcedCloseNotStored}, Life::Closed},
};

TEST(WindowLife, TakesOnlyItsTransitionsAndRefusesEverythingElse) {
    for (const Life life : {Life::Answering, Life::Marking, Life::Review, Life::Closed}) {
        for (const Event event :
             {Event::FoundMarked, Event::MarkConfirmed, Event::MarkingWritten, Event::MarkingNotWritten,
              Event::CloseStored, Event::CloseNotStored, Event::ForcedCloseNotStored}) {
            const auto taken = kTaken.find({life, event});
            const std::optional<Life> expected =
                taken == kTaken.end() ? std::nullopt : std::optional<Life>(taken->second);
            EXPECT_EQ(Next(life, event), expected)
                << "state " << static_cast<int>(life) << ", event " << static_cast<int>(event);
            EXPECT_EQ(Takes(life, event), expected.has_value());
        }
    }
}

} // namespace
} // namespace orbisk::practice
