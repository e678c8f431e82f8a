#pragma once
// The texts of the way through the game: badges and rewards, the Grand Four
// series, tournaments and the wild search.

#include "core/text/message.h"

namespace zorikan::text {

//: %1: the badge
inline constexpr Message kEarnedBadge = ZORIKAN_TEXT("Rewards", "You earned the %1!");
inline constexpr Message kAldmarkBonus =
    ZORIKAN_TEXT("Rewards",
                 "You beat Roderic, the final Aldmark leader! You can now battle the Grand Four! "
                 "Also, you get a 2500¥ bonus!");
inline constexpr Message kBrennarBonus =
    ZORIKAN_TEXT("Rewards",
                 "You beat Vesper, the final Brennar leader! You can now battle Kell! Also, you "
                 "get a 3000¥ bonus!");
inline constexpr Message kCyrelleBonus =
    ZORIKAN_TEXT("Rewards",
                 "You beat Marius, the final Cyrelle leader! You can now battle the Lowland and "
                 "Coastal Elites! Also, you get a 5000¥ bonus!");
inline constexpr Message kBeatHighlandChampion =
    ZORIKAN_TEXT("Rewards",
                 "You beat Caspian, the Grand Four champion! You can now battle the Brennar Gym "
                 "Leaders! Also, you get a Master Ball!");
inline constexpr Message kMasterBallNote =
    ZORIKAN_TEXT("Rewards", "This Ball will catch any ZORIKAN at any HP. Use it wisely.");
//: %1: the creature given
inline constexpr Message kBeatKell =
    ZORIKAN_TEXT("Rewards", "You beat Kell! You can now battle me! Also, you get a %1 at L.5!");
//: %1: the creature given
inline constexpr Message kBeatMe =
    ZORIKAN_TEXT("Rewards",
                 "You beat me! You can now battle and/or catch Omnivar! You can also fight the "
                 "Cyrelle Gym Leaders! And as if that wasn't enough, you also get a %1 at L.10!");
//: %1: the roster's size, %2: the creature given
inline constexpr Message kNoRoomForGift = ZORIKAN_TEXT(
    "Rewards", "Your roster is full: it already holds %1 ZORIKAN, so there is no room for the %2.");

//: %1: the trainer just beaten, %2: the next opponent
inline constexpr Message kNextSeriesMember =
    ZORIKAN_TEXT("Series", "Congratulations! You beat %1! Your next opponent is %2.");
//: %1: the trainer just beaten, %2: the champion
inline constexpr Message kHighlandChampionNext =
    ZORIKAN_TEXT("Series",
                 "You have proven your worth against the Highland Grand Four. Now, it is time for "
                 "you to fight the Highland Grand Four Champion: %2!");
//: %1: the trainer just beaten, %2: the champion
inline constexpr Message kLowlandChampionNext =
    ZORIKAN_TEXT("Series",
                 "You have proven your worth against the Lowland Grand Four. Now, it is time for "
                 "you to fight the Lowland Grand Four Champion: %2!");
//: %1: the trainer just beaten, %2: the champion
inline constexpr Message kCoastalChampionNext =
    ZORIKAN_TEXT("Series",
                 "You have proven your worth against the Coastal Grand Four. Now, it is time for "
                 "you to fight the Coastal Grand Four Champion: %2!");
//: %1: the champion, %2: the bonus money
inline constexpr Message kBeatLowlandChampion =
    ZORIKAN_TEXT("Series", "You beat %1, the Lowland Grand Four champion! You get a bonus of %2¥!");
//: %1: the champion, %2: the bonus money
inline constexpr Message kBeatCoastalChampion =
    ZORIKAN_TEXT("Series", "You beat %1, the Coastal Grand Four champion! You get a bonus of %2¥!");
//: %1: the creature given
inline constexpr Message kChampionGift = ZORIKAN_TEXT("Series", "Also, you get a %1 at L.5!");

inline constexpr Message kNoneEligible =
    ZORIKAN_TEXT("Tournament", "None of your ZORIKAN meet the level requirements.");
inline constexpr Message kNotEnoughMoney =
    ZORIKAN_TEXT("Tournament", "You don't have enough money!");
//: %1: the trainer just beaten, %2: the next match's number, %3: the next trainer,
//: %4: the level of the next trainer's creature, %5: that creature
inline constexpr Message kNextMatch = ZORIKAN_TEXT(
    "Tournament", "Congratulations! You beat %1! Next up is trainer #%2, %3 with a L.%4 %5.");
//: %1: the last trainer
inline constexpr Message kWonTournament = ZORIKAN_TEXT(
    "Tournament",
    "Congratulations! You beat %1! You won the tournament! Now for the unveiling of your prize...");
// The prizes of a tournament; an item prize is its item's own text.
//: %1: the money won
inline constexpr Message kWonMoney = ZORIKAN_TEXT("Tournament", "You won %1¥!");
inline constexpr Message kWonRandomCreature =
    ZORIKAN_TEXT("Tournament", "You won a random ZORIKAN!");
//: %1: the creature's level, %2: the creature
inline constexpr Message kWonCreature = ZORIKAN_TEXT("Tournament", "You won a L.%1 %2!");

inline constexpr Message kChosenSpeciesNote =
    ZORIKAN_TEXT("WildSearch",
                 "Using Omnivar's psychic powers, you can fight any ZORIKAN you want to, and at "
                 "any level. Please select which ZORIKAN to fight against, or click Random to face "
                 "a random ZORIKAN.");
inline constexpr Message kNoSpeciesChosen =
    ZORIKAN_TEXT("WildSearch",
                 "Please choose which ZORIKAN to fight from the list first, or click Random to "
                 "face a random ZORIKAN.");

}  // namespace zorikan::text
