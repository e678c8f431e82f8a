#pragma once
// Every item of the game, one row each: where the player's count of it is
// kept, what it does in battle, what the Mart and the Game Corner ask for it,
// and every text that names it. A number a text shows (a potion's HP, a
// Game Corner unit) is an argument filled from the row, so it is written
// only here. An item is its row, its counter in GameState and its row of the
// statistics window; the static_asserts below refuse a table with one missing.

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "core/model/game_state.h"
#include "core/text/message.h"

namespace zorikan {

// The items in the saved game's order, which is also the order of the
// statistics window's rows and of its buttons in battle.
enum ItemButton {
    ZoriBallButton,
    GreatBallButton,
    UltraBallButton,
    MasterBallButton,
    PotionButton,
    SuperPotionButton,
    kItemButtonCount
};

enum class ItemUse {
    Ball,      // catches when a draw below `power` beats the opponent's HP
    SureBall,  // catches at any HP
    Potion,    // restores `power` HP
};

struct MartOffer {
    std::uint32_t price = 0;  // 0: not sold
    Message entry;            // RadioGroup1's entry
    Message line1;            // Label2; %1 is the item's power
    Message line2 = {};       // Label3; none where its English is null
};

struct CornerOffer {
    std::uint32_t unit = 0;  // the stake that buys one; 0: not a prize
    Message entry;           // RadioGroup1's entry; %1 is the unit
    Message one;             // the count of a prize, for 0 and 1 of them
    Message many;            // and from 2
};

struct ItemRow {
    ItemButton item;
    std::uint32_t GameState::*count;  // the saved game's variable
    ItemUse use;
    int power;            // a ball's draw range, a potion's HP
    Message thrown = {};  // the battle log's line for a ball; none for a potion
    MartOffer mart = {};  // none: not for sale
    CornerOffer corner;
    CountedMessage prize;  // the box of a tournament won for a count of them
};

inline constexpr ItemRow kItems[] = {
    {
        .item = ZoriBallButton,
        .count = &GameState::ZoriBalls,
        .use = ItemUse::Ball,
        .power = 50,
        .thrown = ZORIKAN_TEXT("Battle", "You threw a ZORIBall."),
        .mart = {.price = 1000,
                 .entry = ZORIKAN_TEXT("Mart", "ZORIBalls"),
                 .line1 = ZORIKAN_TEXT("Mart", "A standard ZORIBALL."),
                 .line2 = ZORIKAN_TEXT("Mart", "Used for catching ZORIKAN.")},
        .corner = {.unit = 100,
                   //: %1: the stake that buys one ball
                   .entry = ZORIKAN_TEXT("GameCorner", "ZORIBalls (Pays out 1:%1¥)"),
                   //: %1: the number of balls
                   .one = ZORIKAN_TEXT("GameCorner", "%1 ZORIBall"),
                   //: %1: the number of balls
                   .many = ZORIKAN_TEXT("GameCorner", "%1 ZORIBalls")},
        .prize = {ZORIKAN_COUNTED("Tournament", "You won %n ZORIBalls!"), "You won a ZORIBall!"},
    },
    {
        .item = GreatBallButton,
        .count = &GameState::GreatBalls,
        .use = ItemUse::Ball,
        .power = 100,
        .thrown = ZORIKAN_TEXT("Battle", "You threw a Great Ball."),
        .mart = {.price = 3000,
                 .entry = ZORIKAN_TEXT("Mart", "Great Balls"),
                 .line1 = ZORIKAN_TEXT("Mart", "This Ball has good chances"),
                 .line2 = ZORIKAN_TEXT("Mart", "of capturing a ZORIKAN.")},
        .corner = {.unit = 300,
                   //: %1: the stake that buys one ball
                   .entry = ZORIKAN_TEXT("GameCorner", "Great Balls (Pays out 1:%1¥)"),
                   //: %1: the number of balls
                   .one = ZORIKAN_TEXT("GameCorner", "%1 Great Ball"),
                   //: %1: the number of balls
                   .many = ZORIKAN_TEXT("GameCorner", "%1 Great Balls")},
        .prize = {ZORIKAN_COUNTED("Tournament", "You won %n Great Balls!"),
                  "You won a Great Ball!"},
    },
    {
        .item = UltraBallButton,
        .count = &GameState::UltraBalls,
        .use = ItemUse::Ball,
        .power = 250,
        .thrown = ZORIKAN_TEXT("Battle", "You threw an Ultra Ball."),
        .mart = {.price = 6000,
                 .entry = ZORIKAN_TEXT("Mart", "Ultra Balls"),
                 .line1 = ZORIKAN_TEXT("Mart", "Has a very high chance of"),
                 .line2 = ZORIKAN_TEXT("Mart", "capturing a ZORIKAN.")},
        .corner = {.unit = 600,
                   //: %1: the stake that buys one ball
                   .entry = ZORIKAN_TEXT("GameCorner", "Ultra Balls (Pays out 1:%1¥)"),
                   //: %1: the number of balls
                   .one = ZORIKAN_TEXT("GameCorner", "%1 Ultra Ball"),
                   //: %1: the number of balls
                   .many = ZORIKAN_TEXT("GameCorner", "%1 Ultra Balls")},
        .prize = {ZORIKAN_COUNTED("Tournament", "You won %n Ultra Balls!"),
                  "You won an Ultra Ball!"},
    },
    {
        .item = MasterBallButton,
        .count = &GameState::MasterBalls,
        .use = ItemUse::SureBall,
        .power = 0,
        .thrown = ZORIKAN_TEXT("Battle", "You threw a Master Ball."),
        // Not for sale: it comes from rewards, prizes and the Game Corner.
        .corner = {.unit = 2500,
                   //: %1: the stake that buys one ball
                   .entry = ZORIKAN_TEXT("GameCorner", "Master Balls (Pays out 1:%1¥)"),
                   //: %1: the number of balls
                   .one = ZORIKAN_TEXT("GameCorner", "%1 Master Ball"),
                   //: %1: the number of balls
                   .many = ZORIKAN_TEXT("GameCorner", "%1 Master Balls")},
        .prize = {ZORIKAN_COUNTED("Tournament", "You won %n Master Balls!"),
                  "You won a Master Ball!"},
    },
    {
        .item = PotionButton,
        .count = &GameState::Potions,
        .use = ItemUse::Potion,
        .power = 50,
        .mart = {.price = 2000,
                 .entry = ZORIKAN_TEXT("Mart", "Potions"),
                 //: %1: the HP it restores
                 .line1 = ZORIKAN_TEXT("Mart", "Restores %1HP in battle.")},
        .corner = {.unit = 200,
                   //: %1: the stake that buys one potion
                   .entry = ZORIKAN_TEXT("GameCorner", "Potions (Pays out 1:%1¥)"),
                   //: %1: the number of potions
                   .one = ZORIKAN_TEXT("GameCorner", "%1 Potion"),
                   //: %1: the number of potions
                   .many = ZORIKAN_TEXT("GameCorner", "%1 Potions")},
        .prize = {ZORIKAN_COUNTED("Tournament", "You won %n Potions!"), "You won a Potion!"},
    },
    {
        .item = SuperPotionButton,
        .count = &GameState::SuperPotions,
        .use = ItemUse::Potion,
        .power = 100,
        .mart = {.price = 5000,
                 .entry = ZORIKAN_TEXT("Mart", "Super Potions"),
                 //: %1: the HP it restores
                 .line1 = ZORIKAN_TEXT("Mart", "Restores %1HP in battle.")},
        .corner = {.unit = 500,
                   //: %1: the stake that buys one potion
                   .entry = ZORIKAN_TEXT("GameCorner", "Super Potions (Pays out 1:%1¥)"),
                   //: %1: the number of potions
                   .one = ZORIKAN_TEXT("GameCorner", "%1 Super Potion"),
                   //: %1: the number of potions
                   .many = ZORIKAN_TEXT("GameCorner", "%1 Super Potions")},
        .prize = {ZORIKAN_COUNTED("Tournament", "You won %n Super Potions!"),
                  "You won a Super Potion!"},
    },
};

inline constexpr int kItemCount = static_cast<int>(std::size(kItems));

// Each row stands at its item's place, and every row names what each of its
// uses needs.
constexpr bool EveryItemInItsPlace() {
    for (int i = 0; i < kItemCount; ++i) {
        const ItemRow& row = kItems[i];
        if (row.item != i || row.count == nullptr || row.prize.one == nullptr ||
            row.prize.many.english == nullptr)
            return false;
        if (row.use != ItemUse::Potion && row.thrown.english == nullptr) return false;
        if (row.use != ItemUse::SureBall && row.power <= 0) return false;
        if (row.mart.price != 0 &&
            (row.mart.entry.english == nullptr || row.mart.line1.english == nullptr))
            return false;
        if (row.corner.unit != 0 &&
            (row.corner.entry.english == nullptr || row.corner.one.english == nullptr ||
             row.corner.many.english == nullptr))
            return false;
    }
    return true;
}
static_assert(kItemCount == kItemButtonCount, "an item without its row, or a row too many");
static_assert(EveryItemInItsPlace(), "kItems lists the items in their order, each row whole");

// How many rows `has` keeps; for the Mart's and the Game Corner's entries.
template <typename Has>
constexpr int CountItems(Has has) {
    int count = 0;
    for (const ItemRow& row : kItems) count += has(row) ? 1 : 0;
    return count;
}

}  // namespace zorikan
