#include "core/collection/mart.h"

#include <limits>
#include <utility>

#include "core/text/catalogue.h"

namespace zorikan {

namespace {

bool IsMartItem(int item) {
    return item >= 0 && item < kMartItemCount;
}

// The price box and the Buy state follow every change of the order.
void UpdatePrice(Game& game) {
    MartModel& mart = game.screens.mart;
    mart.price = Text(text::kPrice, {std::to_string(MartTotal(mart.selectedItem, mart.quantity))});
    mart.buyEnabled = MartOrderPossible(game.state, mart.selectedItem, mart.quantity);
}

}  // namespace

const ItemRow& MartItem(int entry) {
    return kItems[kMartItems[entry]];
}

std::array<std::string, 2> MartDescription(int entry) {
    const MartOffer& offer = MartItem(entry).mart;
    const std::string power = std::to_string(MartItem(entry).power);
    return {Text(offer.line1, {power}), offer.line2.english ? Text(offer.line2, {power}) : ""};
}

std::uint64_t MartTotal(int item, std::int64_t quantity) {
    if (!IsMartItem(item) || quantity <= 0) return 0;
    // At most 2147483647 x 6000: far inside 64 bits.
    return static_cast<std::uint64_t>(quantity) * MartItem(item).mart.price;
}

bool MartOrderPossible(const GameState& state, int item, std::int64_t quantity) {
    const std::uint64_t total = MartTotal(item, quantity);
    if (total == 0 || total > state.Money) return false;
    const std::uint64_t stock = state.*MartItem(item).count;
    return stock + static_cast<std::uint64_t>(quantity) <=
           std::numeric_limits<std::uint32_t>::max();
}

void ShowMart(Game& game) {
    if (!game.isVisible(Window::Mart)) {
        MartModel& mart = game.screens.mart;
        mart.quantity = 0;
        mart.selectedItem = -1;
        mart.description1.clear();
        mart.description2.clear();
        UpdatePrice(game);
    }
    game.setVisible(Window::Mart, true);
}

void MartItemChosen(Game& game, int item) {
    MartModel& mart = game.screens.mart;
    mart.selectedItem = IsMartItem(item) ? item : -1;
    UpdatePrice(game);
    mart.description1.clear();
    mart.description2.clear();
    if (mart.selectedItem >= 0) {
        auto [line1, line2] = MartDescription(item);
        mart.description1 = std::move(line1);
        mart.description2 = std::move(line2);
    }
}

void MartQuantityChanged(Game& game, std::int64_t quantity) {
    if (quantity < 0) quantity = 0;
    if (quantity > kMartMaxQuantity) quantity = kMartMaxQuantity;
    game.screens.mart.quantity = static_cast<std::int32_t>(quantity);
    UpdatePrice(game);
}

void MartRecheck(Game& game) {
    UpdatePrice(game);
}

bool MartBuy(Game& game) {
    MartModel& mart = game.screens.mart;
    // The button may stand enabled from before money was spent elsewhere.
    if (!MartOrderPossible(game.state, mart.selectedItem, mart.quantity)) {
        UpdatePrice(game);
        return false;
    }
    game.state.Money -= static_cast<std::uint32_t>(MartTotal(mart.selectedItem, mart.quantity));
    game.state.*MartItem(mart.selectedItem).count += static_cast<std::uint32_t>(mart.quantity);
    game.setVisible(Window::Mart, false);
    return true;
}

void LeaveMart(Game& game) {
    game.setVisible(Window::Mart, false);
}

}  // namespace zorikan
