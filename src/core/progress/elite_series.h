#pragma once
// The Highland, Lowland and Coastal Grand Four: five trainer battles in a
// row. A won member brings on the next at once; a lost battle ends the
// series, and the menu starts it again from its first member.

#include <cstdint>
#include <span>
#include <string_view>

#include "core/game/game.h"
#include "core/text/catalogue.h"

namespace zorikan {

// The member that follows a won member of kind `wonKind`.
struct SeriesStep {
    std::uint8_t wonKind;
    const Message& box;       // shown before the next member steps up
    std::string_view beaten;  // the member just beaten
    int species;
    int level;
    std::string_view trainer;
    std::uint8_t nextKind;
};

// Every step, in the order the end of a battle checks them: highest kind
// first, so a kind written by one step is never taken up by a later one.
std::span<const SeriesStep> SeriesSteps();

// After a win against a series member: the champion's bonus and gift, or
// the next member's battle. Anything else is left alone.
void ContinueSeries(Game& game);

}  // namespace zorikan
