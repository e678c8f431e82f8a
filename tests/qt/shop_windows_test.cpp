// The Mart and the Game Corner played through their real controls: menu
// items, radio entries, number boxes, buttons and the boxes they answer with.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTest>
#include <limits>

#include "app/game_session.h"
#include "core/collection/game_corner.h"
#include "core/data/data_file.h"
#include "core/saves/new_game.h"
#include "data_folder.h"
#include "game_windows.h"
#include "modal_helper.h"
#include "screens/game_corner_window.h"
#include "screens/main_window.h"
#include "screens/mart_window.h"
#include "screens/statistics_window.h"
#include "ui/money_spin_box.h"

namespace zorikan {
namespace {

using testing::ModalAnswerer;
using testing::WaitFor;

constexpr std::uint32_t kMax32 = std::numeric_limits<std::uint32_t>::max();

// The lucky number of the next game a source seeded with `seed` plays.
int LuckyNumberFor(std::uint32_t seed) {
    SeededRandom probe(seed);
    int lucky = 0;
    for (int i = 0; i < kDrawsPerGame; ++i) lucky = probe.Random(10);
    return lucky;
}

class ShopWindows : public testing::GameWindows {
protected:
    void SetUp() override {
        startGame(0);
        session.game().state.Money = 10'000;
        session.game().state.ZoriBalls = 3;
        session.refresh();
    }
    void menu(MenuItem item) { session.mainWindow()->menuAction(item)->trigger(); }
    // Replaces the number box's text as a player types it.
    static void type(QAbstractSpinBox* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

// The fixed texts of a window: group titles, labels and buttons, without the
// "&" of a mnemonic; then the texts of its radio entries, in order.
QSet<QString> Captions(const QWidget* window) {
    QSet<QString> captions;
    const auto add = [&](QString text) {
        text.remove('&');
        if (!text.isEmpty()) captions.insert(text);
    };
    for (const auto* group : window->findChildren<QGroupBox*>()) add(group->title());
    for (const auto* label : window->findChildren<QLabel*>()) add(label->text());
    for (const auto* button : window->findChildren<QPushButton*>()) add(button->text());
    return captions;
}
QStringList Entries(const QWidget* group) {
    QStringList entries;
    for (const auto* radio : group->findChildren<QRadioButton*>()) entries << radio->text();
    return entries;
}

TEST_F(ShopWindows, BothShopsShowTheirCaptionsAndEntries) {
    menu(MenuItem::Buy1);
    const TForm9* mart = session.mart();
    EXPECT_EQ(mart->windowTitle(), "Welcome to ZORIKAN Mart! Click an item for a description.");
    EXPECT_EQ(Captions(mart), (QSet<QString>{"Item to buy:", "Buy:", "Price:", "Buy", "Leave"}));
    EXPECT_EQ(Entries(mart->findChild<QGroupBox*>("RadioGroup1")),
              (QStringList{"ZORIBalls", "Great Balls", "Ultra Balls", "Potions", "Super Potions"}));

    menu(MenuItem::GameCorner1);
    const TFormB* corner = session.gameCorner();
    EXPECT_EQ(corner->windowTitle(), "Game Corner");
    EXPECT_EQ(Captions(corner), (QSet<QString>{"Amount to bet:", "¥", "Close", "Play for:",
                                               "Pick a number:", "Lucky number:", "Draw number!"}));
    EXPECT_EQ(Entries(corner->findChild<QGroupBox*>("RadioGroup1")),
              (QStringList{"Money (Pays out 10:1¥)", "ZORIBalls (Pays out 1:100¥)",
                           "Great Balls (Pays out 1:300¥)", "Ultra Balls (Pays out 1:600¥)",
                           "Master Balls (Pays out 1:2500¥)", "Potions (Pays out 1:200¥)",
                           "Super Potions (Pays out 1:500¥)"}));
    const QStringList digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    EXPECT_EQ(Entries(corner->findChild<QGroupBox*>("RadioGroup2")), digits);
    EXPECT_EQ(Entries(corner->findChild<QGroupBox*>("RadioGroup3")), digits);
    // Both open below the main window; the second does not hide the first.
    EXPECT_TRUE(mart->isVisible());
    EXPECT_NE(corner->frameGeometry().topLeft(), mart->frameGeometry().topLeft());
}

TEST_F(ShopWindows, TheMartSellsWhatTheMoneyPaysExactly) {
    session.game().state.Money = 1000;
    session.refresh();
    menu(MenuItem::Buy1);
    TForm9* mart = session.mart();
    ASSERT_TRUE(mart->isVisible());
    EXPECT_EQ(mart->windowTitle(), "Welcome to ZORIKAN Mart! Click an item for a description.");
    EXPECT_EQ(mart->quantityBox()->value(), 0);
    EXPECT_EQ(mart->quantityBox()->maximum(), 2147483647);
    EXPECT_FALSE(mart->buyButton()->isEnabled());

    click(mart->itemEntry(0));
    EXPECT_EQ(mart->findChild<QLabel*>("Label2")->text(), "A standard ZORIBALL.");
    EXPECT_EQ(mart->findChild<QLabel*>("Label3")->text(), "Used for catching ZORIKAN.");
    type(mart->quantityBox(), "2");
    EXPECT_EQ(mart->priceBox()->text(), "2000¥");
    EXPECT_FALSE(mart->buyButton()->isEnabled());
    QTest::keyClick(mart->quantityBox(), Qt::Key_Down);
    EXPECT_EQ(mart->priceBox()->text(), "1000¥");
    ASSERT_TRUE(mart->buyButton()->isEnabled());

    click(mart->buyButton());
    EXPECT_FALSE(mart->isVisible());
    EXPECT_EQ(stat("MoneyLbl"), "0");
    EXPECT_EQ(stat("ZoriBallsLbl"), "4");
    EXPECT_TRUE(answers.boxTexts.isEmpty());
}

TEST_F(ShopWindows, TheMartStartsAfreshAndShowsEachItemsOwnLines) {
    menu(MenuItem::Buy1);
    TForm9* mart = session.mart();
    click(mart->itemEntry(2));
    type(mart->quantityBox(), "1");
    click(mart->itemEntry(3));
    EXPECT_EQ(mart->findChild<QLabel*>("Label2")->text(), "Restores 50HP in battle.");
    EXPECT_EQ(mart->findChild<QLabel*>("Label3")->text(), "");
    EXPECT_EQ(mart->priceBox()->text(), "2000¥");

    click(mart->leaveButton());
    EXPECT_FALSE(mart->isVisible());
    EXPECT_EQ(stat("MoneyLbl"), "10000");
    menu(MenuItem::Buy1);
    ASSERT_TRUE(mart->isVisible());
    EXPECT_EQ(mart->quantityBox()->value(), 0);
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(mart->itemEntry(i)->isChecked()) << i;
    EXPECT_EQ(mart->findChild<QLabel*>("Label2")->text(), "");
    EXPECT_FALSE(mart->buyButton()->isEnabled());

    // The largest order is priced exactly and cannot be bought.
    session.game().state.Money = kMax32;
    click(mart->itemEntry(2));
    type(mart->quantityBox(), "2147483647");
    EXPECT_EQ(mart->priceBox()->text(), "12884901882000¥");
    EXPECT_FALSE(mart->buyButton()->isEnabled());
}

TEST_F(ShopWindows, MoneyStakedInTheGameCornerStopsAnOpenMartsOrder) {
    menu(MenuItem::Buy1);
    TForm9* mart = session.mart();
    click(mart->itemEntry(4));
    type(mart->quantityBox(), "2");
    ASSERT_TRUE(mart->buyButton()->isEnabled());

    menu(MenuItem::GameCorner1);
    TFormB* corner = session.gameCorner();
    type(corner->betBox(), "5000");
    click(corner->prizeEntry(0));
    session.random().reseed(1);
    click(corner->numberEntry((LuckyNumberFor(1) + 1) % 10));  // a game that loses
    click(corner->drawButton());
    EXPECT_EQ(stat("MoneyLbl"), "5000");
    ASSERT_TRUE(WaitFor([&] { return !DrawInProgress(session.game()); }));

    // Back in the Mart, the order is checked again; a "Buy" still standing
    // enabled from before takes nothing either.
    mart->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return !mart->buyButton()->isEnabled(); }));
    click(mart->buyButton());
    mart->Button1Click();
    EXPECT_EQ(stat("MoneyLbl"), "5000");
    EXPECT_EQ(stat("SuperPotionsLbl"), "0");
    EXPECT_TRUE(mart->isVisible());
    EXPECT_FALSE(mart->buyButton()->isEnabled());
    EXPECT_TRUE(answers.boxTexts.isEmpty());
}

TEST_F(ShopWindows, AGameCornerWinFlickersThenPaysItsPrize) {
    menu(MenuItem::GameCorner1);
    TFormB* corner = session.gameCorner();
    ASSERT_TRUE(corner->isVisible());
    EXPECT_EQ(corner->betBox()->value(), 0u);
    EXPECT_EQ(corner->betBox()->maximum(), 10'000u);

    // The warnings come first, and take nothing.
    answers.answerBox();
    click(corner->drawButton());
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    click(corner->prizeEntry(1));
    answers.answerBox();
    click(corner->drawButton());
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    EXPECT_EQ(answers.boxTexts, (QStringList{"Please select something to play for.",
                                             "Please select a number to bet on."}));
    EXPECT_EQ(stat("MoneyLbl"), "10000");

    // 250 in steps of 50 on the number the draws will end on.
    corner->betBox()->setFocus();
    for (int i = 0; i < 5; ++i) QTest::keyClick(corner->betBox(), Qt::Key_Up);
    EXPECT_EQ(corner->betBox()->value(), 250u);
    session.random().reseed(77);
    const int lucky = LuckyNumberFor(77);
    click(corner->numberEntry(lucky));
    answers.boxTexts.clear();
    answers.boxCentres.clear();
    answers.answerBox();
    answers.answerBox();
    corner->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return corner->isActiveWindow(); }));
    click(corner->drawButton());

    // The stake shows at once, and nothing else acts until the reveal.
    EXPECT_EQ(stat("MoneyLbl"), "9750");
    // "Draw number!" keeps the keyboard, but a second click stakes nothing.
    EXPECT_TRUE(corner->drawButton()->isEnabled());
    click(corner->drawButton());
    EXPECT_EQ(stat("MoneyLbl"), "9750");
    EXPECT_FALSE(corner->closeButton()->isEnabled());
    EXPECT_FALSE(session.mainWindow()->close());
    EXPECT_TRUE(session.mainWindow()->isVisible());
    EXPECT_FALSE(corner->close());
    EXPECT_TRUE(corner->isVisible());
    menu(MenuItem::Buy1);
    EXPECT_FALSE(session.mart()->isVisible());
    click(corner->prizeEntry(0));
    EXPECT_TRUE(corner->prizeEntry(1)->isChecked());

    QSet<int> shown;
    ASSERT_TRUE(WaitFor([&] {
        for (int n = 0; n < 10; ++n)
            if (corner->luckyEntry(n)->isChecked()) shown.insert(n);
        return answers.done() && !DrawInProgress(session.game());
    }));
    EXPECT_GE(shown.size(), 3) << "the lucky number flickers";
    EXPECT_EQ(answers.boxTexts, (QStringList{"Congratulations! You won! And your prize is...",
                                             "2 ZORIBalls and 500¥!"}));
    // Both boxes stand centred over the Game Corner.
    ASSERT_EQ(answers.boxCentres.size(), 2);
    for (const QPoint& centre : answers.boxCentres)
        EXPECT_LE((centre - corner->frameGeometry().center()).manhattanLength(), 2);
    EXPECT_TRUE(corner->luckyEntry(lucky)->isChecked());
    EXPECT_EQ(stat("MoneyLbl"), "10250");
    EXPECT_EQ(stat("ZoriBallsLbl"), "5");
    EXPECT_TRUE(corner->drawButton()->isEnabled());

    click(corner->closeButton());
    EXPECT_FALSE(corner->isVisible());
}

