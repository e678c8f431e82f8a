#pragma once
// The texts of the collection: the roster and its statistics, evolution and
// release, the ZORIDEX, the Mart, the Game Corner and the music.

#include "core/text/message.h"

namespace zorikan::text {

//: %1: the roster's size, %2: the creature that found no room
inline constexpr Message kRosterFull = ZORIKAN_TEXT(
    "Roster", "Your roster is full: it already holds %1 ZORIKAN. Release one to make room for %2.");
inline constexpr Message kOmnivarNote =
    ZORIKAN_TEXT("Roster",
                 "NOTE: You can only catch one Omnivar at a time. You must release the one(s) you "
                 "already have if you want to catch another.");
//: %1: the creature
inline constexpr Message kAddedToZoridex =
    ZORIKAN_TEXT("Roster", "%1 has been added to the ZORIDEX!");
//: %1: the species number, three digits, %2: the creature, %3: its level,
//: %4: its experience points, %5: the points it still needs for the next level
inline constexpr Message kCreatureStatistics =
    ZORIKAN_TEXT("Roster", "# %1 %2, L.%3, XP:%4, XP to next level:%5");
inline constexpr Message kLastCreature =
    ZORIKAN_TEXT("Roster", "You can't release your last ZORIKAN!");
//: %1: the creature
inline constexpr Message kReleaseQuestion =
    ZORIKAN_TEXT("Roster", "Once released, %1 will not come back. Release %1?");
//: %1: the creature
inline constexpr Message kReleased = ZORIKAN_TEXT("Roster", "%1 was released. Bye, %1!");
inline constexpr Message kEvolutionModeOn =
    ZORIKAN_TEXT("Roster",
                 "Doubleclick a ZORIKAN in the Statistics window to evolve it. Once you have "
                 "doubleclicked on a ZORIKAN, Evolution Mode will be disabled.");
inline constexpr Message kEvolutionModeOff = ZORIKAN_TEXT("Roster", "Evolution Mode cancelled.");
inline constexpr Message kReleaseModeOn =
    ZORIKAN_TEXT("Roster",
                 "Doubleclick a ZORIKAN in the Statistics window to release it. Once you have "
                 "doubleclicked on a ZORIKAN, Release Mode will be disabled.");
inline constexpr Message kReleaseModeOff = ZORIKAN_TEXT(
    "Roster", "Release Mode deactivated. Statistics window will now function normally.");

//: %1: the creature, %2: what it evolves into
inline constexpr Message kAskToEvolve =
    ZORIKAN_TEXT("Evolution", "Your %1 can evolve into %2. Do you want to evolve it?");
//: %1: the creature, %2: what it evolves into, %3: its first form, %4: the creature
//: that may join it
inline constexpr Message kAskToEvolveTwin =
    ZORIKAN_TEXT("Evolution",
                 "Your %1 can evolve into %2. Do you want to evolve it? NOTE: %1 will evolve into "
                 "%3 AND %4 every 3 of 4 times.");
//: %1: the creature, %2: what it became
inline constexpr Message kEvolved = ZORIKAN_TEXT("Evolution", "%1 evolved into %2!");
//: %1: the creature
inline constexpr Message kChooseSplit =
    ZORIKAN_TEXT("Evolution", "Please select what you would like to evolve your %1 to.");
inline constexpr Message kDontEvolve = ZORIKAN_TEXT("Evolution", "Don't evolve");
//: %1: the second creature
inline constexpr Message kTwinMissing = ZORIKAN_TEXT("Evolution", "%1 didn't appear.");
//: %1: the second creature
inline constexpr Message kTwinNoRoom =
    ZORIKAN_TEXT("Evolution", "Your roster is full: %1 could not join it.");
//: %1: the creature, %2: the second creature
inline constexpr Message kTwinJoined = ZORIKAN_TEXT("Evolution", "%1 also evolved into %2!");
//: %1: the creature
inline constexpr Message kCannotEvolve = ZORIKAN_TEXT("Evolution", "%1 can't evolve.");
//: %1: the creature, %2: the levels it still needs
inline constexpr Message kNeedsLevels =
    ZORIKAN_TEXT("Evolution", "Your %1 needs to grow %2 more level(s) before it can evolve.");
inline constexpr Message kEvolutionCancelled = ZORIKAN_TEXT("Evolution", "Evolution cancelled.");

//: %1: the species, %2: its number, three digits
inline constexpr Message kSpeciesEntry = ZORIKAN_TEXT("Zoridex", "%1 (#%2)");
//: %1: the species, %2: its type
inline constexpr Message kSpeciesOneType = ZORIKAN_TEXT("Zoridex", "%1, %2");
//: %1: the species, %2: its first type, %3: its second type
inline constexpr Message kSpeciesTwoTypes = ZORIKAN_TEXT("Zoridex", "%1, %2/%3");
//: %1: the attack, %2: its type
inline constexpr Message kAttackTypeEntry = ZORIKAN_TEXT("Zoridex", "%1, %2");
//: %1: the second type, after the first
inline constexpr Message kSecondType = ZORIKAN_TEXT("Zoridex", "/%1");
inline constexpr Message kUnknownAttack = ZORIKAN_TEXT("Zoridex", "???");
//: %1: the level
inline constexpr Message kEvolvesAtLevel = ZORIKAN_TEXT("Zoridex", "Can evolve at level %1.");
inline constexpr Message kDoesNotEvolve = ZORIKAN_TEXT("Zoridex", "Does not evolve.");

inline constexpr Message kMartCaption =
    ZORIKAN_TEXT("Mart", "Welcome to ZORIKAN Mart! Click an item for a description.");
//: %1: the price
inline constexpr Message kPrice = ZORIKAN_TEXT("Mart", "%1¥");

//: %1: how many yen a yen of the stake wins
inline constexpr Message kPlayForMoney = ZORIKAN_TEXT("GameCorner", "Money (Pays out %1:1¥)");
inline constexpr Message kSelectPrizeKind =
    ZORIKAN_TEXT("GameCorner", "Please select something to play for.");
inline constexpr Message kSelectNumber =
    ZORIKAN_TEXT("GameCorner", "Please select a number to bet on.");
inline constexpr Message kYouWon =
    ZORIKAN_TEXT("GameCorner", "Congratulations! You won! And your prize is...");
//: %1: the money won
inline constexpr Message kMoneyPrize = ZORIKAN_TEXT("GameCorner", "%1¥!");
//: %1: the items won, as one of the item counts of the Game Corner
inline constexpr Message kItemPrize = ZORIKAN_TEXT("GameCorner", "%1!");
//: %1: the items won, as one of the item counts of the Game Corner, %2: the money won besides
inline constexpr Message kItemAndMoneyPrize = ZORIKAN_TEXT("GameCorner", "%1 and %2¥!");

//: %1: the music file's name, %2: why it cannot be played, without a full stop
inline constexpr Message kMusicError = ZORIKAN_TEXT("Music", "%1: %2.");
//: %1: the music file's name, %2: why it cannot be played, ending in a full stop
inline constexpr Message kMusicErrorWithStop = ZORIKAN_TEXT("Music", "%1: %2");
inline constexpr Message kCannotPlay = ZORIKAN_TEXT("Music", "This file cannot be played");

}  // namespace zorikan::text
