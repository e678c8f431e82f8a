#pragma once
// Which opponents the player may fight, as badges and victories open them.
// Items are only ever enabled, never disabled again.

#include <cstdint>
#include <optional>

#include "core/game/game.h"

namespace zorikan {

// The one menu item a freshly counted badge opens: the next leader, the
// Highland Grand Four at 8, Kell at 16, the other elites at 24.
void EnableGymLeaders(Game& game);

// After a load: everything the loaded badges and victories have opened.
void MenusEnabledAtLoad(Game& game);

// The item EnableGymLeaders opens at `badgeCount`; none for none.
std::optional<MenuItem> MenuItemForBadge(std::uint8_t badgeCount);

}  // namespace zorikan
