#pragma once
// Every text the core shows the player, as a template in English with its
// translator's context; the items' texts stand in their rows of the item
// table (core/model/items.h). Names from the game data (species, attacks,
// badges, types, trainers) and numbers are arguments, never part of a
// template; a text that differs by case is a template of its own.

#include "core/text/battle_texts.h"
#include "core/text/collection_texts.h"
#include "core/text/file_texts.h"
#include "core/text/progress_texts.h"