TEST_F(ShopWindows, AGameCornerLossIsSilentAndTheBetBoxHoldsLargeMoney) {
    session.game().state.Money = 3'000'000'000u;
    session.refresh();
    menu(MenuItem::GameCorner1);
    TFormB* corner = session.gameCorner();
    EXPECT_EQ(corner->betBox()->maximum(), 3'000'000'000u);
    type(corner->betBox(), "2999999950");
    EXPECT_EQ(session.game().screens.gameCorner.bet, 2'999'999'950u);
    // A number past the maximum cannot be typed.
    type(corner->betBox(), "3000000001");
    EXPECT_LE(corner->betBox()->value(), 3'000'000'000u);
    // A screen reader sets the bet as typing does: the box shows it and it is staked.
    QAccessibleInterface* bet = QAccessible::queryAccessibleInterface(corner->betBox());
    ASSERT_NE(bet->valueInterface(), nullptr);
    bet->valueInterface()->setCurrentValue(1000.0);
    EXPECT_EQ(corner->betBox()->text(), "1000");
    EXPECT_EQ(bet->valueInterface()->currentValue().toULongLong(), 1000u);
    EXPECT_EQ(session.game().screens.gameCorner.bet, 1000u);

    session.random().reseed(5);
    const int lucky = LuckyNumberFor(5);
    click(corner->prizeEntry(0));
    click(corner->numberEntry((lucky + 1) % 10));
    click(corner->drawButton());
    EXPECT_EQ(stat("MoneyLbl"), "2999999000");
    ASSERT_TRUE(WaitFor([&] { return !DrawInProgress(session.game()); }));
    QTest::qWait(50);
    EXPECT_TRUE(answers.boxTexts.isEmpty());
    EXPECT_TRUE(corner->luckyEntry(lucky)->isChecked());
    EXPECT_EQ(stat("MoneyLbl"), "2999999000");

    // Reopened, the bet and prize kind start again; the numbers stay.
    click(corner->closeButton());
    menu(MenuItem::GameCorner1);
    EXPECT_EQ(corner->betBox()->value(), 0u);
    EXPECT_EQ(corner->betBox()->maximum(), 2'999'999'000u);
    EXPECT_FALSE(corner->prizeEntry(0)->isChecked());
    EXPECT_TRUE(corner->numberEntry((lucky + 1) % 10)->isChecked());
    EXPECT_TRUE(corner->luckyEntry(lucky)->isChecked());
}

}  // namespace
}  // namespace zorikan
