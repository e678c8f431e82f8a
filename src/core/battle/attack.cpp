#include "core/battle/attack.h"

#include "core/battle/battle_start.h"
#include "core/collection/item_buttons.h"
#include "core/shared/saturating.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

// What differs between the fighter's attack and the opponent's.
struct Side {
    int attackerSpecies;
    int attackSlot;  // 1..4
    int attackerLevel;
    int defenderSpecies;
    std::int32_t& defenderHp;
    int defenderMax;
    HpGauge& gauge;
    std::string& hpText;
    const std::string& attackerName;
    const std::string& defenderName;
    const Message& usedAttack;  // the attack line
    const Message& damage;      // the damage line
};

// Ends the turns: "Go!" and the item buttons go, "End Fight" comes.
void BattleOver(Game& game) {
    game.screens.main.arena.endVisible = true;
    HideButtons(game);
    game.screens.main.arena.goVisible = false;
}

void Victory(Game& game) {
    BattleOver(game);
    game.log(Text(text::kEnemyFainted, {OpponentName(game)}));
    GameState& s = game.state;
    const int slot = game.battle.ActiveSlot;
    const std::uint32_t gain = ExperienceFor(game.battle.OppLevel);
    game.log(Text(text::kGainedExperience, {FighterName(game), std::to_string(gain)}));
    const std::uint8_t oldLevel = s.RosterLevel[slot];
    // In 64 bits: a loaded game may hold experience near the counter's limit.
    std::uint64_t exp = std::uint64_t{s.RosterExp[slot]} + gain;
    if (LevelsUpAfter(game.battle.BattleKind))
        while (s.RosterLevel[slot] < 255 && LevelThreshold(s.RosterLevel[slot] + 1u) <= exp)
            ++s.RosterLevel[slot];
    if (exp > kMaxExperience) {
        s.RosterLevel[slot] = kMaxLevel;
        exp = kMaxExperience;
    }
    s.RosterExp[slot] = static_cast<std::uint32_t>(exp);
    if (s.RosterLevel[slot] > oldLevel)
        game.log(
            Text(text::kGrewToLevel, {FighterName(game), std::to_string(s.RosterLevel[slot])}));

    static constexpr std::uint32_t kDraw[3] = {1, 2, 4};
    const std::uint32_t prize = 250 * kDraw[game.rng.Random(3)] * MoneyFactor(s);
    game.log(Text(text::kGotMoney, {std::to_string(prize)}));
    AddCapped(s.Money, prize);
}

void Defeat(Game& game) {
    // Fights was counted when the fighter was confirmed: a lost battle is one fight.
    game.battle.BattleKind = 0;
    BattleOver(game);
    GameState& s = game.state;
    AddCapped(s.Losses, 1);
    game.log(Text(text::kFainted, {FighterName(game)}));
    game.log(Text(text::kLostMoney, {std::to_string(s.Money - s.Money / 2)}));
    s.Money /= 2;
}

// Returns true when the defender fainted.
bool Resolve(Game& game, Side& side) {
    const GameData& data = game.data;
    const int attack = data.SpeciesAttacks[side.attackerSpecies][side.attackSlot];
    const bool critical = game.rng.Random(10) + 1 == 10;
    const int spread = game.rng.Random(20) - 10;
    const int powerTimesLevel = data.AttackPower[attack] * side.attackerLevel;
    double d = spread + powerTimesLevel / 100.0;
    game.log(Text(side.usedAttack, {side.attackerName, data.AttackNames[attack]}));
    if (critical) {
        game.log(Text(text::kCriticalHit));
        d *= 2;
    }
    const int type = data.AttackType[attack];
    const float m1 = data.TypeChart[type][data.SpeciesType1[side.defenderSpecies]];
    const float m2 = data.TypeChart[type][data.SpeciesType2[side.defenderSpecies]];
    d = d * m1 * m2;
    std::int64_t damage = static_cast<std::int64_t>(d);
    if (damage < 1) damage = 1;
    if (m1 == 2 && m2 >= 1) game.log(Text(text::kSuperEffective));
    if (m2 == 2 && m1 == 1) game.log(Text(text::kSuperEffective));
    if (m1 == 0.5f && m2 == 1) game.log(Text(text::kNotVeryEffective));
    if (m1 == 0.5f && m2 == 0.5f) game.log(Text(text::kNotVeryEffective));
    if (m1 == 1 && m2 == 0.5f) game.log(Text(text::kNotVeryEffective));
    if (m1 == 0 || m2 == 0) {
        game.log(Text(text::kDoesNotAffect, {side.defenderName}));
        damage = 0;
    }
    game.log(Text(side.damage, {side.attackerName, std::to_string(damage), side.defenderName}));
    side.defenderHp =
        static_cast<std::int32_t>(damage >= side.defenderHp ? 0 : side.defenderHp - damage);
    ShowHp(side.gauge, side.hpText, side.defenderHp, side.defenderMax);
    return side.defenderHp < 1;
}

}  // namespace

std::uint32_t ExperienceFor(int level) {
    const std::uint32_t l = static_cast<std::uint32_t>(level);
    return 3 * l * l - 3 * l + 1;
}

std::uint32_t MoneyFactor(const GameState& s) {
    std::uint32_t factor = 1;
    if (s.BadgeCount >= 4 && s.BadgeCount <= 7) factor *= 2;
    if (s.BadgeCount >= 8 && s.BadgeCount <= 11) factor *= 4;
    if (s.BadgeCount >= 12 && !s.OwnedFlags[kOmnivar]) factor *= 6;
    if (s.OwnedFlags[kOmnivar]) factor *= 8;
    return factor;
}

void DoOwnAttack(Game& game) {
    const int selected = game.screens.main.arena.selectedAttack;
    if (selected < 0 || selected > 3) return;
    BattleState& b = game.battle;
    const int slot = b.ActiveSlot;
    ArenaModel& arena = game.screens.main.arena;
    const std::string& fighter = FighterName(game);
    const std::string& opponent = OpponentName(game);
    Side side{FighterSpecies(game),
              selected + 1,
              game.state.RosterLevel[slot],
              b.OppSpecies,
              b.OppHP,
              b.OppLevel * 10,
              arena.opponentGauge,
              arena.opponentHpText,
              fighter,
              opponent,
              text::kUsedAttack,
              text::kDamageToEnemy};
    if (Resolve(game, side)) Victory(game);
}

void DoOppAttack(Game& game) {
    BattleState& b = game.battle;
    const int slot = b.ActiveSlot;
    ArenaModel& arena = game.screens.main.arena;
    const std::string& fighter = FighterName(game);
    const std::string& opponent = OpponentName(game);
    const int attackSlot = game.rng.Random(4) + 1;
    Side side{b.OppSpecies,
              attackSlot,
              b.OppLevel,
              FighterSpecies(game),
              b.OwnHP,
              game.state.RosterLevel[slot] * 10,
              arena.fighterGauge,
              arena.fighterHpText,
              opponent,
              fighter,
              text::kEnemyUsedAttack,
              text::kEnemyDamage};
    if (Resolve(game, side)) Defeat(game);
}

}  // namespace zorikan
