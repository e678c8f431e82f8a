#pragma once
// The battle's texts: the log lines of a fight and the arena's labels.

#include "core/text/message.h"

namespace zorikan::text {

// The battle log.
//: %1: the wild creature
inline constexpr Message kWildAppeared = ZORIKAN_TEXT("Battle", "Wild %1 appeared!");
//: %1: the trainer
inline constexpr Message kWantsToFight = ZORIKAN_TEXT("Battle", "%1 wants to fight!");
//: %1: the trainer, %2: the trainer's creature
inline constexpr Message kSentOut = ZORIKAN_TEXT("Battle", "%1 sent out %2!");
inline constexpr Message kChooseFighterNote = ZORIKAN_TEXT(
    "Battle",
    "Select a ZORIKAN from the Statistics Window. You'll be asked to confirm your choice.");
//: %1: the creature double-clicked in the roster
inline constexpr Message kChooseFighter = ZORIKAN_TEXT("Battle", "Choose %1?");
//: %1: the player's creature
inline constexpr Message kIChooseYou = ZORIKAN_TEXT("Battle", "%1, I choose you!");
//: %1: the player's creature, %2: its attack
inline constexpr Message kUsedAttack = ZORIKAN_TEXT("Battle", "%1 used %2!");
//: %1: the opponent's creature, %2: its attack
inline constexpr Message kEnemyUsedAttack = ZORIKAN_TEXT("Battle", "Enemy %1 used %2!");
inline constexpr Message kCriticalHit = ZORIKAN_TEXT("Battle", "Critical hit!");
inline constexpr Message kSuperEffective = ZORIKAN_TEXT("Battle", "It's super effective!");
inline constexpr Message kNotVeryEffective = ZORIKAN_TEXT("Battle", "It's not very effective...");
//: %1: the creature the attack cannot hurt
inline constexpr Message kDoesNotAffect = ZORIKAN_TEXT("Battle", "It doesn't affect %1!");
//: %1: the player's creature, %2: the damage, %3: the opponent's creature
inline constexpr Message kDamageToEnemy =
    ZORIKAN_TEXT("Battle", "%1 did %2 points of damage to enemy %3.");
//: %1: the opponent's creature, %2: the damage, %3: the player's creature
inline constexpr Message kEnemyDamage =
    ZORIKAN_TEXT("Battle", "Enemy %1 did %2 points of damage to %3.");
//: %1: the opponent's creature
inline constexpr Message kEnemyFainted = ZORIKAN_TEXT("Battle", "Enemy %1 fainted!");
//: %1: the player's creature
inline constexpr Message kFainted = ZORIKAN_TEXT("Battle", "%1 fainted!");
//: %1: the player's creature, %2: the experience points
inline constexpr Message kGainedExperience =
    ZORIKAN_TEXT("Battle", "%1 gained %2 experience points!");
//: %1: the player's creature, %2: its new level
inline constexpr Message kGrewToLevel = ZORIKAN_TEXT("Battle", "%1 grew to level %2!");
//: %1: the money won
inline constexpr Message kGotMoney = ZORIKAN_TEXT("Battle", "You got %1¥!");
//: %1: the money lost
inline constexpr Message kLostMoney = ZORIKAN_TEXT("Battle", "You lost %1¥!");
inline constexpr Message kNoRunning =
    ZORIKAN_TEXT("Battle", "No! There's no running from a trainer battle!");
inline constexpr Message kGotAway = ZORIKAN_TEXT("Battle", "Got away safely!");
//: %1: the player's creature, %2: the experience points it loses
inline constexpr Message kQuitTournament =
    ZORIKAN_TEXT("Battle", "Quit the tournament! %1 lost %2 experience points!");
//: %1: the player's creature
inline constexpr Message kLostALevel = ZORIKAN_TEXT("Battle", "%1 lost a level!");
//: %1: the opponent's creature
inline constexpr Message kCaught = ZORIKAN_TEXT("Battle", "You caught %1!");
//: %1: the opponent's creature
inline constexpr Message kNotCaught = ZORIKAN_TEXT("Battle", "Sorry, %1 wasn't caught.");
inline constexpr Message kNoEffect = ZORIKAN_TEXT("Battle", "It won't have any effect.");
//: %1: the player's creature, %2: the hit points it got back
inline constexpr Message kRecovered = ZORIKAN_TEXT("Battle", "%1 recovered %2 HP!");

// The arena's labels.
//: %1: the player's creature, %2: its level
inline constexpr Message kFighterLabel = ZORIKAN_TEXT("Arena", "%1 L.%2");
//: %1: the opponent's creature, %2: its level
inline constexpr Message kOpponentLabel = ZORIKAN_TEXT("Arena", "Enemy %1 L.%2");
//: %1: the hit points left, %2: the most hit points
inline constexpr Message kHitPoints = ZORIKAN_TEXT("Arena", "%1/%2");
//: %1: the player's creature
inline constexpr Message kFighterAttacks = ZORIKAN_TEXT("Arena", "%1's attacks:");
//: %1: the opponent's creature; empty before the first battle
inline constexpr Message kOpponentAttacks = ZORIKAN_TEXT("Arena", "Enemy %1's Attacks:");
//: %1: the attack, %2: its type
inline constexpr Message kAttackItem = ZORIKAN_TEXT("Arena", "%1 (%2)");
// Before the first fighter steps up.
inline constexpr Message kNoFighterAttacks = ZORIKAN_TEXT("Arena", "'s Attacks:");
//: %1: the attack's place, 1 to 4
inline constexpr Message kAttackPlace = ZORIKAN_TEXT("Arena", "Attack #%1");
//: %1: the attack's place, 1 to 4
inline constexpr Message kOpponentAttackPlace = ZORIKAN_TEXT("Arena", "Opp. Attack #%1");
inline constexpr Message kRun = ZORIKAN_TEXT("Arena", "Run!");

}  // namespace zorikan::text
