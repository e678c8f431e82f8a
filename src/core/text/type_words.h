#pragma once
// The data's type names are common words ("Moss", "Herd"), not names: each
// language gives its own word for each, looked up by the data's English name.

#include <string>

#include "core/text/message.h"

namespace zorikan {

namespace text {

// Every type name of the game data, for the translators.
inline constexpr Message kTypeWords[] = {
    ZORIKAN_TEXT("Type", "Moss"),  ZORIKAN_TEXT("Type", "Ember"), ZORIKAN_TEXT("Type", "Stone"),
    ZORIKAN_TEXT("Type", "Tide"),  ZORIKAN_TEXT("Type", "Gale"),  ZORIKAN_TEXT("Type", "Frost"),
    ZORIKAN_TEXT("Type", "Bog"),   ZORIKAN_TEXT("Type", "Glass"), ZORIKAN_TEXT("Type", "Dusk"),
    ZORIKAN_TEXT("Type", "Lumen"), ZORIKAN_TEXT("Type", "Salt"),  ZORIKAN_TEXT("Type", "Echo"),
    ZORIKAN_TEXT("Type", "Ore"),   ZORIKAN_TEXT("Type", "Silk"),  ZORIKAN_TEXT("Type", "Herd"),
    ZORIKAN_TEXT("Type", "Spore"), ZORIKAN_TEXT("Type", "Dream"),
};

}  // namespace text

// The word for the data's type `english` in the player's language; a name the
// translation lacks, and every name in English, shows as the data gives it.
std::string TypeWord(const std::string& english);

}  // namespace zorikan
